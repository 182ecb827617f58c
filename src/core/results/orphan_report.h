#pragma once
// The orphan search's result as plain text, as `qvn orphans` prints it.

#include <string>
#include <string_view>

#include "core/results/run_results.h"

namespace qvn {

/// The top folder, the counts, the roots and the two lists of orphans
/// (paths relative to the top folder, in walk order, each indented by two
/// spaces under its heading), then OrphanCountText. Lines end in "\n". A
/// stopped search gives only its notice.
std::string FormatOrphanReport(const OrphanResult& result, std::string_view top_folder);

/// The closing line: "No orphan files.", or the count with its two parts,
/// e.g. '3 orphan files: 1 not linked from any page, 2 reachable only from
/// orphans.'; for a stopped search, its notice.
std::string OrphanCountText(const OrphanResult& result);

}  // namespace qvn
