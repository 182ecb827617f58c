#include "core/links/html/html_value.h"

#include <algorithm>

#include "core/text/utf.h"
#include "core/links/html/html_bytes.h"

namespace qvn {
namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

void DropPartialSequence(std::string& text) {
  std::size_t lead = text.size();
  while (lead > 0 && text.size() - lead < 3 && IsContinuation(text[lead - 1])) --lead;
  if (lead == 0) return;
  const auto b = static_cast<unsigned char>(text[--lead]);
  const std::size_t needed = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
  if (needed > text.size() - lead) text.resize(lead);
}

bool EqualsAsciiNoCase(std::string_view text, std::string_view lower) {
  return std::equal(text.begin(), text.end(), lower.begin(), lower.end(),
                    [](char a, char b) { return AsciiLower(a) == b; });
}

TextPosition HtmlAttribute::PositionAt(std::size_t offset, ValuePlace* place) const {
  auto it = std::upper_bound(anchors.begin(), anchors.end(), offset,
                             [](std::size_t o, const ValueAnchor& a) { return o < a.end; });
  if (it == anchors.begin()) return anchors.empty() ? TextPosition{} : anchors.front().position;
  --it;
  std::size_t i = it->end;
  TextPosition at = it->position;
  // The last walk stopped past the anchor and not past offset: go on from there.
  if (place != nullptr && place->known && it->end <= place->offset && place->offset <= offset) {
    i = place->offset;
    at = place->position;
  }
  for (; i < offset && i < value.size(); ++i) {
    const auto b = static_cast<unsigned char>(value[i]);
    if (b == '\n') {
      ++at.line;
      at.column = 1;
    } else if (!IsContinuation(value[i])) {
      at.column += b >= 0xF0 ? 2 : 1;  // beyond U+FFFF: two UTF-16 units
    }
  }
  if (place != nullptr) *place = {i, at, true};
  return at;
}

void MakeUtf8(std::string& text, std::vector<ValueAnchor>& anchors) {
  if (html::AllAscii(text.data(), text.size())) return;
  std::size_t from = 0;
  bool valid = true;
  for (const ValueAnchor& a : anchors) {
    valid = valid && IsValidUtf8(std::string_view(text).substr(from, a.begin - from));
    from = a.end;
  }
  if (valid && IsValidUtf8(std::string_view(text).substr(from))) return;
  std::string out;
  from = 0;
  for (ValueAnchor& a : anchors) {
    out += Windows1252ToUtf8(std::string_view(text).substr(from, a.begin - from));
    const std::size_t begin = out.size();
    out.append(text, a.begin, a.end - a.begin);
    from = a.end;
    a.begin = begin;
    a.end = out.size();
  }
  out += Windows1252ToUtf8(std::string_view(text).substr(from));
  text = std::move(out);
}

void MakeUtf8(std::string& text) {
  if (!html::AllAscii(text.data(), text.size()) && !IsValidUtf8(text))
    text = Windows1252ToUtf8(text);
}

void ValueCollector::Start(HtmlAttribute& attribute, TextPosition start) {
  attribute_ = &attribute;
  attribute.has_value = true;
  attribute.anchors.assign(1, {0, 0, start});
  after_cr_ = false;
}

bool ValueCollector::Fits(std::size_t size) {
  std::string& value = attribute_->value;
  if (attribute_->truncated) return false;
  if (value.size() + size <= kMaxHtmlValue) return true;
  attribute_->truncated = true;
  return false;
}

void ValueCollector::AppendRaw(const char* begin, const char* end) {
  if (begin == end) return;
  if (after_cr_ && *begin == '\n') ++begin;
  after_cr_ = false;
  std::string& value = attribute_->value;
  if (attribute_->truncated) return;  // nothing after the cut, or the value would have a hole
  if (Fits(static_cast<std::size_t>(end - begin))) {
    value.append(begin, end);
    return;
  }
  value.append(begin, kMaxHtmlValue - value.size());
  DropPartialSequence(value);
}

void ValueCollector::AppendCr() {
  after_cr_ = false;
  if (Fits(1)) attribute_->value.push_back('\n');
  after_cr_ = true;
}

void ValueCollector::AppendDecoded(std::string_view text, TextPosition after) {
  after_cr_ = false;
  if (!Fits(text.size())) return;
  std::string& value = attribute_->value;
  const std::size_t begin = value.size();
  value.append(text);
  attribute_->anchors.push_back({begin, value.size(), after});
}

void ValueCollector::Finish() {
  if (attribute_ == nullptr) return;
  std::string& value = attribute_->value;
  attribute_->printable = html::AllPrintable(value.data(), value.size());
  if (!attribute_->printable) MakeUtf8(value, attribute_->anchors);
  attribute_ = nullptr;
}

}  // namespace qvn
