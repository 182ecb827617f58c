#pragma once
// Letter case of texts: Unicode's simple (one-to-one) mappings, whatever the
// user's locale, so a folded text keeps its length in characters.

#include <string>
#include <string_view>

namespace qvn {

/// Simple lower-case mapping of one code point (itself when it has none).
char32_t LowerChar(char32_t c);

/// Simple upper-case mapping of one code point (itself when it has none).
char32_t UpperChar(char32_t c);

/// s lower-cased; the accented capitals ŠŸÀ..Ý become their small letters.
std::string LowerCaseLatin(std::string_view s);

/// s upper-cased; the accented small letters šÿà..ý become their capitals.
std::string UpperCaseLatin(std::string_view s);

/// Lower-casing as used for file extensions (the same mapping).
inline std::string LowerCase(std::string_view s) { return LowerCaseLatin(s); }

/// True when LowerCaseLatin(haystack) contains needle_folded (already folded).
bool FoldedContains(std::string_view haystack, std::string_view needle_folded);

}  // namespace qvn
