#pragma once
// An HTML tokenizer after the HTML standard's tokenization: tags, attribute
// names and values (double-quoted, single-quoted, unquoted), comments,
// DOCTYPEs, the text of raw-text elements and, inside SVG and MathML, CDATA
// sections. It takes a page in blocks of any size; its memory does not grow
// with the page (names and values are capped, see kMaxHtmlValue).
//
// The few tree-building decisions tokenizing depends on are made here too:
// title and textarea hold RCDATA; style, xmp, iframe, noembed and noframes
// RAWTEXT; script its own script text; plaintext the rest of the page. With
// scripting off (a link checker runs none), noscript holds markup. Foreign
// content (inside svg or math) is followed with a stack of its open elements;
// the HTML standard's breakout tags end it. Not told apart: HTML integration
// points (foreignObject, desc, title, mi, mtext, ...), whose content is read
// as foreign content too, and font with color, face or size as a breakout tag.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/links/html/html_charref.h"
#include "core/links/html/html_position.h"
#include "core/links/html/html_value.h"

namespace qvn {

/// Longest tag or attribute name kept; a longer one matches nothing.
inline constexpr std::size_t kMaxHtmlName = 64;

/// A tag or attribute name as read: lower case, NUL as U+FFFD, held in place.
class HtmlName {
 public:
  void Clear() {
    size_ = 0;
    overlong_ = false;
  }
  void Append(const char* begin, const char* end);
  void Assign(std::string_view name) {
    Clear();
    Append(name.data(), name.data() + name.size());
  }
  std::string_view view() const { return {data_, size_}; }
  bool empty() const { return size_ == 0; }
  /// Longer than kMaxHtmlName: only the start is kept.
  bool overlong() const { return overlong_; }

 private:
  char data_[kMaxHtmlName];
  std::size_t size_ = 0;
  bool overlong_ = false;
};

/// A start tag as the tokenizer hands it on.
struct HtmlTag {
  std::string_view name;  ///< lower case
  bool foreign = false;   ///< an SVG or MathML element
  bool self_closing = false;
  std::span<const HtmlAttribute> attributes;  ///< those asked for, in page order
};

/// Receives what the tokenizer finds.
class HtmlTokenSink {
 public:
  virtual ~HtmlTokenSink() = default;
  /// Whether to collect the value of a start tag's attribute: 0 for no; any
  /// other kind is kept in the attribute (HtmlAttribute::kind). Only the first
  /// attribute of a name counts (the HTML standard drops repeated ones).
  virtual unsigned char AttributeKind(std::string_view tag, std::string_view attribute,
                                      bool foreign) = 0;
  /// A complete start tag. True asks for the element's text through OnText,
  /// up to the next tag: the whole content of a raw-text element.
  virtual bool OnStartTag(const HtmlTag& tag) = 0;
  /// A piece of the text asked for, valid during the call, as the page has
  /// it: outside raw-text elements (an SVG style element) references stay undecoded.
  virtual void OnText(std::string_view text) = 0;
  /// The text asked for has ended (at a tag, or at the end of the page).
  virtual void OnTextEnd() = 0;
};

class HtmlTokenizer {
 public:
  explicit HtmlTokenizer(HtmlTokenSink& sink);

  /// Tokenizes the next block of the page.
  void Feed(std::string_view block);
  /// Ends the page. A tag still open at the end is dropped, as the HTML
  /// standard drops it.
  void Finish();
  /// Ready for a new page.
  void Reset();
  /// Position of a character of the text OnText is being given.
  TextPosition PositionOf(const char* p);

 private:
  enum class State : unsigned char;
  using Handler = const char* (HtmlTokenizer::*)(const char*, const char*);
  static const Handler kHandlers[];

