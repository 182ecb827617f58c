#pragma once
// Attribute values as the tokenizer collects them: character references
// decoded, line breaks as LF, read as UTF-8 or Windows-1252, and where each
// of their characters stands in the page.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/links/html/html_position.h"

namespace qvn {

/// Longest attribute value (and CSS url) kept, in bytes. Longer ones are cut
/// and marked truncated, so one huge token cannot make memory grow with the page.
/// The fuzz target sets a small QVN_HTML_VALUE_LIMIT, so that small inputs reach the cut.
#ifndef QVN_HTML_VALUE_LIMIT
#define QVN_HTML_VALUE_LIMIT (64 * 1024)
#endif
inline constexpr std::size_t kMaxHtmlValue = QVN_HTML_VALUE_LIMIT;

/// A place in a value whose page position is known: value[end] comes from the
/// page character at position; [begin, end) is text we put there ourselves
/// (a reference's meaning, or U+FFFD for a NUL), UTF-8 already.
struct ValueAnchor {
  std::size_t begin = 0;
  std::size_t end = 0;
  TextPosition position;
};

/// How far a walk through a value got: positions asked for in increasing
/// order then cost one pass over the value, not one each.
struct ValuePlace {
  std::size_t offset = 0;
  TextPosition position;
  bool known = false;
};

/// One attribute of a start tag whose value was asked for.
struct HtmlAttribute {
  std::string name;   ///< lower case
  std::string value;  ///< UTF-8; references decoded; CR LF and CR as LF
  std::vector<ValueAnchor> anchors;  ///< sorted; the first is the value's start
  bool has_value = false;  ///< false for a bare name ("<a href>"): its start is just after the name
  bool truncated = false;  ///< longer than kMaxHtmlValue: only the start is kept
  /// Every byte of value is ASCII above the space (0x21 to 0x7F), so there is
  /// nothing to trim or drop in it.
  bool printable = true;
  /// The sink's answer when the tokenizer asked for the attribute, for the sink's own use.
  unsigned char kind = 0;

  /// Page position of the character at value[offset] (offset up to value.size()).
  /// With place, the walk goes on from where the last call through it stopped.
  TextPosition PositionAt(std::size_t offset, ValuePlace* place = nullptr) const;
};

/// Reads text's own bytes (those outside the anchors' spans) as UTF-8 when
/// they are valid UTF-8, otherwise as Windows-1252, and moves the anchors
/// along. A value, not a line, is the unit: a tokenizer meets a value before
/// its line ends, and a value may span lines.
void MakeUtf8(std::string& text, std::vector<ValueAnchor>& anchors);

/// Appends a value's pieces as the tokenizer meets them, across blocks.
class ValueCollector {
 public:
  /// Starts attribute's value, whose first character is at start.
  void Start(HtmlAttribute& attribute, TextPosition start);
  /// Page bytes holding no CR (an LF right after a CR is dropped).
  void AppendRaw(const char* begin, const char* end);
  /// A CR, kept as LF.
  void AppendCr();
  /// Text we decoded; after is the position of the page character that follows it.
  void AppendDecoded(std::string_view text, TextPosition after);
  /// Ends the value (MakeUtf8).
  void Finish();

 private:
  bool Fits(std::size_t size);

  HtmlAttribute* attribute_ = nullptr;
  bool after_cr_ = false;
};

/// Makes text UTF-8 as MakeUtf8 does, for text without decoded spans.
void MakeUtf8(std::string& text);

/// Drops a UTF-8 sequence that a cut left incomplete at the end of text.
/// Other bytes stay: text that is not UTF-8 may be cut anywhere.
void DropPartialSequence(std::string& text);

/// ASCII lower case of c.
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

/// True when text equals lower (already lower case), ASCII letters compared without case.
bool EqualsAsciiNoCase(std::string_view text, std::string_view lower);

}  // namespace qvn
