#pragma once
// Writing a repair plan into the pages, and undoing it. Only the bytes of
// the repaired links change; a page changed since it was read is left
// alone; the old pages are backed up whole before the first is written.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/platform.h"
#include "core/repair/repair_plan.h"

namespace qvn {

/// Writes a page's new bytes (by default WriteFileReplacing: a temporary
/// file renamed over the page, its permissions kept).
using PageWriter =
    std::function<bool(const std::string& path, std::string_view bytes, SystemError* error)>;

/// A page the repair did not write, and why.
struct PageMessage {
  std::string page;  ///< full path
  std::string text;  ///< "changed since the check, left alone", ...
};

struct ApplyOutcome {
  std::string run;  ///< the run's folder; "" when nothing was written
  long long pages_written = 0;
  long long links_repaired = 0;
  std::vector<std::string> written;  ///< the pages written (full paths), in plan order
  std::vector<PageMessage> messages;
  /// Why the run stopped before writing every page ("" when it did not):
  /// the backup could not be made (nothing written), or a page failed.
  std::string failure;
};

/// Applies plan's applicable proposals. Each page is read again and written
/// only when its stamp is still the plan's. The backup (every page's old
/// bytes, then the manifest) goes into a new run folder in repairs_folder
/// before any page is written; a page that fails to be written ends the
/// run, leaving the pages before it new and the rest old.
ApplyOutcome ApplyRepairs(const RepairPlan& plan, const std::string& repairs_folder,
                          const PageWriter& write = WriteFileReplacing);

struct UndoOutcome {
  std::string run;  ///< the run's folder; "" when there was none to undo
  long long pages_restored = 0;
  std::vector<PageMessage> messages;  ///< pages not restored and why
  std::string failure;                ///< why nothing could be undone ("" otherwise)
};

/// Puts back the pages of the run named run in repairs_folder ("" for the
/// latest run not undone yet). A page whose bytes are no longer those the
/// repair wrote is refused; a page the run never got to write is left as it is.
UndoOutcome UndoRepairs(const std::string& repairs_folder, const std::string& run,
                        const PageWriter& write = WriteFileReplacing);

}  // namespace qvn
