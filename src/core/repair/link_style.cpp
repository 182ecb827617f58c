#include "core/repair/link_style.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/links/link_extract.h"
#include "core/links/percent_decode.h"
#include "core/text/casefold.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

// The escapes the line scan decodes (its DecodeLink), with their characters.
constexpr std::array<std::pair<std::string_view, char32_t>, 9> kFixedEscapes{{
    {"%20", U' '},
    {"%27", U'\''},
    {"%28", U'('},
    {"%29", U')'},
    {"%C3%A7", U'\u00E7'},
    {"%C3%B1", U'\u00F1'},
    {"%C3%AD", U'\u00ED'},
    {"%C3%B3", U'\u00F3'},
    {"%E2%80%93", U'\u2013'},
}};

bool IsSlash(char c) {
  return c == '/' || c == '\\';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsEscapeAt(std::string_view text, std::size_t i) {
  return i + 2 < text.size() && text[i] == '%' && HexValue(text[i + 1]) >= 0 &&
         HexValue(text[i + 2]) >= 0;
}

void AppendEscaped(std::string& out, unsigned char byte, bool lower) {
  const char* digits = lower ? "0123456789abcdef" : "0123456789ABCDEF";
  out += '%';
  out += digits[byte >> 4];
  out += digits[byte & 15];
}

}  // namespace

std::optional<LinkParts> SplitLink(std::string_view written) {
  LinkParts parts;
  const std::size_t cut = std::min(written.find_first_of("?#"), written.size());
  const std::string_view path = written.substr(0, cut);
  parts.tail.assign(written.substr(cut));
  if (const std::size_t slash = path.find_first_of("/\\"); slash != std::string_view::npos)
    parts.slash = path[slash];
  std::size_t pos = 0;
  if (!path.empty() && IsSlash(path[0])) {
    parts.root_relative = true;
    pos = 1;
  }
  // The leading "./" and "../" steps.
  while (true) {
    const std::size_t end = std::min(path.find_first_of("/\\", pos), path.size());
    const std::string_view name = path.substr(pos, end - pos);
    if ((name != "." && name != "..") || end == path.size()) break;
    if (name == "..") ++parts.parent_steps;
    pos = end + 1;
  }
  parts.lead.assign(path.substr(0, pos));
  while (pos <= path.size()) {
    const std::size_t end = std::min(path.find_first_of("/\\", pos), path.size());
    const std::string_view name = path.substr(pos, end - pos);
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    if (!parts.names.empty()) parts.separators.push_back(path[pos - 1]);
    parts.names.emplace_back(name);
    pos = end + 1;
  }
  return parts;
}

std::string JoinLink(const LinkParts& parts) {
  std::string out = parts.lead;
  for (std::size_t i = 0; i < parts.names.size(); ++i) {
    if (i > 0) out += i - 1 < parts.separators.size() ? parts.separators[i - 1] : parts.slash;
    out += parts.names[i];
  }
  return out + parts.tail;
}

LinkStyle::LinkStyle(std::string_view written, const LinkDecoding& decoding) : decoding_(decoding) {
  for (std::size_t i = 0; i < written.size();) {
    if (!decoding.every_link) {
      if (written.substr(i).starts_with("&amp;")) amp_entity_ = true;
      const auto fixed = std::find_if(kFixedEscapes.begin(), kFixedEscapes.end(), [&](auto& e) {
        return written.substr(i).starts_with(e.first);
      });
      if (fixed == kFixedEscapes.end()) {
        ++i;
        continue;
      }
      escaped_ += fixed->second;
      escapes_non_ascii_ = escapes_non_ascii_ || fixed->second >= 0x80;
      i += fixed->first.size();
      continue;
    }
    std::string bytes;
    for (; IsEscapeAt(written, i); i += 3) {
      bytes += static_cast<char>(HexValue(written[i + 1]) * 16 + HexValue(written[i + 2]));
      lower_hex_ = lower_hex_ || (written[i + 1] >= 'a' || written[i + 2] >= 'a');
    }
    if (bytes.empty()) {
      ++i;
      continue;
    }
    escaped_ += Folded(bytes);
    escapes_non_ascii_ = escapes_non_ascii_ || !IsAscii(bytes);
  }
}

bool LinkStyle::Escaped(char32_t c) const {
  return escaped_.find(LowerChar(c)) != std::u32string::npos;
}

std::optional<std::string> LinkStyle::Write(std::string_view name) const {
  return Encode(name, decoding_.every_link, false);
}

std::optional<std::string> LinkStyle::WriteFragment(std::string_view name) const {
  return Encode(name, true, true);
}

std::optional<std::string> LinkStyle::Encode(std::string_view name, bool any_escape,
                                             bool in_fragment) const {
  std::string out;
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t start = i;
    const char32_t c = DecodeNext(name, i);
    // A byte that is no UTF-8 would be read back as another character.
    if (c >= kRawByteBase + 0x80 && c <= kRawByteBase + 0xFF) return std::nullopt;
    if (!in_fragment && (c == '/' || c == '\\')) return std::nullopt;
    const bool must = (c == '%' && any_escape) || c == '#' || (c == '?' && !in_fragment) ||
                      c < 0x20 || c == 0x7F ||
                      (decoding_.quote != 0 && c == static_cast<char32_t>(decoding_.quote)) ||
                      (c == ' ' && decoding_.quote == 0);
    const bool want = must || Escaped(c) || (c >= 0x80 && escapes_non_ascii_);
    const std::string_view text = name.substr(start, i - start);
    if (!want) {
      out += c == '&' && amp_entity_ && !decoding_.every_link ? std::string_view("&amp;") : text;
    } else if (any_escape) {
      for (const char byte : text) AppendEscaped(out, static_cast<unsigned char>(byte), lower_hex_);
    } else if (const auto fixed = std::find_if(kFixedEscapes.begin(), kFixedEscapes.end(),
                                               [&](auto& e) { return e.second == c; });
               fixed != kFixedEscapes.end()) {
      out += fixed->first;
    } else if (must) {
      return std::nullopt;
    } else {
      out += text;
    }
  }
  return out;
}

std::string DecodeName(std::string_view written, bool every_link) {
  if (every_link) return PercentDecode(written);
  std::string out(written);
  DecodeLink(out);
  return out;
}

std::u32string Folded(std::string_view text) {
  std::u32string chars = ToChars(text);
  for (char32_t& c : chars) c = LowerChar(c);
  return chars;
}

}  // namespace qvn
