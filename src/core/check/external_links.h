#pragma once
// The links to other sites that a check's pages hold: gathered while the
// pages are committed, asked of their servers once the walk is done, and
// merged into the broken-link table where the pages had them.

#include <string>
#include <unordered_map>
#include <vector>

#include "core/results/run_results.h"
#include "core/site/selection.h"
#include "core/site/status.h"

namespace qvn {

class ExternalLinks {
 public:
  /// A candidate of page (see CollectExternalLink), found when the table
  /// held `position` entries: it goes there if it proves broken.
  void Add(const std::string& page, BrokenLink candidate, std::size_t position);

  /// Asks each distinct address once (options: more's external fields),
  /// reporting "N of M" to status and ending every request at once when it
  /// asks to stop. Puts the broken links into result's table in page order
  /// and the permanent redirects into result.external.
  void Check(const MoreChecks& options, Status& status, CheckResult& result);

 private:
  struct Found {
    std::size_t page;      // into pages_
    std::size_t position;  // table entries before it
    std::size_t address;   // into addresses_
    BrokenLink link;
  };
  void Merge(std::vector<Found>& broken, BrokenLinkTable& table);

  std::vector<std::string> pages_;
  std::vector<std::string> addresses_;  // distinct, as requested
  std::unordered_map<std::string, std::size_t> address_index_;
  std::vector<Found> found_;
};

}  // namespace qvn
