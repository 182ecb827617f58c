#include "core/app/repairs.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "core/repair/site_files.h"

namespace qvn::app {

RepairPlan ProposeRepairs(const Choices& choices, const RepairOptions& options,
                          const CheckResult& result, Status& status) {
  const Selection selection = SelectionOf(choices, RunKind::kCheck);
  RepairContext context{options, selection.more.all_links,
                        selection.more.site_root_folder.empty() ? selection.top_folder
                                                                : selection.more.site_root_folder};
  SiteFiles files;
  if (options.moved && !files.Collect(selection, status)) context.options.moved = false;
  return PlanRepairs(result, context, options.moved ? &files : nullptr);
}

void AttachRepairs(const RepairPlan& plan, CheckResult& result) {
  result.repairs.assign(result.broken_links.size(), {});
  for (const Proposal& proposal : plan.proposals) {
    result.repairs[proposal.entry].end_column = proposal.end_column;
    auto& choices = result.repairs[proposal.entry].choices;
    for (const Candidate& candidate : proposal.candidates)
      choices.push_back({candidate.link, std::string(ReasonText(candidate.reason))});
  }
}

RepairCheck CheckRepaired(const RepairPlan& plan, const CheckResult& before,
                          const std::vector<std::string>& written, const CheckResult& after) {
  const std::set<std::string> pages(written.begin(), written.end());
  // A link found broken again: its page, line and the link as written.
  std::set<std::tuple<std::string, long long, std::string>> broken;
  RepairCheck outcome;
  const BrokenLinkTable& table = after.broken_links;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (pages.count(table.Source(i)) == 0) continue;
    ++outcome.remaining;
    broken.emplace(table.Source(i), table.Link(i).line, table.Link(i).link);
  }
  for (const Proposal& proposal : plan.proposals) {
    const std::string& page = before.broken_links.Source(proposal.entry);
    if (!proposal.Applicable() || pages.count(page) == 0) continue;
    const long long line = before.broken_links.Link(proposal.entry).line;
    if (broken.count({page, line, proposal.candidates[0].link}) == 0) ++outcome.resolved;
  }
  return outcome;
}

}  // namespace qvn::app
