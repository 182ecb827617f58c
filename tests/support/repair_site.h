#pragma once
// A check of a scratch site and the repairs proposed for it, for the tests
// of the repair. Header-only.

#include <string>
#include <utility>
#include <vector>

#include "core/repair/repair_plan.h"
#include "core/repair/site_files.h"
#include "support/check_run.h"
#include "support/temp_dir.h"

namespace qvn::test {

/// A file of a scratch site: its path below the top folder ("/" between
/// names) and its bytes.
struct SiteFile {
  std::string path;
  std::string bytes;
};

inline void WriteSite(const TempDir& site, const std::vector<SiteFile>& files) {
  for (const SiteFile& file : files) site.Write(file.path, file.bytes);
}

/// A site's check and the repairs proposed for its broken links.
struct CheckedRepairs {
  CheckResult result;
  RepairPlan plan;
};

/// Checks site with more (letter case is always on, so that a link in other
/// letter case is broken on every file system) and plans its repairs.
inline CheckedRepairs PlanSiteRepairs(const TempDir& site, MoreChecks more,
                                      const RepairOptions& options) {
  more.letter_case = true;
  CheckedRepairs out{CheckSite(site, more), {}};
  Selection selection;
  selection.top_folder = site.path();
  SiteFiles files;
  Status quiet;
  files.Collect(selection, quiet);
  out.plan = PlanRepairs(out.result, {options, more.all_links, site.path()}, &files);
  return out;
}

/// The candidates' links of the proposal for the broken link with entry
/// index entry; empty when it has none.
inline std::vector<std::string> CandidateLinks(const RepairPlan& plan, std::size_t entry) {
  std::vector<std::string> links;
  for (const Proposal& proposal : plan.proposals)
    if (proposal.entry == entry)
      for (const Candidate& candidate : proposal.candidates) links.push_back(candidate.link);
  return links;
}

}  // namespace qvn::test
