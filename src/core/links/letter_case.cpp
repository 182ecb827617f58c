#include "core/links/letter_case.h"

#include <algorithm>
#include <vector>

#include "core/text/casefold.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

std::u32string Folded(std::string_view name) {
  std::u32string chars = ToChars(name);
  for (char32_t& c : chars) c = LowerChar(c);
  return chars;
}

std::size_t Difference(std::size_t a, std::size_t b) { return a > b ? a - b : b - a; }

// The entry of kind `kind` whose name equals folded when folded itself;
// among several, the first by character code.
std::optional<std::string_view> FoldedMatch(const ExistenceCache::Listing& listing,
                                            const std::u32string& folded, PathKind kind) {
  std::optional<std::string_view> best;
  for (std::size_t i = 0; i < listing.size(); ++i) {
    if (listing.Kind(i) != kind) continue;
    const std::string_view name = listing.Name(i);
    if (best && name >= *best) continue;
    if (Folded(name) == folded) best = name;
  }
  return best;
}

}  // namespace

std::size_t FoldedEditDistance(std::u32string_view a, std::u32string_view b, std::size_t limit) {
  if (Difference(a.size(), b.size()) > limit) return limit + 1;
  std::vector<std::size_t> previous(b.size() + 1), current(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    std::size_t row_best = current[0];
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = LowerChar(a[i - 1]) == LowerChar(b[j - 1]) ? 0 : 1;
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + change});
      row_best = std::min(row_best, current[j]);
    }
    // Every later row is at least this row's best.
    if (row_best > limit) return limit + 1;
    previous.swap(current);
  }
  return std::min(previous[b.size()], limit + 1);
}

std::size_t SuggestionLimit(std::string_view name) { return ToChars(name).size() < 6 ? 1 : 2; }

std::string SuggestSimilarName(const ExistenceCache::Listing& listing, std::string_view name) {
  const std::size_t limit = SuggestionLimit(name);
  const std::u32string wanted = ToChars(name);
  std::size_t best_distance = limit + 1;
  std::string_view best;
  for (std::size_t i = 0; i < listing.size(); ++i) {
    if (listing.Kind(i) != PathKind::kFile) continue;
    const std::string_view candidate = listing.Name(i);
    const std::size_t distance = FoldedEditDistance(wanted, ToChars(candidate), limit);
    if (distance < best_distance || (distance == best_distance && distance <= limit &&
                                     candidate < best)) {
      best_distance = distance;
      best = candidate;
    }
  }
  return std::string(best);
}

std::optional<std::string> RealNamesBelow(FolderLookup& lookup, std::string_view base,
                                          std::string_view relative, PathKind last_kind) {
  static constexpr char kWorkingFolder[] = {'.', kSeparator, '\0'};
  std::string folder(base), real;
  bool differs = false;
  std::size_t pos = 0;
  while (true) {
    const std::size_t next = relative.find(kSeparator, pos);
    const bool last = next == std::string_view::npos;
    const std::string_view name = relative.substr(pos, last ? std::string_view::npos : next - pos);
    const PathKind wanted = last ? last_kind : PathKind::kFolder;
    const ExistenceCache::Listing& listing =
        lookup.Listing(folder.empty() ? std::string_view(kWorkingFolder) : std::string_view(folder));
    std::string_view found = name;
    if (listing.KindOf(name) != wanted) {
      const auto match = FoldedMatch(listing, Folded(name), wanted);
      if (!match) return std::nullopt;
      found = *match;
      differs = true;
    }
    if (differs) {
      real.append(found);
      if (!last) real += kSeparator;
    }
    if (last) return real;
    folder.append(found);
    folder += kSeparator;
    pos = next + 1;
  }
}

}  // namespace qvn
