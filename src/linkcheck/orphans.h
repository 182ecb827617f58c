#pragma once
// The orphan search: which files of the walked tree no page links to, with
// the top folder's index pages as the roots of the site.

#include <string>
#include <string_view>
#include <vector>

#include "linkcheck/page_pipeline.h"
#include "linkcheck/selection.h"
#include "linkcheck/status.h"

namespace qvn {

/// What an orphan search found. Paths are relative to the top folder, in
/// walk order.
struct OrphanResult {
  std::vector<std::string> roots;       ///< the index pages of the top folder
  std::vector<std::string> not_linked;  ///< files no page links to (roots excepted)
  /// Files that pages link to, but that no root reaches by following links.
  std::vector<std::string> only_from_orphans;
  long long files = 0;       ///< files the walk passed over: pages and all others
  long long pages_read = 0;  ///< pages read for links (not empty)
  bool stopped = false;      ///< the lists are then empty: they would be wrong
};

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
