#pragma once
// The exclusion boxes as the user edits them: tidying a comma list when the
// box is left, and the words that tell how many top subfolders are excluded.

#include <string>
#include <string_view>

namespace qvn {

/// A comma list tidied: items trimmed, sorted without regard to letter case,
/// joined with ", ". Empty items stay (they sort first); duplicates stay.
/// For file paths on Windows, "/" becomes "\".
std::string NormaliseCommaList(std::string_view box, bool file_paths);

/// The label for `count` excluded top subfolders: none_text for 0, one_text
/// for 1, otherwise the count in words followed by a space and many_words
/// ('Seventeen excluded.').
std::string ExcludedSubfoldersLabel(long long count, const std::string& none_text,
                                    const std::string& one_text, const std::string& many_words);

}  // namespace qvn
