#pragma once
// The orphan search: which files of the walked tree no page links to, with
// the top folder's index pages as the roots of the site.

#include <string>
#include <string_view>
#include <vector>

#include "core/check/page_pipeline.h"
#include "core/results/run_results.h"
#include "core/site/selection.h"
#include "core/site/status.h"

namespace qvn {

/// True when a file name is one of the index pages that root a site
/// ('index.html', 'index.htm', 'default.htm', 'default.html', 'index.shtml',
/// 'index.php'), letter case ignored.
bool IsIndexPageName(std::string_view name);

/// Walks selection.top_folder (already validated) as a check does, reading
/// the selected pages on `workers` threads (0: on the calling thread), and
/// sorts out the orphans. Every file in a walked folder takes part except
/// those whose paths are excluded; only the pages read give links, and a
/// page's links to itself do not count.
OrphanResult RunOrphans(const Selection& selection, Status& status,
                        unsigned workers = DefaultPageWorkers());

}  // namespace qvn
