#pragma once
// The two runs, "Check links" and "List files", without any window: the
// front ends validate through here, run, and show the results.

#include <string>

#include "core/results/run_results.h"
#include "core/check/page_pipeline.h"
#include "core/site/selection.h"
#include "core/site/status.h"

namespace qvn {

/// Walks selection.top_folder (already validated) and checks every page,
/// reading pages on `workers` threads (0: on the calling thread). Results and
/// every call to status come in walk order on the calling thread.
CheckResult RunCheck(const Selection& selection, Status& status,
                     unsigned workers = DefaultPageWorkers());

/// Walks selection.top_folder (already validated) and lists the pages a
/// check would read.
ListResult RunList(const Selection& selection, Status& status);

/// The status text at the end of a check run: the congratulation, the count
/// of broken links, or the stopped notice. external: links to other sites
/// were checked, so the links counted are not all local.
std::string CheckOutcomeText(long long broken_links, bool stopped, bool external = false);

}  // namespace qvn
