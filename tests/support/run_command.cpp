#include "support/run_command.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace qvn::test {
namespace {

void SetVariable(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
  if (value) {
    setenv(name.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name.c_str());
  }
#endif
}

// Sets "NAME=value" entries for the life of the object, then restores them.
class ScopedEnvironment {
 public:
  explicit ScopedEnvironment(const std::vector<std::string>& entries) {
    for (const auto& entry : entries) {
      const std::size_t cut = entry.find('=');
      const std::string name = entry.substr(0, cut);
      const char* old = std::getenv(name.c_str());
      saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
      SetVariable(name, entry.substr(cut + 1));
    }
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) SetVariable(it->first, it->second);
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// Makes cwd the current folder for the life of the object ("" leaves it).
class ScopedCurrentFolder {
 public:
  explicit ScopedCurrentFolder(const std::string& cwd) {
    if (cwd.empty()) return;
    saved_ = std::filesystem::current_path();
    std::filesystem::current_path(FsPath(cwd));
  }
  ~ScopedCurrentFolder() {
    if (!saved_.empty()) std::filesystem::current_path(saved_);
  }

 private:
  std::filesystem::path saved_;
};

}  // namespace

CommandResult RunQvn(const std::vector<std::string>& args, const std::string& cwd,
                     const std::vector<std::string>& env) {
  const ScopedEnvironment environment(env);
  const ScopedCurrentFolder folder(cwd);
  std::vector<std::string> full{"qvn"};
  full.insert(full.end(), args.begin(), args.end());
  std::ostringstream out, err;
  CommandResult result;
  result.exit_code = cli::RunCli(full, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

CommandResult RunQvnBinary(const std::vector<std::string>& args, const std::string& cwd,
                           const std::vector<std::string>& env) {
  return RunCommand(QVN_BINARY, args, cwd, env);
}

}  // namespace qvn::test
