#pragma once
// Replacing a user's file without ever losing it: the new bytes go to a
// temporary file beside the old one, which is renamed over it only when
// complete. Several replacements can be prepared first and committed
// together, so that files that belong together change together.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/platform.h"

namespace qvn {

class FileReplacement {
 public:
  FileReplacement() = default;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  /// Removes the temporary file of a replacement not committed.
  ~FileReplacement();

  /// Writes bytes to a temporary file beside the file that path names. A
  /// symbolic link is followed: the file it names is replaced, the link
  /// stays. An existing target that is not a regular file (a device, a
  /// pipe) is never replaced: Commit writes into it instead.
  bool Prepare(const std::string& path, std::string_view bytes, SystemError* error);

  /// Puts the prepared bytes in place. A replaced file keeps its permissions
  /// (and, where allowed, its owner). On failure the old file is untouched
  /// and the temporary file is removed.
  bool Commit(SystemError* error);

  /// Removes the temporary file; the old file stays as it is.
  void Discard();

 private:
  std::string target_;    // the file written, links followed
  std::string temp_;      // "" when nothing waits
  std::string in_place_;  // bytes for a target written in place
  bool write_in_place_ = false;
};

/// True when name is a temporary file FileReplacement makes for file_name
/// ("links_to.txt.tmp1234-0"): one a killed run may have left behind.
bool IsTemporaryFileOf(std::string_view name, std::string_view file_name);

/// An exclusive lock on a folder, held until destroyed: two runs that write
/// into one folder take turns. Advisory: only programs that ask respect it.
class FolderLock {
 public:
  enum class Outcome { kLocked, kBusy, kFailed };
  FolderLock() = default;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

  /// Takes the lock without waiting: kBusy when another holds it.
  Outcome TryLock(const std::string& folder, SystemError* error);

 private:
  std::intptr_t handle_ = -1;  // the platform's descriptor or handle while locked
};

}  // namespace qvn
