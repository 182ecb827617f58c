#pragma once
// Texts are UTF-8 in std::string. Bytes that are not valid UTF-8 (file names
// on POSIX may hold any bytes) travel through unchanged: when decoded they
// become the code points U+DC80..U+DCFF and encode back to the same byte.

#include <cstddef>
#include <string>
#include <string_view>

namespace qvn {

/// An invalid byte b (0x80..0xFF) decodes to kRawByteBase + b.
inline constexpr char32_t kRawByteBase = 0xDC00;

/// Decodes the code point at s[i] and advances i past it. An invalid or
/// truncated sequence yields kRawByteBase + its first byte and advances by one.
char32_t DecodeNext(std::string_view s, std::size_t& i);

/// Appends the UTF-8 form of c; a raw-byte stand-in is appended as that byte.
void AppendUtf8(std::string& out, char32_t c);

/// The code points of s (raw bytes as their stand-ins).
std::u32string ToChars(std::string_view s);

/// UTF-8 of code points (stand-ins back to their bytes).
std::string FromChars(std::u32string_view chars);

/// True when s is entirely well-formed UTF-8 (no surrogates, no overlongs).
bool IsValidUtf8(std::string_view s);

/// True when every byte of s is below 0x80.
bool IsAscii(std::string_view s);

/// Windows-1252 bytes as UTF-8. The five unassigned bytes map to U+0081 etc.
std::string Windows1252ToUtf8(std::string_view s);

/// UTF-8 as Windows-1252; characters it cannot hold become "?".
std::string Utf8ToWindows1252(std::string_view s);

/// A line of a page or of one of our own files: kept when valid UTF-8,
/// otherwise read as Windows-1252.
std::string DecodeTextLine(std::string_view raw);

/// Number of UTF-16 code units of s (a raw byte counts one).
std::size_t Utf16Length(std::string_view s);

/// Ordinal comparison by UTF-16 code units: negative, 0 or positive.
int CompareUtf16(std::string_view a, std::string_view b);

/// As CompareUtf16, with the shorter text read as padded with spaces to the
/// length of the longer ('a' and 'a ' are equal; 'page' sorts before 'page.htm').
int ComparePaddedUtf16(std::string_view a, std::string_view b);

/// Strict-weak-order form of CompareUtf16.
struct Utf16Less {
  bool operator()(std::string_view a, std::string_view b) const { return CompareUtf16(a, b) < 0; }
};

}  // namespace qvn
