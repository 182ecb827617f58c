#pragma once
// Text and list routines. Texts are UTF-8; "characters" are code points and
// positions count from 1 (0 = not found), as in the rest of the program.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// A blank is any character whose code is 32 or less.
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

/// s without blanks at either end.
std::string_view TrimBlanks(std::string_view s);
/// s without blanks at its end.
std::string_view TrimTrailingBlanks(std::string_view s);
/// s without spaces (only spaces) at either end.
std::string_view TrimSpaces(std::string_view s);

/// The first n characters of s; all of s when n is at least its length; "" when n <= 0.
std::string LeftPart(std::string_view s, long long n);

/// Splits text (from character start_position on) at delimiter into items and
/// returns their number. A leading delimiter is dropped once; empty items count
/// when min_length is 0; max_items 0 = no limit. When nothing is stored the
/// result is 0 and items is left untouched; otherwise items holds exactly the
/// stored items.
std::size_t SplitList(std::string_view text, std::string_view delimiter, long long start_position,
                      std::vector<std::string>& items, bool trim, std::size_t max_items = 0,
                      std::size_t min_length = 0);

/// Case mode for SplitLines.
enum class CaseMode { kLower = -1, kUnchanged = 0, kUpper = 1 };

/// Splits text at CR LF into the lines that are not blank after trimming
/// spaces; stores them (trimmed when trim is set, then case-mapped). With no
/// such line items holds one empty text and the result is 0.
std::size_t SplitLines(std::string_view text, std::vector<std::string>& items, CaseMode mode,
                       bool trim);

/// items[first..last] each followed by separator; the final separator is
/// dropped unless keep_trailing. first/last of -1 mean the lowest/highest index.
std::string JoinArray(const std::vector<std::string>& items, std::string_view separator,
                      bool keep_trailing, long long first = -1, long long last = -1);

/// s repeated n times ("" when n <= 0).
std::string RepeatText(std::string_view s, long long n);

/// Position of the first character at or after max(start, 1) that is in set,
/// with its position within set in set_index; 0 when none (or s or set empty).
long long FindFirstOfChars(std::string_view s, long long start, std::string_view set,
                           long long& set_index);

/// Position of the first character at or after max(start, 1) that is not in
/// set; 0 when s is empty or none is left; 1 when set is empty.
long long FindFirstNotOfChars(std::string_view s, long long start, std::string_view set);

/// Deletes from s every character that occurs in set.
void RemoveChars(std::string& s, std::string_view set);

/// While s ends with suffix, removes it; an empty suffix changes nothing.
void StripTrailingSuffix(std::string& s, std::string_view suffix);

/// Replaces every occurrence of from (not empty) in s by to, left to right.
void ReplaceAll(std::string& s, std::string_view from, std::string_view to);

}  // namespace qvn
