#pragma once
// The repairs proposed for a check's broken links: each link's candidates,
// and for the links with exactly one, the change to its page's bytes.

#include <cstddef>
#include <string>
#include <vector>

#include "core/repair/candidates.h"
#include "core/repair/page_edit.h"
#include "core/repair/page_stamp.h"
#include "core/results/run_results.h"

namespace qvn {

/// A broken link with at least one candidate.
struct Proposal {
  std::size_t entry = 0;              ///< index in the check's broken-link table
  std::vector<Candidate> candidates;  ///< one: the repair; more: ambiguous, left alone
  /// Why a single candidate cannot be written ("" when it can): the page
  /// could not be read, the link was not where the check saw it, ...
  std::string problem;
  PageEdit edit;             ///< the change to the page (one candidate, no problem)
  long long end_column = 0;  ///< where the old link ends on its line (as columns count)

  bool Applicable() const { return candidates.size() == 1 && problem.empty(); }
};

/// A page some applicable proposal changes.
struct PagePlan {
  std::string page;                    ///< full path
  PageStamp stamp;                     ///< the page as the plan read it
  std::vector<std::size_t> proposals;  ///< indices into RepairPlan::proposals, in page order
};

struct RepairPlan {
  std::vector<Proposal> proposals;  ///< in the table's order
  std::vector<PagePlan> pages;      ///< in the table's order
  long long without_candidate = 0;  ///< selected broken links no rule repairs
  /// The number of proposals that can be applied.
  long long Applicable() const;
};

/// How the check read links, for the repair to write them alike.
struct RepairContext {
  RepairOptions options;
  bool every_link = false;  ///< the check read pages as HTML
  std::string site_root;    ///< what root-relative links start from, ending in the separator
};

/// Proposes repairs for result's broken links. files: every file of the
/// selected site (needed for options.moved; may be null otherwise).
RepairPlan PlanRepairs(const CheckResult& result, const RepairContext& context,
                       const SiteFiles* files);

}  // namespace qvn
