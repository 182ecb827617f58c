#pragma once
// Names that a link almost gets right: the file it names in other letter
// case, and, for a missing file, a name in its folder that differs a little.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/site/existence_cache.h"
#include "core/site/folder_lookup.h"

namespace qvn {

/// Edit distance (insertions, deletions, substitutions of characters) of a
/// and b with letter case ignored; any value above limit comes out as
/// limit + 1.
std::size_t FoldedEditDistance(std::u32string_view a, std::u32string_view b, std::size_t limit);

/// The most distances a suggested name may differ by: 1 for names shorter
/// than six characters, 2 otherwise.
std::size_t SuggestionLimit(std::string_view name);

/// The file in listing whose name is nearest to name (letter case ignored)
/// within SuggestionLimit(name); ties go to the name that sorts first by
/// character code. "" when there is none.
std::string SuggestSimilarName(const ExistenceCache::Listing& listing, std::string_view name);

/// Follows relative (names joined by the separator) down from base (a folder
/// ending in the separator; "" for the working folder), each name as written
/// when the folder holds it with the right kind (a folder, and at the end
/// `last`), else the name that differs from it in letter case only (the
/// first by character code). Returns the real names from the first that
/// differs on, joined by the separator; "" when none differs; nullopt when
/// some name has no match.
std::optional<std::string> RealNamesBelow(FolderLookup& lookup, std::string_view base,
                                          std::string_view relative,
                                          PathKind last = PathKind::kFile);

}  // namespace qvn
