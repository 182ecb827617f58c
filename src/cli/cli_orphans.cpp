#include "cli/cli_orphans.h"

#include <ostream>

#include "cli/cli_run.h"
#include "cli/cli_status.h"
#include "core/app/runs.h"
#include "core/results/orphan_report.h"

namespace qvn::cli {

int RunOrphansCommand(const app::Choices& choices, std::ostream& out, std::ostream& err) {
  CliStatus status(ShowsProgress(err), err);
  const OrphanResult result = app::RunOrphans(choices, status);
  status.Finish();
  out << FormatOrphanReport(result, choices.top_folder);
  if (result.stopped) return kExitStopped;
  const bool found = !result.not_linked.empty() || !result.only_from_orphans.empty();
  return found ? kExitOrphansFound : kExitClean;
}

}  // namespace qvn::cli
