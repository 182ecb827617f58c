#pragma once
// What each run returns: a check, a listing and an orphan search.

#include <string>
#include <vector>

#include "core/results/broken_links.h"
#include "core/site/skipped.h"

namespace qvn {

/// What a check found. The table's paths are full; the formats and the
/// results window show them relative to top_folder.
struct CheckResult {
  BrokenLinkTable broken_links;
  long long pages_read = 0;
  bool stopped = false;
  std::string top_folder = {};  ///< as the run used it, ending in a separator
  Skipped skipped = {};         ///< folders and pages that could not be read
};

struct ListResult {
  std::vector<std::string> files;  ///< paths relative to the top folder, in walk order
  bool stopped = false;
  Skipped skipped = {};  ///< folders that could not be listed
};

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
  Skipped skipped = {};      ///< folders and pages that could not be read
};

}  // namespace qvn
