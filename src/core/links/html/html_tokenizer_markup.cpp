// Markup declarations ("<!"), comments, DOCTYPEs and CDATA sections.
#include <cstring>

#include "core/links/html/html_tokenizer.h"
#include "core/links/html/html_tokenizer_state.h"

namespace qvn {
namespace {

constexpr std::string_view kCommentOpen = "--";
constexpr std::string_view kDoctype = "doctype";  // any letter case
constexpr std::string_view kCdataOpen = "[CDATA[";

}  // namespace

const char* HtmlTokenizer::MarkupDecl(const char* p, const char*) {
  const char first = markup_.empty() ? *p : markup_.front();
  std::string_view target;
  if (first == '-') {
    target = kCommentOpen;
  } else if (AsciiLower(first) == 'd') {
    target = kDoctype;
  } else if (first == '[' && !foreign_.empty()) {  // CDATA only in foreign content
    target = kCdataOpen;
  }
  const char expected = target.empty() ? '\0' : target[markup_.size()];
  const char c = target == kDoctype ? AsciiLower(*p) : *p;
  if (target.empty() || c != expected) {
    // None of the letters matched so far is ">": reading on from here is the same.
    state_ = State::kBogusComment;
    return p;
  }
  markup_.push_back(c);
  if (markup_.size() == target.size()) {
    state_ = target == kCommentOpen ? State::kCommentStart
             : target == kDoctype   ? State::kBogusComment  // a DOCTYPE, too, ends at ">"
                                    : State::kCdata;
  }
  return p + 1;
}

const char* HtmlTokenizer::BogusComment(const char* p, const char* end) {
  const char* gt = html::Find(p, end, '>');
  if (gt == nullptr) return end;
  state_ = State::kData;
  return gt + 1;
}

const char* HtmlTokenizer::CommentStart(const char* p, const char*) {
  if (*p == '-') {
    state_ = State::kCommentStartDash;
    return p + 1;
  }
  state_ = *p == '>' ? State::kData : State::kComment;  // "<!-->" is a whole comment
  return *p == '>' ? p + 1 : p;
}

const char* HtmlTokenizer::CommentStartDash(const char* p, const char*) {
  if (*p == '-') {
    state_ = State::kCommentEnd;
    return p + 1;
  }
  state_ = *p == '>' ? State::kData : State::kComment;  // "<!--->" too
  return *p == '>' ? p + 1 : p;
}

// The "<!--" inside a comment only changes which parse error is reported, so
// the comment ends at the same "-->" (or "--!>") without those states.
const char* HtmlTokenizer::Comment(const char* p, const char* end) {
  const char* dash = html::Find(p, end, '-');
  if (dash == nullptr) return end;
  state_ = State::kCommentEndDash;
  return dash + 1;
}

const char* HtmlTokenizer::CommentEndDash(const char* p, const char*) {
  if (*p == '-') {
    state_ = State::kCommentEnd;
    return p + 1;
  }
  state_ = State::kComment;
  return p;
}

const char* HtmlTokenizer::CommentEnd(const char* p, const char*) {
  switch (*p) {
    case '>':
      state_ = State::kData;
      return p + 1;
    case '!':
      state_ = State::kCommentEndBang;
      return p + 1;
    case '-':
      return p + 1;
    default:
      state_ = State::kComment;
      return p;
  }
}

const char* HtmlTokenizer::CommentEndBang(const char* p, const char*) {
  if (*p == '-') {
    state_ = State::kCommentEndDash;
    return p + 1;
  }
  if (*p == '>') {
    state_ = State::kData;
    return p + 1;
  }
  state_ = State::kComment;
  return p;
}

const char* HtmlTokenizer::Cdata(const char* p, const char* end) {
  const char* bracket = html::Find(p, end, ']');
  DeliverText(p, bracket != nullptr ? bracket : end);
  if (bracket == nullptr) return end;
  Hold(bracket);
  state_ = State::kCdataBracket;
  return bracket + 1;
}

const char* HtmlTokenizer::CdataBracket(const char* p, const char*) {
  if (*p == ']') {
    Hold(p);
    state_ = State::kCdataEnd;
    return p + 1;
  }
  FlushHeld();
  state_ = State::kCdata;
  return p;
}

const char* HtmlTokenizer::CdataEnd(const char* p, const char*) {
  if (*p == '>') {
    held_.clear();
    state_ = State::kData;
    return p + 1;
  }
  if (*p != ']') {
    FlushHeld();
    state_ = State::kCdata;
    return p;
  }
  // "]]]": the first bracket is text, the last two may still end the section.
  if (text_wanted_) {
    sink_.OnText(std::string_view(held_).substr(0, 1));
    held_.erase(0, 1);
    ++held_position_.column;
  }
  Hold(p);
  return p + 1;
}

}  // namespace qvn
