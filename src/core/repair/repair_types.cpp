#include "core/repair/repair_types.h"

#include <algorithm>

namespace qvn {

std::string_view ReasonText(RepairReason reason) {
  switch (reason) {
    case RepairReason::kLetterCase:
      return "letter case";
    case RepairReason::kAnchorCase:
      return "anchor letter case";
    case RepairReason::kMoved:
      return "moved";
    case RepairReason::kNear:
      break;
  }
  return "similar name";
}

bool KindSelected(const RepairOptions& options, LinkKind kind) {
  return options.only.empty() ||
         std::find(options.only.begin(), options.only.end(), kind) != options.only.end();
}

}  // namespace qvn