  // Tags and attributes (html_tokenizer.cpp).
  const char* Data(const char* p, const char* end);
  const char* TagOpen(const char* p, const char* end);
  const char* EndTagOpen(const char* p, const char* end);
  const char* TagName(const char* p, const char* end);
  const char* BeforeAttrName(const char* p, const char* end);
  const char* AttrName(const char* p, const char* end);
  const char* AfterAttrName(const char* p, const char* end);
  const char* BeforeAttrValue(const char* p, const char* end);
  const char* AttrValueQuoted(const char* p, const char* end);
  const char* AttrValueUnquoted(const char* p, const char* end);
  const char* AfterAttrValueQuoted(const char* p, const char* end);
  const char* SelfClosing(const char* p, const char* end);
  const char* CharRef(const char* p, const char* end);
  const char* ValueSpecial(const char* p);
  void StartTag(bool end_tag);
  void StartAttribute();
  void AttributeNameDone(const char* p);
  void StartValue(const char* p);
  void EndValue();
  void EmitTag();

  // Markup declarations, comments, CDATA (html_tokenizer_markup.cpp).
  const char* MarkupDecl(const char* p, const char* end);
  const char* BogusComment(const char* p, const char* end);
  const char* CommentStart(const char* p, const char* end);
  const char* CommentStartDash(const char* p, const char* end);
  const char* Comment(const char* p, const char* end);
  const char* CommentEndDash(const char* p, const char* end);
  const char* CommentEnd(const char* p, const char* end);
  const char* CommentEndBang(const char* p, const char* end);
  const char* Cdata(const char* p, const char* end);
  const char* CdataBracket(const char* p, const char* end);
  const char* CdataEnd(const char* p, const char* end);

  // Text of raw-text and script elements; foreign content (html_tokenizer_text.cpp).
  const char* RawText(const char* p, const char* end);
  const char* RawLessThan(const char* p, const char* end);
  const char* RawEndTagOpen(const char* p, const char* end);
  const char* RawEndTagName(const char* p, const char* end);
  const char* Plaintext(const char* p, const char* end);
  const char* Script(const char* p, const char* end);
  const char* ScriptEscaped(const char* p, const char* end);
  const char* ScriptChar(const char* p, const char* end);
  bool ScriptCharStep(char c);
  bool DoubleEscapedStep(char c);
  State AfterDash(char c, State dash_dash, State less_than, State text) const;
  bool DoubleEscapeStep(char c, State match, State other);
  void Hold(const char* p) {
    if (!text_wanted_) return;
    if (held_.empty()) held_position_ = counter_.At(p);
    held_.push_back(*p);
  }
  void FlushHeld();
  void DeliverText(const char* begin, const char* end) {
    if (text_wanted_ && begin != end) sink_.OnText(std::string_view(begin, end - begin));
  }
  void EnterTextMode();
  void TrackForeign();
  bool IsForeignTag() const;
  bool InForeignContent() const { return !foreign_.empty() || foreign_overflow_ > 0; }

  HtmlTokenSink& sink_;
  PositionCounter counter_;
  State state_;
  State return_state_;  // where a character reference or a failed end tag goes back to

  // The tag being read.
  HtmlName tag_name_;
  bool end_tag_ = false;
  bool self_closing_ = false;
  bool tag_foreign_ = false;
  HtmlName attr_name_;
  bool attr_wanted_ = false;
  TextPosition attr_name_end_;
  std::vector<HtmlAttribute> attributes_;  // slots reused from tag to tag
  std::size_t attribute_count_ = 0;
  ValueCollector value_;
  CharRefReader ref_;
  std::string markup_;  // "<!" followed by the start of "--", "doctype" or "[CDATA["

  // Raw text, script text and foreign content.
  std::string text_element_;  // the element whose end tag ends the text
  std::size_t end_match_ = 0;  // letters of its name matched after "</"
  std::size_t script_match_ = 0;  // letters of "script" matched (double escape)
  bool script_mismatch_ = false;
  std::string held_;  // text that may yet turn out to be an end tag, or "]" of CDATA
  TextPosition held_position_;
  bool text_wanted_ = false;
  std::vector<std::string> foreign_;  // open SVG or MathML elements
  std::size_t foreign_overflow_ = 0;  // deeper than kMaxForeignDepth
  static constexpr std::size_t kMaxForeignDepth = 256;
};

}  // namespace qvn
