// qvn: the command-line front end. Parses the command line, runs the check or
// the listing through the core, writes the result files and prints the outcome.

#include <string>
#include <vector>

#include "cli/cli_console.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"

int main(int argc, char** argv) {
  std::vector<std::string> args = qvn::cli::PrepareConsole(argc, argv);
  std::vector<char*> utf8_argv;
  for (auto& arg : args) utf8_argv.push_back(arg.data());
  utf8_argv.push_back(nullptr);
  qvn::cli::CliRequest request;
  const int parsed =
      qvn::cli::ParseCommandLine(static_cast<int>(args.size()), utf8_argv.data(), request);
  if (parsed >= 0) return parsed;
  return qvn::cli::Execute(request);
}
