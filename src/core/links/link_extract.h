#pragma once
// From one line of a page to the path that its link names: one double-quoted
// href (or, failing that, src) value per line, local links only.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

struct BrokenLink;

/// The raw value of the line's link: the line is trimmed of blanks and cut
/// at a comment marker, then the first ' href="' is taken or, when there is
/// none, the first ' src="' (letter case ignored); the value runs to the next
/// double quote. nullopt when the line holds no such link.
std::optional<std::string_view> FindLinkInLine(std::string_view line);

/// The link's text: its bytes as UTF-8 when the whole line is valid UTF-8,
/// otherwise read as Windows-1252 (then converted into scratch).
std::string_view LinkText(std::string_view line, std::string_view raw_link, std::string& scratch);

/// True when the link names another scheme or site ("mailto:", "://",
/// "javascript:", "news:" anywhere, letter case ignored).
bool HasSkippedScheme(std::string_view link);

/// True when a link (after the fragment and query cut) is not to be tested:
/// empty, root-relative, or holding one of the excluded words (folded).
bool IsSkippedLink(std::string_view link, const std::vector<std::string>& excluded_folded);

/// True when the link is an absolute http:// or https:// address (letter
/// case ignored, blanks before it allowed).
bool IsExternalAddress(std::string_view link);

/// For the check of links to other sites: when written is an http or https
/// address, appends it to out as a candidate (target: the address without
/// its fragment, with "&amp;" as "&" when amp_escaped; kind
/// kExternalStatus until its server answers) unless it holds an excluded
/// word, and returns true. False, adding nothing, for any other link.
bool CollectExternalLink(std::string_view written, long long line, long long column,
                         const std::vector<std::string>& excluded_folded, bool amp_escaped,
                         std::vector<BrokenLink>& out);

/// Replaces the fixed escapes in text and turns either slash into the separator.
void DecodeLink(std::string& text);

/// Makes `out` the link ready to resolve: scheme skip, cut at "#" and then at
/// "?", skip test, decoding. False when the link is not to be tested.
bool PrepareLink(std::string_view link, const std::vector<std::string>& excluded_folded,
                 std::string& out);

/// Applies the link's leading "../" steps to the chain of folders from the
/// top folder (first) to the page's folder (last) and makes `target` the
/// path to test; false when the steps climb above the top folder.
bool FormTarget(std::string_view decoded, const std::vector<std::string>& chain,
                std::string& target);

}  // namespace qvn
