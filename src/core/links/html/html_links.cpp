#include "core/links/html/html_links.h"

#include <algorithm>
#include <array>

namespace qvn {
namespace {

constexpr std::array<std::string_view, 9> kSrcElements = {
    "img", "script", "iframe", "embed", "source", "audio", "video", "track", "input"};

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// ASCII whitespace as srcset and refresh values know it.
bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f'; }

std::size_t SkipSpaces(std::string_view v, std::size_t i) {
  while (i < v.size() && IsSpace(v[i])) ++i;
  return i;
}

// Past a srcset candidate's descriptors, up to and past the "," that ends
// them (commas inside parentheses do not).
std::size_t SkipDescriptors(std::string_view v, std::size_t i) {
  bool in_parens = false;
  for (; i < v.size(); ++i) {
    if (in_parens) {
      in_parens = v[i] != ')';
    } else if (v[i] == ',') {
      return i + 1;
    } else if (v[i] == '(') {
      in_parens = true;
    }
  }
  return i;
}

bool IsAsciiLetter(char c, char lower) { return AsciiLower(c) == lower; }

}  // namespace

HtmlRole RoleOf(std::string_view tag, std::string_view attribute, bool foreign, bool anchors) {
  // Each attribute of interest starts with one of these letters: most stop here.
  switch (attribute.empty() ? '\0' : attribute[0]) {
    case 'c': case 'd': case 'h': case 'i': case 'n': case 'p': case 's': case 'x':
      break;
    default:
      return HtmlRole::kNone;
  }
  if (attribute == "style") return HtmlRole::kStyle;
  if (attribute == "xlink:href") return HtmlRole::kUrl;
  if (attribute == "id") return anchors ? HtmlRole::kId : HtmlRole::kNone;
  if (foreign) return attribute == "href" ? HtmlRole::kUrl : HtmlRole::kNone;
  if (attribute == "href") {
    if (OneOf(tag, {"a", "area", "link"})) return HtmlRole::kUrl;
    return tag == "base" ? HtmlRole::kBase : HtmlRole::kNone;
  }
  if (attribute == "src") {
    const bool src = std::find(kSrcElements.begin(), kSrcElements.end(), tag) != kSrcElements.end();
    return src ? HtmlRole::kUrl : HtmlRole::kNone;
  }
  if ((attribute == "srcset" && OneOf(tag, {"img", "source"})) ||
      (attribute == "imagesrcset" && tag == "link"))
    return HtmlRole::kSrcset;
  if ((attribute == "poster" && tag == "video") || (attribute == "data" && tag == "object"))
    return HtmlRole::kUrl;
  if (tag == "meta" && attribute == "content") return HtmlRole::kRefresh;
  if (tag == "meta" && attribute == "http-equiv") return HtmlRole::kHttpEquiv;
  if (anchors && tag == "a" && attribute == "name") return HtmlRole::kName;
  return HtmlRole::kNone;
}

HtmlLinkFinder::HtmlLinkFinder(HtmlLinkHandler on_link, HtmlAnchorHandler on_anchor)
    : on_link_(std::move(on_link)), on_anchor_(std::move(on_anchor)), css_(*this) {}

void HtmlLinkFinder::Reset() {
  css_.Reset();
  css_attribute_ = nullptr;
}

unsigned char HtmlLinkFinder::AttributeKind(std::string_view tag, std::string_view attribute,
                                            bool foreign) {
  return static_cast<unsigned char>(RoleOf(tag, attribute, foreign, static_cast<bool>(on_anchor_)));
}

bool HtmlLinkFinder::OnStartTag(const HtmlTag& tag) {
  for (const HtmlAttribute& attribute : tag.attributes) Attribute(tag, attribute);
  // A style element's text is its style sheet (in SVG, up to the next tag).
  if (tag.name != "style" || (tag.foreign && tag.self_closing)) return false;
  css_.Reset();
  css_tag_ = "style";
  return true;
}

void HtmlLinkFinder::Attribute(const HtmlTag& tag, const HtmlAttribute& attribute) {
  switch (static_cast<HtmlRole>(attribute.kind)) {
    case HtmlRole::kUrl:
      return Report(tag, attribute, 0, attribute.value.size());
    case HtmlRole::kBase:
      return Report(tag, attribute, 0, attribute.value.size(), true);
    case HtmlRole::kSrcset:
      return Srcset(tag, attribute);
    case HtmlRole::kRefresh:
      return Refresh(tag, attribute);
    case HtmlRole::kStyle:
      return Style(tag, attribute);
    case HtmlRole::kId:
    case HtmlRole::kName:
      if (!attribute.value.empty())
        on_anchor_({attribute.value, attribute.name, attribute.anchors.front().position});
      return;
    default:
      return;
  }
}

std::string_view HtmlLinkFinder::Clean(std::string_view url) {
  // Without an early exit the test runs many bytes at a time.
  bool breaks = false;
  for (char c : url) breaks |= c == '\t' || c == '\n';
  if (!breaks) return url;
  scratch_.clear();
  for (char c : url) {
    if (c != '\t' && c != '\n') scratch_.push_back(c);
  }
  return scratch_;
}

void HtmlLinkFinder::Report(const HtmlTag& tag, const HtmlAttribute& attribute, std::size_t begin,
                            std::size_t end, bool is_base, ValuePlace* place) {
  const std::string_view v = attribute.value;
  const bool reaches_cut = attribute.truncated && end == v.size();
  std::string_view url = v.substr(begin, end - begin);
  if (!attribute.printable) {
    // A browser's URL parser drops spaces and controls at either end.
    while (begin < end && static_cast<unsigned char>(v[begin]) <= 0x20) ++begin;
    while (end > begin && static_cast<unsigned char>(v[end - 1]) <= 0x20) --end;
    url = Clean(v.substr(begin, end - begin));
  }
  const TextPosition position = attribute.PositionAt(begin, place);
  on_link_({url, tag.name, attribute.name, position, is_base, reaches_cut});
}

// The HTML standard's srcset parsing; descriptors are skipped, not checked.
void HtmlLinkFinder::Srcset(const HtmlTag& tag, const HtmlAttribute& attribute) {
  const std::string_view v = attribute.value;
  std::size_t i = 0;
  ValuePlace place;  // candidates come in order: their positions take one walk
  while (true) {
    while (i < v.size() && (IsSpace(v[i]) || v[i] == ',')) ++i;
    if (i == v.size()) return;
    const std::size_t start = i;
    while (i < v.size() && !IsSpace(v[i])) ++i;
    std::size_t end = i;
    if (v[end - 1] == ',') {
      while (v[end - 1] == ',') --end;  // "a.jpg," has no descriptors
    } else {
      i = SkipDescriptors(v, i);
    }
    Report(tag, attribute, start, end, false, &place);
  }
}

// The HTML standard's refresh parsing: "5; url='page.htm'", "0;page.htm", ...
void HtmlLinkFinder::Refresh(const HtmlTag& tag, const HtmlAttribute& attribute) {
  const auto refresh = std::find_if(tag.attributes.begin(), tag.attributes.end(),
                                    [](const HtmlAttribute& a) {
                                      return a.name == "http-equiv" &&
                                             EqualsAsciiNoCase(a.value, "refresh");
                                    });
  if (refresh == tag.attributes.end()) return;
  const std::string_view v = attribute.value;
  std::size_t i = SkipSpaces(v, 0);
  const std::size_t digits = i;
  while (i < v.size() && v[i] >= '0' && v[i] <= '9') ++i;
  if (i == digits && (i == v.size() || v[i] != '.')) return;  // no time
  while (i < v.size() && ((v[i] >= '0' && v[i] <= '9') || v[i] == '.')) ++i;
  if (i == v.size()) return;  // a refresh of the page itself
  if (v[i] != ';' && v[i] != ',' && !IsSpace(v[i])) return;
  i = SkipSpaces(v, i);
  if (i < v.size() && (v[i] == ';' || v[i] == ',')) ++i;
  i = SkipSpaces(v, i);
  if (i == v.size()) return;
  std::size_t url = i;
  // "url=" may come first (any letter case, spaces around "=").
  if (IsAsciiLetter(v[i], 'u') && i + 2 < v.size() && IsAsciiLetter(v[i + 1], 'r') &&
      IsAsciiLetter(v[i + 2], 'l')) {
    const std::size_t equals = SkipSpaces(v, i + 3);
    if (equals < v.size() && v[equals] == '=') url = SkipSpaces(v, equals + 1);
  }
  std::size_t end = v.size();
  if (url < v.size() && (v[url] == '"' || v[url] == '\'')) {
    end = std::min(end, v.find(v[url], url + 1));
    ++url;
  }
  Report(tag, attribute, url, end);
}

void HtmlLinkFinder::Style(const HtmlTag& tag, const HtmlAttribute& attribute) {
  css_attribute_ = &attribute;
  css_place_ = {};
  css_tag_ = tag.name;
  css_.Reset();
  css_.Feed(attribute.value);
  // A url still open at the end of a cut value reaches the cut.
  css_at_cut_ = attribute.truncated;
  css_.Finish();
  css_at_cut_ = false;
  css_attribute_ = nullptr;
}

void HtmlLinkFinder::OnText(std::string_view text) { css_.Feed(text); }

void HtmlLinkFinder::OnTextEnd() { css_.Finish(); }

void HtmlLinkFinder::OnUrlStart(const char* p) {
  if (css_attribute_ != nullptr) {
    const auto offset = static_cast<std::size_t>(p - css_attribute_->value.data());
    css_start_ = css_attribute_->PositionAt(offset, &css_place_);
  } else if (tokenizer_ != nullptr) {
    css_start_ = tokenizer_->PositionOf(p);
  }
}

void HtmlLinkFinder::OnUrl(std::string_view url, bool truncated) {
  TextPosition position = css_start_;
  // A quoted url may hold spaces a browser drops; they stand on the url's first line.
  while (!url.empty() && static_cast<unsigned char>(url.front()) <= 0x20) {
    url.remove_prefix(1);
    ++position.column;
  }
  while (!url.empty() && static_cast<unsigned char>(url.back()) <= 0x20) url.remove_suffix(1);
  const std::string_view attribute = css_attribute_ != nullptr ? "style" : "";
  on_link_({Clean(url), css_tag_, attribute, position, false, truncated || css_at_cut_});
}

}  // namespace qvn
