#pragma once
// The tokenizer's states (the HTML standard's, less those that only tell
// parse errors apart), shared by the files that implement them.

#include <array>
#include <string_view>

#include "core/links/html/html_bytes.h"
#include "core/links/html/html_tokenizer.h"

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
};

constexpr std::array<unsigned char, 256> MakeCharClasses() {
  std::array<unsigned char, 256> classes{};
  for (unsigned char c : {' ', '\n', '\t', '\r', '\f', '/', '>'}) classes[c] |= kEndsTagName;
  for (unsigned char c : {' ', '\n', '\t', '\r', '\f', '/', '>', '='}) classes[c] |= kEndsAttrName;
  for (unsigned char c : {' ', '\n', '\t', '\r', '\f', '>', '&', '\0'}) classes[c] |= kEndsUnquoted;
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

// Whether an element so named may hold raw text, script text or plain text:
// each such name starts with one of these letters, so most tags stop here.
inline bool MayHoldText(std::string_view name) {
  switch (name.empty() ? '\0' : name[0]) {
    case 'i': case 'n': case 'p': case 's': case 't': case 'x':
      return true;
    default:
      return false;
  }
}

}  // namespace html
}  // namespace qvn
