#pragma once
// The qvn command as a function: parse the arguments, call the core's use
// case, print. main() only prepares the console.

#include <iosfwd>
#include <string>
#include <vector>

namespace qvn::cli {

/// Exit statuses of qvn.
inline constexpr int kExitClean = 0;
inline constexpr int kExitBrokenLinks = 1;
inline constexpr int kExitBadInput = 2;
/// A run stopped by a signal ends with 128 + the signal's number: 130 for
/// Ctrl-C (StoppedExitStatus).

/// Runs qvn with args (args[0] is the program's name, the rest UTF-8),
/// writing what it prints to out and err; returns the exit status. The
/// progress line is shown only when err is the process's standard error on
/// a terminal.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qvn::cli
