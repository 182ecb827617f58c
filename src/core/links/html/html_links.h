#pragma once
// Which attributes of which elements hold URLs, and how the URLs come out of
// them: whole values, srcset candidates, a meta refresh's target, CSS url()
// values of style attributes and style elements; and the anchors (ids, names
// of a elements) that fragments can point to.

#include <functional>
#include <string>
#include <string_view>

#include "core/links/html/css_urls.h"
#include "core/links/html/html_position.h"
#include "core/links/html/html_tokenizer.h"

namespace qvn {

/// One URL a page names.
struct HtmlLink {
  /// As written, with character references (and in CSS, escapes) decoded,
  /// before percent-decoding; UTF-8. Trimmed of spaces and control
  /// characters at both ends, with tabs and line breaks inside dropped, as a
  /// browser reads a URL.
  std::string_view url;
  std::string_view tag;        ///< the element, lower case ("img")
  std::string_view attribute;  ///< lower case ("srcset"); "" for url() in a style element
  TextPosition position;       ///< of the URL's first character
  /// A base element's href: later relative links resolve against it. The
  /// HTML standard uses the first base with an href only.
  bool is_base = false;
  /// The value was longer than kMaxHtmlValue and this URL reached its cut end.
  bool truncated = false;
};

/// An anchor a fragment can name: an element's id, or an a element's name.
struct HtmlAnchor {
  std::string_view name;       ///< as written (references decoded), UTF-8; never empty
  std::string_view attribute;  ///< "id" or "name"
  TextPosition position;
};

using HtmlLinkHandler = std::function<void(const HtmlLink&)>;
using HtmlAnchorHandler = std::function<void(const HtmlAnchor&)>;

/// What an attribute is to the link finder (kNone is 0: not collected).
enum class HtmlRole : unsigned char {
  kNone,
  kUrl,
  kBase,
  kSrcset,
  kRefresh,
  kHttpEquiv,
  kStyle,
  kId,
  kName
};

/// The role of attribute on tag (both lower case); foreign for SVG and
/// MathML elements. Anchors (id, name) count only when anchors is true.
HtmlRole RoleOf(std::string_view tag, std::string_view attribute, bool foreign, bool anchors);

/// Turns what the tokenizer finds into links and anchors.
class HtmlLinkFinder : public HtmlTokenSink, private CssUrlScanner::Sink {
 public:
  /// on_anchor may be empty: ids and names are then not even collected.
  HtmlLinkFinder(HtmlLinkHandler on_link, HtmlAnchorHandler on_anchor);
  /// The tokenizer feeding this finder (for positions in text).
  void SetTokenizer(HtmlTokenizer& tokenizer) { tokenizer_ = &tokenizer; }
  void Reset();

  unsigned char AttributeKind(std::string_view tag, std::string_view attribute,
                              bool foreign) override;
  bool OnStartTag(const HtmlTag& tag) override;
  void OnText(std::string_view text) override;
  void OnTextEnd() override;

 private:
  void OnUrlStart(const char* p) override;
  void OnUrl(std::string_view url, bool truncated) override;
  void Attribute(const HtmlTag& tag, const HtmlAttribute& attribute);
  void Report(const HtmlTag& tag, const HtmlAttribute& attribute, std::size_t begin,
              std::size_t end, bool is_base = false, ValuePlace* place = nullptr);
  void Srcset(const HtmlTag& tag, const HtmlAttribute& attribute);
  void Refresh(const HtmlTag& tag, const HtmlAttribute& attribute);
  void Style(const HtmlTag& tag, const HtmlAttribute& attribute);
  std::string_view Clean(std::string_view url);

  HtmlLinkHandler on_link_;
  HtmlAnchorHandler on_anchor_;
  HtmlTokenizer* tokenizer_ = nullptr;
  CssUrlScanner css_;
  // Where CSS urls come from: a style attribute, or else a style element.
  const HtmlAttribute* css_attribute_ = nullptr;
  bool css_at_cut_ = false;  // urls given now run to the cut end of a style attribute
  ValuePlace css_place_;     // urls come in order: their positions take one walk
  std::string_view css_tag_;
  TextPosition css_start_;
  std::string scratch_;
};

}  // namespace qvn
