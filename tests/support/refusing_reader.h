#pragma once
// A folder reader that lists the disk, except that chosen folders are
// refused as the platform refuses an unreadable folder (a test cannot
// otherwise be refused access when it runs with full privileges).

#include <cerrno>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "core/site/folder_stats.h"

namespace qvn::test {

class RefusingReader : public FolderReader {
 public:
  void Refuse(const std::string& folder) { refused_.insert(Key(folder)); }
  /// Told each folder listed (without its trailing separator), on the
  /// thread that lists it.
  std::function<void(const std::string&)> on_list;

  bool List(const std::string& folder, std::vector<FolderEntry>& entries,
            SystemError* error) const override {
    if (on_list) on_list(Key(folder));
    if (!refused_.contains(Key(folder))) return FolderReader::List(folder, entries, error);
    entries.clear();
    *error = {EACCES, true, std::strerror(EACCES)};
    return false;
  }

 private:
  static std::string Key(std::string folder) {
    while (!folder.empty() && folder.back() == kSeparator) folder.pop_back();
    return folder;
  }
  std::set<std::string> refused_;
};

}  // namespace qvn::test
