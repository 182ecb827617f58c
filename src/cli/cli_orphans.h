#pragma once
// `qvn orphans TOP`: the files of the site that no page links to.

#include <iosfwd>

#include "cli/cli_streams.h"
#include "core/app/choices.h"

namespace qvn::cli {

/// Exit status of `qvn orphans` when it found an orphan.
inline constexpr int kExitOrphansFound = 1;

/// Runs the orphan search of choices (validated), prints its result on out
/// and what it skipped on err (each path when verbose), and returns the exit status: 0 no orphan, 1 orphans found, 130 stopped
/// with Ctrl-C.
int RunOrphansCommand(const app::Choices& choices, bool verbose, const CliStreams& io);

}  // namespace qvn::cli
