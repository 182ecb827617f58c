#include "core/links/link_extract.h"

#include <algorithm>
#include <array>

#include "core/text/casefold.h"
#include "core/platform/platform.h"
#include "core/results/broken_links.h"
#include "core/text/text.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// No character outside ASCII lower-cases to a letter of "href" or "src", so
// comparing ASCII letters without case matches the folded line exactly.
bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower) {
  return std::equal(text.begin(), text.end(), lower.begin(), lower.end(),
                    [](char a, char b) { return AsciiLower(a) == b; });
}

// Position of the first ' href="' marker, else of the first ' src="', with the
// length of the marker found.
std::pair<std::size_t, std::size_t> FindMarker(std::string_view t) {
  constexpr std::string_view kHref = " href", kSrc = " src";
  std::size_t first_src = std::string_view::npos;
  for (std::size_t p = t.find("=\""); p != std::string_view::npos; p = t.find("=\"", p + 1)) {
    if (p >= kHref.size() && EqualsIgnoringAsciiCase(t.substr(p - kHref.size(), kHref.size()), kHref))
      return {p - kHref.size(), kHref.size() + 2};
    if (first_src == std::string_view::npos && p >= kSrc.size() &&
        EqualsIgnoringAsciiCase(t.substr(p - kSrc.size(), kSrc.size()), kSrc))
      first_src = p - kSrc.size();
  }
  return {first_src, kSrc.size() + 2};
}

}  // namespace

std::optional<std::string_view> FindLinkInLine(std::string_view line) {
  std::string_view t = TrimBlanks(line);
  if (t.empty()) return std::nullopt;
  // The comment cut looks at this line alone; no state passes between lines.
  if (const std::size_t open = t.find("<!--"); open != std::string_view::npos) {
    t = t.substr(0, open);
  } else if (const std::size_t close = t.find("-->"); close != std::string_view::npos) {
    t = t.substr(close + 3);
  }
  const auto [marker, length] = FindMarker(t);
  if (marker == std::string_view::npos) return std::nullopt;
  const std::size_t value = marker + length;
  const std::size_t quote = t.find('"', value);
  if (quote == std::string_view::npos) return std::nullopt;
  return t.substr(value, quote - value);
}

std::string_view LinkText(std::string_view line, std::string_view raw_link, std::string& scratch) {
  if (IsAscii(raw_link) || IsValidUtf8(line)) return raw_link;
  scratch = Windows1252ToUtf8(raw_link);
  return scratch;
}

bool HasSkippedScheme(std::string_view link) {
  // Every marker holds a colon, and no other character folds to one.
  if (link.find(':') == std::string_view::npos) return false;
  static constexpr std::array<std::string_view, 4> kMarkers = {"mailto:", "://", "javascript:",
                                                               "news:"};
  const std::string folded = LowerCaseLatin(link);
  return std::any_of(kMarkers.begin(), kMarkers.end(),
                     [&](std::string_view m) { return folded.find(m) != std::string::npos; });
}

bool IsExternalAddress(std::string_view link) {
  while (!link.empty() && (link.front() == ' ' || link.front() == '\t')) link.remove_prefix(1);
  const std::string head = LowerCaseLatin(link.substr(0, 8));
  return head.starts_with("http://") || head.starts_with("https://");
}

bool CollectExternalLink(std::string_view written, long long line, long long column,
                         const std::vector<std::string>& excluded_folded, bool amp_escaped,
                         std::vector<BrokenLink>& out) {
  if (!IsExternalAddress(written)) return false;
  std::string_view address = TrimBlanks(written);
  address = address.substr(0, address.find('#'));
  if (IsSkippedLink(address, excluded_folded)) return true;
  BrokenLink candidate;
  candidate.target.assign(address);
  if (amp_escaped) ReplaceAll(candidate.target, "&amp;", "&");
  candidate.link.assign(written);
  candidate.line = line;
  candidate.column = column;
  candidate.kind = LinkKind::kExternalStatus;
  out.push_back(std::move(candidate));
  return true;
}

bool IsSkippedLink(std::string_view link, const std::vector<std::string>& excluded_folded) {
  if (link.empty() || link.front() == '/') return true;
  if (excluded_folded.empty()) return false;
  const std::string folded = LowerCaseLatin(link);
  return std::any_of(excluded_folded.begin(), excluded_folded.end(),
                     [&](const std::string& item) { return folded.find(item) != std::string::npos; });
}

void DecodeLink(std::string& text) {
  const bool has_escapes = text.find_first_of("&%") != std::string::npos;
  if (has_escapes) {
    ReplaceAll(text, "&amp;", "&");
    ReplaceAll(text, "%20", " ");
    ReplaceAll(text, "%27", "'");
    ReplaceAll(text, "%28", "(");
    ReplaceAll(text, "%29", ")");
  }
  // Both slashes become the separator, so a link resolves the same everywhere.
  for (char& c : text) {
    if (c == '/' || c == '\\') c = kSeparator;
  }
  if (has_escapes) {
    ReplaceAll(text, "%C3%A7", "\xC3\xA7");         // ç
    ReplaceAll(text, "%C3%B1", "\xC3\xB1");         // ñ
    ReplaceAll(text, "%C3%AD", "\xC3\xAD");         // í
    ReplaceAll(text, "%C3%B3", "\xC3\xB3");         // ó
    ReplaceAll(text, "%E2%80%93", "\xE2\x80\x93");  // en dash
  }
}

bool PrepareLink(std::string_view link, const std::vector<std::string>& excluded_folded,
                 std::string& out) {
  if (HasSkippedScheme(link)) return false;
  link = link.substr(0, link.find('#'));
  link = link.substr(0, link.find('?'));
  if (IsSkippedLink(link, excluded_folded)) return false;
  out.assign(link);
  DecodeLink(out);
  return true;
}

bool FormTarget(std::string_view decoded, const std::vector<std::string>& chain,
                std::string& target) {
  constexpr std::string_view kParent = kSeparator == '/' ? "../" : "..\\";
  std::size_t steps = 0;
  while (decoded.starts_with(kParent)) {
    ++steps;
    decoded.remove_prefix(kParent.size());
  }
  if (steps >= chain.size()) return false;
  target.assign(chain[chain.size() - 1 - steps]);
  target.append(decoded);
  return true;
}

}  // namespace qvn
