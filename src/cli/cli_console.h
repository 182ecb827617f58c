#pragma once
// The terminal as qvn uses it: one small file per platform behind this header.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace qvn::cli {

/// The command-line arguments as UTF-8 texts (Windows hands them over as
/// UTF-16); also makes standard output carry UTF-8. Call once, first.
std::vector<std::string> PrepareConsole(int argc, char** argv);

/// True when standard error is a terminal that can show the progress line.
bool ConsoleShowsProgress();

/// True when standard output is a terminal.
bool StandardOutputIsTerminal();

/// Width in columns of the terminal on standard error; 80 when unknown.
std::size_t ConsoleColumns();

/// Writes bytes to out exactly as they are (no line-end translation, also
/// when out is standard output: a document keeps its own line ends), then
/// flushes it.
void WriteDocumentOutput(std::ostream& out, std::string_view bytes);

/// Makes the first Ctrl-C (on POSIX also SIGTERM and SIGHUP) call
/// on_interrupt with the exit status a run it stops ends with (130, 143,
/// 129); on_interrupt must only set flags. A second one ends the program at
/// once.
void InstallConsoleInterrupt(void (*on_interrupt)(int exit_status));

}  // namespace qvn::cli
