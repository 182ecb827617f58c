#include "core/repair/page_edit.h"

#include "core/text/utf.h"

namespace qvn {
namespace {

std::string ReplaceAmpersands(std::string_view text) {
  std::string out;
  for (const char c : text) out += c == '&' ? std::string_view("&amp;") : std::string_view(&c, 1);
  return out;
}

std::string Encode(std::string_view text, bool windows_1252, bool amp_entity) {
  std::string bytes = windows_1252 ? Utf8ToWindows1252(text) : std::string(text);
  return amp_entity ? ReplaceAmpersands(bytes) : bytes;
}

// The byte offset of column (UTF-16 units from 1, a byte that is no UTF-8
// counting one) in line; npos past its end.
std::size_t ColumnOffset(std::string_view line, long long column) {
  std::size_t i = 0;
  long long units = 1;
  while (units < column && i < line.size()) units += DecodeNext(line, i) >= 0x10000 ? 2 : 1;
  return units == column ? i : std::string_view::npos;
}

}  // namespace

std::vector<std::size_t> LineStarts(std::string_view page) {
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\r' && i + 1 < page.size() && page[i + 1] == '\n') ++i;
    if (page[i] == '\r' || page[i] == '\n') starts.push_back(i + 1);
  }
  if (starts.back() != page.size()) starts.push_back(page.size());
  return starts;
}

std::optional<LinkSpot> FindLinkSpot(std::string_view page, long long line, long long column,
                                     std::string_view written) {
  const std::vector<std::size_t> starts = LineStarts(page);
  if (line < 1 || static_cast<std::size_t>(line) >= starts.size() || written.empty())
    return std::nullopt;
  std::string_view text = page.substr(starts[line - 1], starts[line] - starts[line - 1]);
  text = text.substr(0, text.find_first_of("\r\n"));
  const std::size_t offset = ColumnOffset(text, column);
  if (offset == std::string_view::npos) return std::nullopt;
  LinkSpot spot;
  spot.offset = starts[line - 1] + offset;
  spot.quote =
      offset > 0 && (text[offset - 1] == '"' || text[offset - 1] == '\'') ? text[offset - 1] : 0;
  // The scans read a line (or a value) as Windows-1252 when it is no UTF-8;
  // a page that is no UTF-8 anywhere keeps Windows-1252 for new text too.
  const bool line_1252 = !IsValidUtf8(text);
  spot.windows_1252 = line_1252 || (IsAscii(text) && !IsValidUtf8(page));
  for (const bool amp : {false, true}) {
    if (amp && written.find('&') == std::string_view::npos) break;
    const std::string bytes = Encode(written, line_1252, amp);
    if (text.substr(offset, bytes.size()) == bytes) {
      spot.length = bytes.size();
      spot.amp_entity = amp;
      return spot;
    }
  }
  return std::nullopt;
}

std::optional<std::string> SpotBytes(const LinkSpot& spot, std::string_view text) {
  std::string bytes = Encode(text, spot.windows_1252, spot.amp_entity);
  if (spot.windows_1252 && Windows1252ToUtf8(Encode(text, true, false)) != text)
    return std::nullopt;
  return bytes;
}

bool IsUtf16Page(std::string_view page) {
  return page.starts_with("\xFF\xFE") || page.starts_with("\xFE\xFF");
}

std::string ApplyEdits(std::string_view page, const std::vector<PageEdit>& edits) {
  std::string out;
  out.reserve(page.size());
  std::size_t at = 0;
  for (const PageEdit& edit : edits) {
    out.append(page.substr(at, edit.offset - at));
    out += edit.bytes;
    at = edit.offset + edit.length;
  }
  out.append(page.substr(at));
  return out;
}

}  // namespace qvn
