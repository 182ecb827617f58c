#pragma once
// The real folders a walk has entered. Symbolic links may lead to one folder
// by many paths (a chain of folders each linking twice to the next doubles
// the paths per level); each real folder is entered once per walk, the first
// time the walk reaches it, and folders on pseudo file systems never.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "core/platform/platform.h"

namespace qvn {

class FolderVisits {
 public:
  /// Records that the walk reaches folder (open) and tells whether to enter
  /// it: false when it was entered before by any path, or lies on a pseudo
  /// file system. A folder whose identity cannot be read is entered only
  /// when unknown_entered is set (it cannot be told apart from others).
  bool Enter(const FolderHandle& folder, bool unknown_entered);
  /// As Enter for an open folder, for a folder given by its path.
  bool Enter(const std::string& folder, bool unknown_entered);

 private:
  struct IdHash {
    std::size_t operator()(const FolderId& id) const {
      return static_cast<std::size_t>(id.inode * 0x9E3779B97F4A7C15ull ^ id.device);
    }
  };

  std::unordered_set<FolderId, IdHash> entered_;
  // Whether each device met is a pseudo file system: asked once per device.
  std::unordered_map<std::uint64_t, bool> pseudo_devices_;
};

}  // namespace qvn
