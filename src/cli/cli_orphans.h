#pragma once
// `qvn orphans TOP`: the files of the site that no page links to.

#include "core/site/selection.h"

namespace qvn::cli {

/// Exit status of `qvn orphans` when it found an orphan.
inline constexpr int kExitOrphansFound = 1;

/// Runs the orphan search, prints its result on standard output and returns
/// the exit status: 0 no orphan, 1 orphans found, 130 stopped with Ctrl-C.
int RunOrphansCommand(const Selection& selection);

}  // namespace qvn::cli
