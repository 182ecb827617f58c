#pragma once
// Runs the qvn program for end-to-end tests.

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

/// Runs the qvn binary under test.
CommandResult RunQvn(const std::vector<std::string>& args, const std::string& cwd = "",
                     const std::vector<std::string>& env = {});

}  // namespace qvn::test
