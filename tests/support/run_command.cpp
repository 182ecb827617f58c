#include "support/run_command.h"

namespace qvn::test {

CommandResult RunQvn(const std::vector<std::string>& args, const std::string& cwd,
                     const std::vector<std::string>& env) {
  return RunCommand(QVN_BINARY, args, cwd, env);
}

}  // namespace qvn::test
