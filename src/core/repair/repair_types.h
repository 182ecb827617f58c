#pragma once
// What a repair run works with: why a new link is proposed, what the user
// asked to be repaired, and each broken link's candidates.

#include <string>
#include <string_view>
#include <vector>

#include "core/results/broken_links.h"

namespace qvn {

/// Why a new link is proposed.
enum class RepairReason {
  kLetterCase,  ///< the target exists with other letter case
  kAnchorCase,  ///< the fragment's anchor exists with other letter case
  kMoved,       ///< the file name occurs exactly once elsewhere in the site
  kNear,        ///< one name in the target's folder differs a little
};

/// The reason as the outputs name it: "letter case", "anchor letter case",
/// "moved", "similar name".
std::string_view ReasonText(RepairReason reason);

/// What the user asked to be repaired.
struct RepairOptions {
  bool moved = false;  ///< look for the file name elsewhere in the site
  // Not "near": windows.h makes that word a macro.
  bool similar = false;  ///< look for a name within the did-you-mean distance
  /// Only broken links of these kinds; empty for every kind.
  std::vector<LinkKind> only;
};

/// True when options allow repairing links of kind (whether or not a rule
/// applies to it).
bool KindSelected(const RepairOptions& options, LinkKind kind);

/// One possible repair of a link.
struct Candidate {
  RepairReason reason = RepairReason::kLetterCase;
  std::string link;    ///< the new link as written in the page (UTF-8)
  std::string target;  ///< the path it names (full, as the table's targets)
};

}  // namespace qvn
