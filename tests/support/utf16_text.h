#pragma once
// Texts written as UTF-16 files are: a byte-order mark, then the units.
// Header-only.

#include <string>
#include <string_view>

#include "core/text/utf.h"

namespace qvn::test {

/// utf8 as UTF-16 with a byte-order mark, in either byte order.
inline std::string Utf16Text(std::string_view utf8, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  auto unit = [&](char32_t u) {
    const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  };
  for (char32_t c : ToChars(utf8)) {
    if (c < 0x10000) {
      unit(c);
    } else {
      c -= 0x10000;
      unit(0xD800 + (c >> 10));
      unit(0xDC00 + (c & 0x3FF));
    }
  }
  return bytes;
}

}  // namespace qvn::test
