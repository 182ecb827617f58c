#include "core/links/letter_case.h"

#include <algorithm>
#include <vector>

#include "core/site/folded_names.h"
#include "core/text/casefold.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

std::size_t Difference(std::size_t a, std::size_t b) { return a > b ? a - b : b - a; }

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
  return std::string(listing.Folded().Nearest(name, SuggestionLimit(name), PathKind::kFile));
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
      const auto match = listing.Folded().SameFolded(name, wanted);
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
