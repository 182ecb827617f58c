#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <stdexcept>

#include "support/run_command.h"
#include "support/temp_dir.h"

extern char** environ;

namespace qvn::test {

CommandResult RunCommand(const std::string& program, const std::vector<std::string>& args,
                         const std::string& cwd, const std::vector<std::string>& env) {
  TempDir scratch;
  const std::string out_path = scratch.path() + "out", err_path = scratch.path() + "err";
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
    for (const auto& entry : env) putenv(const_cast<char*>(entry.c_str()));
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execve(program.c_str(), argv.data(), environ);
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  CommandResult result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = scratch.Read(out_path);
  result.err = scratch.Read(err_path);
  return result;
}

void WaitUntilCatching(int pid, int signal, const std::string& name) {
  for (int tries = 0; tries < 500; ++tries) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    bool named = false;
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("Name:", 0) == 0) named = line.substr(line.find_first_not_of(" \t", 5)) == name;
      if (named && line.rfind("SigCgt:", 0) == 0 &&
          (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1)
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace qvn::test
