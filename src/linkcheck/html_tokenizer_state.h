#pragma once
// The tokenizer's states (the HTML standard's, less those that only tell
// parse errors apart), shared by the files that implement them.

#include <array>
#include <cstring>

#include "linkcheck/html_tokenizer.h"

namespace qvn {

enum class HtmlTokenizer::State : unsigned char {
  kData,
  kTagOpen,
  kEndTagOpen,
  kTagName,
  kBeforeAttrName,
  kAttrName,
  kAfterAttrName,
  kBeforeAttrValue,
  kAttrValueDouble,
  kAttrValueSingle,
  kAttrValueUnquoted,
  kAfterAttrValueQuoted,
  kSelfClosing,
  kCharRef,
  kMarkupDecl,
  kBogusComment,  // DOCTYPEs too: every DOCTYPE state ends at ">"
  kCommentStart,
  kCommentStartDash,
  kComment,
  kCommentEndDash,
  kCommentEnd,
  kCommentEndBang,
  kCdata,
  kCdataBracket,
  kCdataEnd,
  kRawText,  // RCDATA and RAWTEXT alike: references in text do not matter here
  kRawLessThan,
  kRawEndTagOpen,
  kRawEndTagName,
  kPlaintext,
  kScript,
  kScriptEscaped,
  kScriptDoubleEscaped,
  kScriptLessThan,
  kScriptEscapeStart,
  kScriptEscapeStartDash,
  kScriptEscapedDash,
  kScriptEscapedDashDash,
  kScriptEscapedLessThan,
  kScriptDoubleEscapeStart,
  kScriptDoubleEscapedDash,
  kScriptDoubleEscapedDashDash,
  kScriptDoubleEscapedLessThan,
  kScriptDoubleEscapeEnd,
};

namespace html {

// What characters end or interrupt a token, looked up at once.
enum CharClass : unsigned char {
  kEndsTagName = 1,      // whitespace "/" ">"
  kEndsAttrName = 2,     // whitespace "/" ">" "="
  kEndsUnquoted = 4,     // whitespace ">" (and, when collecting, "&" NUL)
  kStopsDoubleQuoted = 8,  // '"' "&" CR NUL
  kStopsSingleQuoted = 16,  // "'" "&" CR NUL
};

constexpr std::array<unsigned char, 256> MakeCharClasses() {
  std::array<unsigned char, 256> classes{};
  for (unsigned char c : {' ', '\n', '\t', '\r', '\f', '/', '>'}) classes[c] |= kEndsTagName;
  for (unsigned char c : {' ', '\n', '\t', '\r', '\f', '/', '>', '='}) classes[c] |= kEndsAttrName;
  for (unsigned char c : {' ', '\n', '\t', '\r', '\f', '>', '&', '\0'}) classes[c] |= kEndsUnquoted;
  for (unsigned char c : {'"', '&', '\r', '\0'}) classes[c] |= kStopsDoubleQuoted;
  for (unsigned char c : {'\'', '&', '\r', '\0'}) classes[c] |= kStopsSingleQuoted;
  return classes;
}
inline constexpr std::array<unsigned char, 256> kCharClasses = MakeCharClasses();

inline bool Is(char c, unsigned char classes) {
  return (kCharClasses[static_cast<unsigned char>(c)] & classes) != 0;
}

// Whitespace between tokens; CR too, as the HTML standard turns it into LF first.
inline bool IsSpace(char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f';
}
inline bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The first c in [p, end), or nullptr. Markup puts most targets within a few
// bytes, where a plain loop beats a call to memchr.
inline const char* Find(const char* p, const char* end, char c) {
  for (const char* near = end - p > 16 ? p + 16 : end; p < near; ++p) {
    if (*p == c) return p;
  }
  return p == end ? nullptr
                  : static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)));
}

}  // namespace html
}  // namespace qvn
