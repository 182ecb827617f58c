#pragma once
// Texts written as UTF-16 files are: a byte-order mark, then the units.
// Header-only.

#include <string>
#include <string_view>

#include "core/text/utf.h"

namespace qvn::test {

/// UTF-16 units (lone surrogates allowed) in either byte order, after a
/// byte-order mark.
inline std::string Utf16Bytes(std::u16string_view units, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += {big_endian ? high : low, big_endian ? low : high};
  }
  return bytes;
}

/// utf8 as UTF-16 with a byte-order mark, in either byte order.
inline std::string Utf16Text(std::string_view utf8, bool big_endian) {
  std::u16string units;
  for (char32_t c : ToChars(utf8)) {
    if (c < 0x10000) {
      units += static_cast<char16_t>(c);
    } else {
      c -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (c >> 10));
      units += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
  }
  return Utf16Bytes(units, big_endian);
}

}  // namespace qvn::test
