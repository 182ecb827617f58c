#pragma once
// Runs qvn for end-to-end tests: in process, or the real program.

#include <string>
#include <vector>

namespace qvn::test {

struct CommandResult {
  int exit_code = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

/// Runs program with args in working folder cwd ("" = current), with extra
/// environment entries "NAME=value" added; standard input is empty. On
/// Windows the text-mode line ends of out and err ("\r\n") are given as "\n".
CommandResult RunCommand(const std::string& program, const std::vector<std::string>& args,
                         const std::string& cwd = "", const std::vector<std::string>& env = {});

/// Runs qvn in this process (RunCli) with args, in working folder cwd ("" =
/// current) and with the environment entries "NAME=value" set for the run.
CommandResult RunQvn(const std::vector<std::string>& args, const std::string& cwd = "",
                     const std::vector<std::string>& env = {});

/// Runs the qvn binary under test, for what only a process shows: signals,
/// the console, the program's own folder.
CommandResult RunQvnBinary(const std::vector<std::string>& args, const std::string& cwd = "",
                           const std::vector<std::string>& env = {});

#ifndef _WIN32
/// Waits (up to a few seconds) until process pid runs a program named name
/// (a forked child has exec'd) and has its own handler for signal, so that
/// sending it tests that handler, not the default action or the parent's.
void WaitUntilCatching(int pid, int signal, const std::string& name = "qvn");
#endif

}  // namespace qvn::test
