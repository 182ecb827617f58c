#pragma once
// What a run passed over because the system refused it: folders and pages it
// could not read, and paths too long for the system. A run goes on past
// them; its caller says how many there were.

#include <string>
#include <vector>

#include "core/platform/platform.h"

namespace qvn {

enum class SkipReason {
  kFolder,       ///< a folder whose entries could not be listed
  kPage,         ///< a page that could not be opened or read to its end
  kPathTooLong,  ///< a folder or page whose path is too long for the system
};

struct SkippedPath {
  std::string path;    ///< full path
  SkipReason reason;
  std::string error;   ///< the system's wording; "" when it gave none
};

/// The paths a run skipped, in the order it met them.
class Skipped {
 public:
  void Add(std::string path, SkipReason reason, std::string error = {}) {
    paths_.push_back({std::move(path), reason, std::move(error)});
  }
  /// Adds path, refused with error: kPathTooLong when the path was too long
  /// for the system, otherwise reason.
  void Add(std::string path, SkipReason reason, const SystemError& error) {
    Add(std::move(path), IsPathTooLong(error) ? SkipReason::kPathTooLong : reason,
        error.description);
  }
  long long Count(SkipReason reason) const {
    long long count = 0;
    for (const auto& skipped : paths_) count += skipped.reason == reason;
    return count;
  }
  bool empty() const { return paths_.empty(); }
  const std::vector<SkippedPath>& paths() const { return paths_; }

 private:
  std::vector<SkippedPath> paths_;
};

}  // namespace qvn
