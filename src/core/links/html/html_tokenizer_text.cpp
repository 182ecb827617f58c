// Text of raw-text, RCDATA and script elements; foreign content; text handed
// to the sink.
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

#include "core/links/html/html_tokenizer.h"
#include "core/links/html/html_tokenizer_state.h"

namespace qvn {

using html::IsAlpha;
using html::IsSpace;

namespace {

// Start tags that end foreign content (the HTML standard's list, less font).
constexpr std::array<std::string_view, 44> kBreakout = {
    "b",    "big",     "blockquote", "body", "br",   "center", "code",  "dd",    "div",
    "dl",   "dt",      "em",         "embed", "h1",  "h2",     "h3",    "h4",    "h5",
    "h6",   "head",    "hr",         "i",    "img",  "li",     "listing", "menu", "meta",
    "nobr", "ol",      "p",          "pre",  "ruby", "s",      "small", "span",  "strike",
    "strong", "sub",   "sup",        "table", "tt",  "u",      "ul",    "var"};

constexpr std::array<std::string_view, 7> kRawTextElements = {
    "title", "textarea", "style", "xmp", "iframe", "noembed", "noframes"};

constexpr std::string_view kScriptName = "script";

}  // namespace

bool HtmlTokenizer::IsForeignTag() const {
  const std::string_view name = tag_name_.view();
  if (name == "svg" || name == "math") return true;
  if (!InForeignContent()) return false;
  return std::find(kBreakout.begin(), kBreakout.end(), name) == kBreakout.end();
}

void HtmlTokenizer::TrackForeign() {
  if (!end_tag_) {
    if (tag_foreign_ && !self_closing_) {
      if (foreign_.size() < kMaxForeignDepth) {
        foreign_.emplace_back(tag_name_.overlong() ? std::string_view() : tag_name_.view());
      } else {
        ++foreign_overflow_;
      }
    } else if (!tag_foreign_) {
      foreign_.clear();  // a breakout tag, or already HTML
      foreign_overflow_ = 0;
    }
    return;
  }
  if (foreign_.empty() && foreign_overflow_ == 0) return;
  if (foreign_overflow_ > 0) {
    --foreign_overflow_;
    return;
  }
  const std::string_view name = tag_name_.view();
  if (name == "p" || name == "br") {
    foreign_.clear();
    return;
  }
  // An end tag closes the innermost open element of its name; others are ignored.
  const auto it = std::find(foreign_.rbegin(), foreign_.rend(), name);
  if (it != foreign_.rend() && !tag_name_.overlong())
    foreign_.erase(std::prev(it.base()), foreign_.end());
}

void HtmlTokenizer::EnterTextMode() {
  const std::string_view name = tag_name_.view();
  if (name == kScriptName) {
    state_ = State::kScript;
  } else if (name == "plaintext") {
    state_ = State::kPlaintext;
  } else if (std::find(kRawTextElements.begin(), kRawTextElements.end(), name) !=
             kRawTextElements.end()) {
    state_ = State::kRawText;
  } else {
    return;
  }
  text_element_ = name;
}

TextPosition HtmlTokenizer::PositionOf(const char* p) {
  const std::less<const char*> before;
  if (!held_.empty() && !before(p, held_.data()) && before(p, held_.data() + held_.size())) {
    // Held text is one line of ASCII.
    return {held_position_.line, held_position_.column + (p - held_.data())};
  }
  return counter_.At(p);
}

void HtmlTokenizer::FlushHeld() {
  if (text_wanted_ && !held_.empty()) sink_.OnText(held_);
  held_.clear();
}

const char* HtmlTokenizer::RawText(const char* p, const char* end) {
  const auto* lt = html::Find(p, end, '<');
  DeliverText(p, lt != nullptr ? lt : end);
  if (lt == nullptr) return end;
  Hold(lt);
  state_ = State::kRawLessThan;
  return lt + 1;
}

const char* HtmlTokenizer::RawLessThan(const char* p, const char*) {
  if (*p == '/') {
    Hold(p);
    return_state_ = State::kRawText;
    state_ = State::kRawEndTagOpen;
    return p + 1;
  }
  FlushHeld();
  state_ = State::kRawText;
  return p;
}

const char* HtmlTokenizer::RawEndTagOpen(const char* p, const char*) {
  end_match_ = 0;
  if (IsAlpha(*p)) {
    state_ = State::kRawEndTagName;
  } else {
    FlushHeld();
    state_ = return_state_;
  }
  return p;
}

// Only the end tag of the element that opened the text ends it. Once a
// letter does not match, the rest is text (letters in text change nothing).
const char* HtmlTokenizer::RawEndTagName(const char* p, const char*) {
  const char c = *p;
  if (end_match_ < text_element_.size() && AsciiLower(c) == text_element_[end_match_]) {
    Hold(p);
    ++end_match_;
    return p + 1;
  }
  if (end_match_ == text_element_.size() && (IsSpace(c) || c == '/' || c == '>')) {
    StartTag(true);
    tag_name_.Assign(text_element_);
    if (c == '>') {
      EmitTag();
    } else {
      state_ = c == '/' ? State::kSelfClosing : State::kBeforeAttrName;
    }
    return p + 1;
  }
  FlushHeld();
  state_ = return_state_;
  return p;
}

const char* HtmlTokenizer::Plaintext(const char*, const char* end) { return end; }

const char* HtmlTokenizer::Script(const char* p, const char* end) {
  const char* lt = html::Find(p, end, '<');
  if (lt == nullptr) return end;
  state_ = State::kScriptLessThan;
  return lt + 1;
}

// Escaped and double-escaped script text: only "-" and "<" matter.
const char* HtmlTokenizer::ScriptEscaped(const char* p, const char* end) {
  while (p < end && *p != '-' && *p != '<') ++p;
  if (p == end) return end;
  const bool dash = *p == '-';
  if (state_ == State::kScriptEscaped) {
    state_ = dash ? State::kScriptEscapedDash : State::kScriptEscapedLessThan;
  } else {
    state_ = dash ? State::kScriptDoubleEscapedDash : State::kScriptDoubleEscapedLessThan;
  }
  return p + 1;
}

const char* HtmlTokenizer::ScriptChar(const char* p, const char*) {
  return ScriptCharStep(*p) ? p + 1 : p;
}

// Whether "script" was matched in full, letters compared without case.
bool HtmlTokenizer::DoubleEscapeStep(char c, State match, State other) {
  if (IsSpace(c) || c == '/' || c == '>') {
    state_ = !script_mismatch_ && script_match_ == kScriptName.size() ? match : other;
    return true;
  }
  if (!IsAlpha(c)) {
    state_ = other;
    return false;
  }
  if (script_match_ < kScriptName.size() && AsciiLower(c) == kScriptName[script_match_]) {
    ++script_match_;
  } else {
    script_mismatch_ = true;
  }
  return true;
}

// The state after c in a "-" or "--" state of escaped script text: "-->"
// goes back to plain script text.
HtmlTokenizer::State HtmlTokenizer::AfterDash(char c, State dash_dash, State less_than,
                                              State text) const {
  if (c == '-') return dash_dash;
  if (c == '<') return less_than;
  return c == '>' && state_ == dash_dash ? State::kScript : text;
}

// One character in one of the short script states; false to read it again
// in the state it leads to.
bool HtmlTokenizer::ScriptCharStep(char c) {
  switch (state_) {
    case State::kScriptLessThan:
      if (c == '/') {
        return_state_ = State::kScript;
        state_ = State::kRawEndTagOpen;
        return true;
      }
      state_ = c == '!' ? State::kScriptEscapeStart : State::kScript;
      return c == '!';
    case State::kScriptEscapeStart:
    case State::kScriptEscapeStartDash:
      if (c != '-') {
        state_ = State::kScript;
        return false;
      }
      state_ = state_ == State::kScriptEscapeStart ? State::kScriptEscapeStartDash
                                                    : State::kScriptEscapedDashDash;
      return true;
    case State::kScriptEscapedDash:
    case State::kScriptEscapedDashDash:
      state_ = AfterDash(c, State::kScriptEscapedDashDash, State::kScriptEscapedLessThan,
                         State::kScriptEscaped);
      return true;
    case State::kScriptEscapedLessThan:
      if (c == '/') {
        return_state_ = State::kScriptEscaped;
        state_ = State::kRawEndTagOpen;
        return true;
      }
      script_match_ = 0;
      script_mismatch_ = false;
      state_ = IsAlpha(c) ? State::kScriptDoubleEscapeStart : State::kScriptEscaped;
      return false;
    default:
      return DoubleEscapedStep(c);
  }
}

bool HtmlTokenizer::DoubleEscapedStep(char c) {
  switch (state_) {
    case State::kScriptDoubleEscapeStart:
      return DoubleEscapeStep(c, State::kScriptDoubleEscaped, State::kScriptEscaped);
    case State::kScriptDoubleEscapedDash:
    case State::kScriptDoubleEscapedDashDash:
      state_ = AfterDash(c, State::kScriptDoubleEscapedDashDash,
                         State::kScriptDoubleEscapedLessThan, State::kScriptDoubleEscaped);
      return true;
    case State::kScriptDoubleEscapedLessThan:
      if (c != '/') {
        state_ = State::kScriptDoubleEscaped;
        return false;
      }
      script_match_ = 0;
      script_mismatch_ = false;
      state_ = State::kScriptDoubleEscapeEnd;
      return true;
    default:  // kScriptDoubleEscapeEnd
      return DoubleEscapeStep(c, State::kScriptEscaped, State::kScriptDoubleEscaped);
  }
}

}  // namespace qvn
