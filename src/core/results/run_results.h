#pragma once
// What each run returns: a check, a listing and an orphan search.

#include <string>
#include <vector>

#include "core/results/broken_links.h"
#include "core/results/proposed_repair.h"
#include "core/site/skipped.h"

namespace qvn {

/// A link to another site that works, but through a permanent redirect
/// (301, 308): not broken, though the link is better changed.
struct PermanentRedirect {
  std::string page;  ///< full path, as the table's pages
  long long line = 0;
  long long column = 0;
  std::string link;       ///< as written in the page
  std::string final_url;  ///< where the redirects end
};

/// What the check of links to other sites did, when the run had it on.
struct ExternalSummary {
  bool checked = false;     ///< the run had it on (the formats then list its kinds)
  long long addresses = 0;  ///< distinct addresses found
  long long from_cache = 0;
  std::vector<PermanentRedirect> redirects;  ///< in walk order
  std::string problem;  ///< why the answers could not be kept; "" when they were
};

/// What a check found. The table's paths are full; the formats and the
/// results window show them relative to top_folder.
struct CheckResult {
  BrokenLinkTable broken_links;
  long long pages_read = 0;
  bool stopped = false;
  std::string top_folder = {};  ///< as the run used it, ending in a separator
  Skipped skipped = {};         ///< folders and pages that could not be read
  ExternalSummary external = {};
  /// When repairs were proposed: one per broken link, in the table's order
  /// (the formats then carry them); empty otherwise.
  std::vector<ProposedRepair> repairs = {};
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
