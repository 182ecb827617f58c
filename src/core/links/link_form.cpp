#include "core/links/link_form.h"

#include <algorithm>

#include "core/text/casefold.h"
#include "core/platform/platform.h"
#include "core/links/link_extract.h"
#include "core/links/percent_decode.h"

namespace qvn {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsSlash(char c, const LinkFormRules& rules) {
  return c == '/' || (rules.every_link && c == '\\');
}

bool HoldsExcludedWord(std::string_view link, const LinkFormRules& rules) {
  if (rules.excluded_folded == nullptr || rules.excluded_folded->empty()) return false;
  const std::string folded = LowerCaseLatin(link);
  return std::any_of(rules.excluded_folded->begin(), rules.excluded_folded->end(),
                     [&](const std::string& item) { return folded.find(item) != std::string::npos; });
}

}  // namespace

void DecodeLinkPath(std::string_view link, const LinkFormRules& rules, std::string& out) {
  if (!rules.every_link) {
    out.assign(link);
    DecodeLink(out);
    return;
  }
  out = PercentDecode(link);
  std::replace(out.begin(), out.end(), '/', kSeparator);
  std::replace(out.begin(), out.end(), '\\', kSeparator);
}

bool HasUrlScheme(std::string_view link) {
  if (link.empty() || !IsLetter(link[0])) return false;
  for (std::size_t i = 1; i < link.size(); ++i) {
    const char c = link[i];
    if (c == ':') return true;
    if (!IsLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return false;
}

bool StartsWithSlash(std::string_view link, const LinkFormRules& rules) {
  return !link.empty() && IsSlash(link[0], rules);
}

bool IsProtocolRelative(std::string_view link, const LinkFormRules& rules) {
  return link.size() >= 2 && IsSlash(link[0], rules) && IsSlash(link[1], rules);
}

void FormLink(std::string_view written, const LinkFormRules& rules, FormedLink& out) {
  out.form = LinkForm::kSkipped;
  out.fragment = {};
  out.has_fragment = false;
  if (rules.every_link ? HasUrlScheme(written) : HasSkippedScheme(written)) return;
  std::string_view link = written;
  if (const std::size_t hash = link.find('#'); hash != std::string_view::npos) {
    out.fragment = link.substr(hash + 1);
    out.has_fragment = true;
    link = link.substr(0, hash);
  }
  link = link.substr(0, link.find('?'));
  if (HoldsExcludedWord(link, rules)) return;
  if (link.empty()) {
    if (out.has_fragment) out.form = LinkForm::kSamePage;
    return;
  }
  if (IsSlash(link[0], rules)) {
    if (IsProtocolRelative(link, rules) || !rules.site_root) return;
    link.remove_prefix(1);
    out.form = LinkForm::kRootRelative;
  } else {
    out.form = LinkForm::kRelative;
  }
  DecodeLinkPath(link, rules, out.path);
}

}  // namespace qvn
