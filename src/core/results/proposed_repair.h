#pragma once
// The repair proposed for a broken link, as the machine-readable formats
// carry it when repairs were asked for.

#include <string>
#include <vector>

namespace qvn {

/// A new link for a broken one, and why.
struct RepairChoice {
  std::string link;    ///< as it would be written in the page
  std::string reason;  ///< "letter case", "anchor letter case", "moved", "similar name"
};

/// The repair of one broken link: one choice is the repair; two or more
/// make it ambiguous (it is left alone); none, no repair found.
struct ProposedRepair {
  std::vector<RepairChoice> choices;
  /// Where the old link ends on its line, as columns count (its bytes in
  /// the page, character references included); 0 when not known.
  long long end_column = 0;
};

}  // namespace qvn
