#pragma once
// File-name patterns with "*" and "?".

#include <string_view>

namespace qvn {

/// True when text matches pattern, where "?" stands for one character and "*"
/// for any run. Equal texts match; an empty pattern matches every text; an
/// empty text matches only a pattern of "*" alone. After a "*" the walk jumps
/// to the first occurrence of the next literal character of the pattern and
/// never backtracks, so 'abcbd' does not match '*bd'. Unless case_sensitive,
/// both sides are compared after LowerCaseLatin.
bool MatchesWildcard(std::string_view text, std::string_view pattern, bool case_sensitive);

/// True when a file name matches a pattern such as "*.*". Names holding
/// "?", "*", ":" or "\" never match; an empty pattern (after trimming
/// spaces) matches every other name. Base names and extensions (split at the
/// last ".") are matched separately; a name without "." matches a
/// pattern whose extension is empty or only "*", and a name with "."
/// never matches a pattern without one. "*.*" matches every name.
bool MatchesFilePattern(std::string_view name, std::string_view pattern, bool case_sensitive);

}  // namespace qvn
