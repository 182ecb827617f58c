#include "cli/cli_orphans.h"

#include <ostream>

#include "cli/cli_run.h"
#include "cli/cli_skipped.h"
#include "cli/cli_status.h"
#include "core/app/runs.h"
#include "core/results/orphan_report.h"

namespace qvn::cli {

int RunOrphansCommand(const app::Choices& choices, bool verbose, const CliStreams& io) {
  CliStatus status(io.show_progress, io.progress);
  const OrphanResult result = app::RunOrphans(choices, status);
  status.Finish();
  PrintSkipped(result.skipped, verbose, io.err);
  io.out << FormatOrphanReport(result, choices.top_folder);
  if (result.stopped) return StoppedExitStatus();
  const bool found = !result.not_linked.empty() || !result.only_from_orphans.empty();
  return found ? kExitOrphansFound : kExitClean;
}

}  // namespace qvn::cli
