#include "core/links/percent_decode.h"

#include "core/text/utf.h"

namespace qvn {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string PercentDecode(std::string_view text) {
  if (text.find('%') == std::string_view::npos) return std::string(text);
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low < 0 || (high == 0 && low == 0)) {
      bytes.push_back(text[i]);
      continue;
    }
    bytes.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  if (IsValidUtf8(bytes)) return bytes;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size();) {
    const char32_t c = DecodeNext(bytes, i);
    if (c >= kRawByteBase + 0x80 && c <= kRawByteBase + 0xFF) {
      out += Windows1252ToUtf8(std::string(1, static_cast<char>(c - kRawByteBase)));
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

}  // namespace qvn
