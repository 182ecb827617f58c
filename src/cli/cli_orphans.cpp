#include "cli/cli_orphans.h"

#include <iostream>

#include "cli/cli_run.h"
#include "cli/cli_status.h"
#include "core/check/orphans.h"
#include "core/results/orphan_report.h"

namespace qvn::cli {

int RunOrphansCommand(const Selection& selection) {
  CliStatus status(StandardErrorIsTerminal());
  const OrphanResult result = RunOrphans(selection, status);
  status.Finish();
  std::cout << FormatOrphanReport(result, selection.top_folder);
  if (result.stopped) return kExitStopped;
  const bool found = !result.not_linked.empty() || !result.only_from_orphans.empty();
  return found ? kExitOrphansFound : kExitClean;
}

}  // namespace qvn::cli
