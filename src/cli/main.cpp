// qvn: the command-line front end. The console is prepared here; everything
// else is RunCli, which tests call in process.

#include <cstdio>
#include <iostream>
#include <new>

#include "cli/cli_console.h"
#include "cli/cli_run.h"

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args = qvn::cli::PrepareConsole(argc, argv);
    return qvn::cli::RunCli(args, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    // Said without allocating: there may be no memory left for a stream's text.
    std::fflush(stdout);
    std::fputs("qvn: out of memory; stopped without finishing\n", stderr);
    return 2;
  }
}
