#include "core/links/html/html_tokenizer.h"

#include <cstring>

#include "core/links/html/html_tokenizer_state.h"

namespace qvn {

using html::IsAlpha;
using html::IsSpace;

const HtmlTokenizer::Handler HtmlTokenizer::kHandlers[] = {
    &HtmlTokenizer::Data,
    &HtmlTokenizer::TagOpen,
    &HtmlTokenizer::EndTagOpen,
    &HtmlTokenizer::TagName,
    &HtmlTokenizer::BeforeAttrName,
    &HtmlTokenizer::AttrName,
    &HtmlTokenizer::AfterAttrName,
    &HtmlTokenizer::BeforeAttrValue,
    &HtmlTokenizer::AttrValueQuoted,
    &HtmlTokenizer::AttrValueQuoted,
    &HtmlTokenizer::AttrValueUnquoted,
    &HtmlTokenizer::AfterAttrValueQuoted,
    &HtmlTokenizer::SelfClosing,
    &HtmlTokenizer::CharRef,
    &HtmlTokenizer::MarkupDecl,
    &HtmlTokenizer::BogusComment,
    &HtmlTokenizer::CommentStart,
    &HtmlTokenizer::CommentStartDash,
    &HtmlTokenizer::Comment,
    &HtmlTokenizer::CommentEndDash,
    &HtmlTokenizer::CommentEnd,
    &HtmlTokenizer::CommentEndBang,
    &HtmlTokenizer::Cdata,
    &HtmlTokenizer::CdataBracket,
    &HtmlTokenizer::CdataEnd,
    &HtmlTokenizer::RawText,
    &HtmlTokenizer::RawLessThan,
    &HtmlTokenizer::RawEndTagOpen,
    &HtmlTokenizer::RawEndTagName,
    &HtmlTokenizer::Plaintext,
    &HtmlTokenizer::Script,
    &HtmlTokenizer::ScriptEscaped,
    &HtmlTokenizer::ScriptEscaped,
    // The script states that look at one character at a time.
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
    &HtmlTokenizer::ScriptChar,
};

HtmlTokenizer::HtmlTokenizer(HtmlTokenSink& sink) : sink_(sink), state_(State::kData) {
  static_assert(sizeof(kHandlers) / sizeof(kHandlers[0]) ==
                static_cast<std::size_t>(State::kScriptDoubleEscapeEnd) + 1);
}

void HtmlTokenizer::Reset() {
  counter_.Reset();
  state_ = State::kData;
  attribute_count_ = 0;
  attr_wanted_ = false;
  held_.clear();
  text_wanted_ = false;
  foreign_.clear();
  foreign_overflow_ = 0;
}

void HtmlTokenizer::Feed(std::string_view block) {
  const char* p = block.data();
  const char* end = p + block.size();
  counter_.StartBlock(p, end);
  while (p < end) {
    // Taken apart: GCC's bounds sanitizer misreads the index of the one-line form.
    const Handler handler = kHandlers[static_cast<std::size_t>(state_)];
    p = (this->*handler)(p, end);
  }
  counter_.FinishBlock();
}

void HtmlTokenizer::Finish() {
  // Held text ("<", "</", "</sty", "]") is text after all; an open tag is dropped.
  FlushHeld();
  if (text_wanted_) sink_.OnTextEnd();
  text_wanted_ = false;
  state_ = State::kData;
}

const char* HtmlTokenizer::Data(const char* p, const char* end) {
  const auto* lt = html::Find(p, end, '<');
  DeliverText(p, lt != nullptr ? lt : end);
  if (lt == nullptr) return end;
  Hold(lt);
  state_ = State::kTagOpen;
  // A few common steps go straight on (never far: each ends with its token).
  return lt + 1 < end ? TagOpen(lt + 1, end) : lt + 1;
}

const char* HtmlTokenizer::TagOpen(const char* p, const char* end) {
  if (*p == '!') {
    held_.clear();
    markup_.clear();
    state_ = State::kMarkupDecl;
    return p + 1;
  }
  if (*p == '/') {
    Hold(p);
    state_ = State::kEndTagOpen;
    return p + 1 < end ? EndTagOpen(p + 1, end) : p + 1;
  }
  if (IsAlpha(*p)) {
    StartTag(false);
    state_ = State::kTagName;
    return TagName(p, end);
  }
  if (*p == '?') {
    held_.clear();
    state_ = State::kBogusComment;
  } else {
    FlushHeld();  // "<" before anything else is text
    state_ = State::kData;
  }
  return p;
}

const char* HtmlTokenizer::EndTagOpen(const char* p, const char* end) {
  if (IsAlpha(*p)) {
    StartTag(true);
    state_ = State::kTagName;
    return TagName(p, end);
  }
  held_.clear();
  if (*p == '>') {  // "</>" is nothing at all
    state_ = State::kData;
    return p + 1;
  }
  state_ = State::kBogusComment;
  return p;
}

void HtmlTokenizer::StartTag(bool end_tag) {
  held_.clear();
  tag_name_.Clear();
  end_tag_ = end_tag;
  self_closing_ = false;
  tag_foreign_ = false;
  attribute_count_ = 0;
  attr_wanted_ = false;
}

void HtmlName::Append(const char* begin, const char* end) {
  for (; begin < end && !overlong_; ++begin) {
    const std::size_t room = kMaxHtmlName - size_;
    if (*begin != '\0' && room > 0) {
      data_[size_++] = AsciiLower(*begin);
    } else if (*begin == '\0' && room >= 3) {
      std::memcpy(data_ + size_, "\xEF\xBF\xBD", 3);
      size_ += 3;
    } else {
      overlong_ = true;
    }
  }
}

const char* HtmlTokenizer::TagName(const char* p, const char* end) {
  const char* run = p;
  for (; p < end; ++p) {
    const char c = *p;
    if (!html::Is(c, html::kEndsTagName)) continue;
    tag_name_.Append(run, p);
    const std::string_view name = tag_name_.view();
    tag_foreign_ = !end_tag_ && (InForeignContent() || name == "svg" || name == "math") &&
                   IsForeignTag();
    if (c == '>') {
      EmitTag();
      return p + 1;
    }
    if (c == '/') {
      state_ = State::kSelfClosing;
      return p + 1;
    }
    state_ = State::kBeforeAttrName;
    // Straight on to the attributes; BeforeAttrName returns to Feed's loop, so calls stay shallow.
    return p + 1 < end ? BeforeAttrName(p + 1, end) : p + 1;
  }
  tag_name_.Append(run, end);
  return end;
}

void HtmlTokenizer::StartAttribute() {
  attr_name_.Clear();
  attr_wanted_ = false;
  state_ = State::kAttrName;
}

const char* HtmlTokenizer::BeforeAttrName(const char* p, const char* end) {
  while (p < end && IsSpace(*p)) ++p;
  if (p == end) return end;
  if (*p == '/' || *p == '>') {
    state_ = State::kAfterAttrName;
    return p;
  }
  StartAttribute();
  if (*p != '=') return p;
  attr_name_.Append(p, p + 1);  // a name may start with "="
  return p + 1;
}

const char* HtmlTokenizer::AttrName(const char* p, const char* end) {
  const char* run = p;
  for (; p < end; ++p) {
    const char c = *p;
    if (!html::Is(c, html::kEndsAttrName)) continue;
    attr_name_.Append(run, p);
    AttributeNameDone(p);
    if (c == '=') {
      state_ = State::kBeforeAttrValue;
      return p + 1 < end ? BeforeAttrValue(p + 1, end) : p + 1;
    }
    state_ = State::kAfterAttrName;
    return p;
  }
  attr_name_.Append(run, end);
  return end;
}

void HtmlTokenizer::AttributeNameDone(const char* p) {
  if (end_tag_ || attr_name_.overlong() || tag_name_.overlong()) return;
  const unsigned char kind = sink_.AttributeKind(tag_name_.view(), attr_name_.view(), tag_foreign_);
  if (kind == 0) return;
  // A repeated attribute is dropped (only wanted ones are kept to compare with).
  for (std::size_t i = 0; i < attribute_count_; ++i) {
    if (attributes_[i].name == attr_name_.view()) return;
  }
  if (attribute_count_ == attributes_.size()) attributes_.emplace_back();
  HtmlAttribute& attribute = attributes_[attribute_count_++];
  attribute.name = attr_name_.view();
  attribute.value.clear();
  attribute.anchors.assign(1, {0, 0, counter_.At(p)});
  attribute.has_value = false;
  attribute.truncated = false;
  attribute.printable = true;
  attribute.kind = kind;
  attr_wanted_ = true;
}

const char* HtmlTokenizer::AfterAttrName(const char* p, const char* end) {
  while (p < end && IsSpace(*p)) ++p;
  if (p == end) return end;
  switch (*p) {
    case '/':
      state_ = State::kSelfClosing;
      return p + 1;
    case '=':
      state_ = State::kBeforeAttrValue;
      return p + 1;
    case '>':
      EmitTag();
      return p + 1;
    default:
      StartAttribute();
      return p;
  }
}

const char* HtmlTokenizer::BeforeAttrValue(const char* p, const char* end) {
  while (p < end && IsSpace(*p)) ++p;
  if (p == end) return end;
  switch (*p) {
    case '"':
    case '\'':
      state_ = *p == '"' ? State::kAttrValueDouble : State::kAttrValueSingle;
      StartValue(p + 1);
      return AttrValueQuoted(p + 1, end);
    case '>':  // "name=>": the value is left out
      EmitTag();
      return p + 1;
    default:
      state_ = State::kAttrValueUnquoted;
      StartValue(p);
      return p;
  }
}

void HtmlTokenizer::StartValue(const char* p) {
  if (attr_wanted_) value_.Start(attributes_[attribute_count_ - 1], counter_.At(p));
}

void HtmlTokenizer::EndValue() {
  if (attr_wanted_) value_.Finish();
  attr_wanted_ = false;
}

const char* HtmlTokenizer::AttrValueQuoted(const char* p, const char* end) {
  const bool double_quoted = state_ == State::kAttrValueDouble;
  const char quote = double_quoted ? '"' : '\'';
  if (!attr_wanted_) {  // references cannot hide a quote: skip straight to it
    const char* q = html::Find(p, end, quote);
    if (q == nullptr) return end;
    state_ = State::kAfterAttrValueQuoted;
    return q + 1;
  }
  const char* stop = double_quoted ? html::FindFirstOf<'"', '&', '\r', '\0'>(p, end)
                                   : html::FindFirstOf<'\'', '&', '\r', '\0'>(p, end);
  value_.AppendRaw(p, stop);
  if (stop == end) return end;
  if (*stop != quote) return ValueSpecial(stop);
  EndValue();
  state_ = State::kAfterAttrValueQuoted;
  return stop + 1 < end ? AfterAttrValueQuoted(stop + 1, end) : stop + 1;
}

const char* HtmlTokenizer::AttrValueUnquoted(const char* p, const char* end) {
  const char* run = p;
  for (; p < end; ++p) {
    const char c = *p;
    if (!html::Is(c, html::kEndsUnquoted)) continue;
    if (!attr_wanted_ && (c == '&' || c == '\0')) continue;
    if (attr_wanted_) value_.AppendRaw(run, p);
    if (c == '&' || c == '\0') return ValueSpecial(p);
    EndValue();
    if (c == '>') {
      EmitTag();
    } else {
      state_ = State::kBeforeAttrName;
    }
    return p + 1;
  }
  if (attr_wanted_) value_.AppendRaw(run, end);
  return end;
}

// "&", CR or NUL inside a value being collected.
const char* HtmlTokenizer::ValueSpecial(const char* p) {
  if (*p == '&') {
    ref_.Begin();
    return_state_ = state_;
    state_ = State::kCharRef;
  } else if (*p == '\r') {
    value_.AppendCr();
  } else {
    value_.AppendDecoded("\xEF\xBF\xBD", counter_.At(p + 1));
  }
  return p + 1;
}

const char* HtmlTokenizer::CharRef(const char* p, const char* end) {
  while (p < end && !ref_.done()) {
    if (ref_.Offer(*p)) ++p;
  }
  if (!ref_.done()) return end;
  if (ref_.decoded().empty()) {
    static constexpr char kAmpersand = '&';
    value_.AppendRaw(&kAmpersand, &kAmpersand + 1);
    value_.AppendRaw(ref_.taken().data(), ref_.taken().data() + ref_.taken().size());
  } else {
    // What follows the reference stands right after it on the same line:
    // only letters, digits and ";" are ever taken.
    TextPosition after = counter_.At(p);
    const std::string_view rest = ref_.rest();
    after.column -= static_cast<long long>(rest.size());
    value_.AppendDecoded(ref_.decoded(), after);
    value_.AppendRaw(rest.data(), rest.data() + rest.size());
  }
  state_ = return_state_;
  return p;
}

const char* HtmlTokenizer::AfterAttrValueQuoted(const char* p, const char*) {
  if (*p == '/') {
    state_ = State::kSelfClosing;
    return p + 1;
  }
  if (*p == '>') {
    EmitTag();
    return p + 1;
  }
  state_ = State::kBeforeAttrName;
  return IsSpace(*p) ? p + 1 : p;
}

const char* HtmlTokenizer::SelfClosing(const char* p, const char*) {
  if (*p == '>') {
    self_closing_ = true;
    EmitTag();
    return p + 1;
  }
  state_ = State::kBeforeAttrName;
  return p;
}

void HtmlTokenizer::EmitTag() {
  state_ = State::kData;
  if (text_wanted_) sink_.OnTextEnd();
  text_wanted_ = false;
  held_.clear();
  if (tag_foreign_ || InForeignContent()) TrackForeign();
  if (end_tag_) return;
  const HtmlTag tag{tag_name_.overlong() ? std::string_view() : tag_name_.view(),
                    tag_foreign_, self_closing_,
                    std::span<const HtmlAttribute>(attributes_.data(), attribute_count_)};
  text_wanted_ = sink_.OnStartTag(tag);
  if (!tag_foreign_ && !tag_name_.overlong() && html::MayHoldText(tag.name)) EnterTextMode();
}

}  // namespace qvn
