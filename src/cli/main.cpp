// qvn: the command-line front end. The console is prepared here; everything
// else is RunCli, which tests call in process.

#include <iostream>

#include "cli/cli_console.h"
#include "cli/cli_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args = qvn::cli::PrepareConsole(argc, argv);
  return qvn::cli::RunCli(args, std::cout, std::cerr);
}
