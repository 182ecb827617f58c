#pragma once
// Carries out a parsed qvn command.

#include "cli/cli_options.h"

namespace qvn::cli {

/// Exit statuses of qvn.
inline constexpr int kExitClean = 0;
inline constexpr int kExitBrokenLinks = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitStopped = 130;

/// Runs the request; prints results on standard output and problems on
/// standard error; returns the exit status.
int Execute(CliRequest request);

}  // namespace qvn::cli
