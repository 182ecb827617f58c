#pragma once
// What a link is before it is resolved, for the more checks: skipped,
// relative, root-relative or a fragment of its own page; its path decoded
// and its fragment kept.

#include <string>
#include <string_view>
#include <vector>

namespace qvn {

enum class LinkForm {
  kSkipped,       ///< another scheme or site, excluded, empty, or root-relative without a site root
  kRelative,      ///< resolved against the page's folder (or its base)
  kRootRelative,  ///< "/img/a.gif": resolved against the site root
  kSamePage,      ///< "#intro": only a fragment
};

struct FormedLink {
  LinkForm form = LinkForm::kSkipped;
  /// Cut at "#" and "?", decoded, either slash made the separator; a
  /// root-relative link without its leading slash.
  std::string path;
  std::string_view fragment;  ///< after the first "#", as written (a view into the link)
  bool has_fragment = false;
};

/// How links are read.
struct LinkFormRules {
  /// Links found by the HTML scan: any "scheme:" is another scheme, "\"
  /// counts as "/" at the start, and every "%XX" is decoded. Otherwise the
  /// line scan's rules: the skipped schemes of HasSkippedScheme and its fixed
  /// escapes.
  bool every_link = false;
  bool site_root = false;  ///< root-relative links are kept, not skipped
  const std::vector<std::string>* excluded_folded = nullptr;  ///< link-exclusion words, folded
};

/// True when link starts with a URL scheme: a letter, then letters, digits,
/// "+", "-" or ".", then ":" (before any "/", "?" or "#").
bool HasUrlScheme(std::string_view link);

/// True when link starts with a slash (rules.every_link: "\" too).
bool StartsWithSlash(std::string_view link, const LinkFormRules& rules);

/// True when a link (cut at "#" and "?") starts with two slashes: another
/// site, whatever the scheme. rules.every_link counts "\" as "/".
bool IsProtocolRelative(std::string_view link, const LinkFormRules& rules);

/// Decodes a link already cut at "#" and "?" as rules say, either slash
/// made the separator.
void DecodeLinkPath(std::string_view link, const LinkFormRules& rules, std::string& out);

/// Sorts written into out (fragment views point into written).
void FormLink(std::string_view written, const LinkFormRules& rules, FormedLink& out);

}  // namespace qvn
