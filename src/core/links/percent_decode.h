#pragma once
// Percent-decoding of links found by the HTML scan.

#include <string>
#include <string_view>

namespace qvn {

/// text with every "%XX" (two hex digits, either case) replaced by its byte;
/// the bytes are then read as UTF-8 where they form UTF-8 sequences and each
/// other byte as Windows-1252, so the result is UTF-8. A "%" without two hex
/// digits stays as written, and so does "%00": a NUL would end a file name
/// early and could make a missing file look present.
std::string PercentDecode(std::string_view text);

}  // namespace qvn
