// qvn: the command-line front end. Parses the command line, runs the check or
// the listing through the core, writes the result files and prints the outcome.

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/cli_run.h"

int main(int argc, char** argv) {
  qvn::cli::CliRequest request;
  const int parsed = qvn::cli::ParseCommandLine(argc, argv, request);
  if (parsed >= 0) return parsed;
  return qvn::cli::Execute(request);
}
