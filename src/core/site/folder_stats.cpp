#include "core/site/folder_stats.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>
#include <utility>

#include "core/platform/path.h"
#include "core/site/folder_visits.h"
#include "core/text/wildcard.h"
#include "core/site/walk.h"

namespace qvn {
namespace {

// Lists folder through reader. An empty path would list the working folder,
// which no caller means, so it reads as a missing folder.
bool ReadFolder(const FolderReader& reader, const std::string& folder,
                std::vector<FolderEntry>& entries, SystemError& error) {
  error = {};
  entries.clear();
  if (folder.empty()) {
    error.code = ENOENT;
    error.description = std::generic_category().message(ENOENT);
    return false;
  }
  return reader.List(folder, entries, &error);
}

long long CountOfKind(const std::vector<FolderEntry>& entries, PathKind kind) {
  return std::count_if(entries.begin(), entries.end(),
                       [kind](const FolderEntry& entry) { return entry.kind == kind; });
}

FolderCount FailedFileCount(const SystemError& error) {
  FolderCount result;
  if (error.permission_denied) {
    result.permission_denied = true;
    return result;
  }
  result.count = -1;
  result.error_code = error.code;
  result.error_text = error.description;
  return result;
}

// Depth-first count of a folder tree into one TreeCount.
class TreeCounter {
 public:
  TreeCounter(std::string_view pattern, bool sum_sizes, const FolderReader& reader,
              TreeCount& tally)
      : pattern_(pattern), sum_sizes_(sum_sizes), reader_(reader), tally_(tally) {}

  void CountFolder(std::string folder);

 private:
  bool Stopped() const { return tally_.error_code > 0 || tally_.file_limit == kFileLimitReached; }
  void CountFiles(const std::string& folder, const std::vector<FolderEntry>& entries);
  void CountSubfolders(const std::string& folder, const std::vector<FolderEntry>& entries);

  std::string_view pattern_;
  bool sum_sizes_;
  const FolderReader& reader_;
  TreeCount& tally_;
  FolderVisits visits_;
};

void TreeCounter::CountFolder(std::string folder) {
#ifdef _WIN32
  // Windows paths ignore letter case; elsewhere case is part of the name, so
  // the path is used as given.
  folder = NormalisePathCase(folder);
#endif
  EnsureTrailingBackslash(folder);
  // Each real folder is counted once, however many links lead to it.
  if (!visits_.Enter(folder, true)) return;
  std::vector<FolderEntry> entries;
  SystemError error;
  if (!ReadFolder(reader_, folder, entries, error)) {
    // A folder that may not be read is skipped; the walk goes on with its siblings.
    if (!error.permission_denied) tally_.error_code = error.code;
    return;
  }
  SortNamesForWalk(entries);
  CountFiles(folder, entries);
  if (!Stopped()) CountSubfolders(folder, entries);
}

void TreeCounter::CountFiles(const std::string& folder, const std::vector<FolderEntry>& entries) {
  for (const FolderEntry& entry : entries) {
    if (entry.kind != PathKind::kFile || !MatchesFilePattern(entry.name, pattern_, false)) continue;
    ++tally_.files;
    if (sum_sizes_) tally_.bytes += GetFileSize(folder + entry.name).value_or(0);
    if (tally_.file_limit > 0 && tally_.files >= tally_.file_limit) {
      tally_.file_limit = kFileLimitReached;
      return;
    }
  }
}

void TreeCounter::CountSubfolders(const std::string& folder,
                                  const std::vector<FolderEntry>& entries) {
  for (const FolderEntry& entry : entries) {
    if (entry.kind != PathKind::kFolder) continue;
    CountFolder(folder + entry.name);
    if (Stopped()) return;
  }
}

}  // namespace

bool FolderReader::List(const std::string& folder, std::vector<FolderEntry>& entries,
                        SystemError* error) const {
  return ListFolder(folder, entries, error);
}

const FolderReader& DiskFolderReader() {
  static const FolderReader reader;
  return reader;
}

FolderCount CountFilesInFolder(const std::string& folder, std::string_view pattern,
                               const FileCountOptions& options, const FolderReader& reader) {
  std::vector<FolderEntry> entries;
  SystemError error;
  if (!ReadFolder(reader, folder, entries, error)) return FailedFileCount(error);
  FolderCount result;
  if (pattern == kAllFiles && !options.sum_sizes) {
    result.count = CountOfKind(entries, PathKind::kFile);
    return result;
  }
  std::string prefix = folder;
  EnsureTrailingBackslash(prefix);
  SortNamesForWalk(entries);
  for (const FolderEntry& entry : entries) {
    if (entry.kind != PathKind::kFile) continue;
    if (MatchesFilePattern(entry.name, pattern, false)) {
      ++result.count;
      if (options.sum_sizes) {
        const std::optional<std::uint64_t> size = GetFileSize(prefix + entry.name, &error);
        if (!size) return FailedFileCount(error);
        result.bytes += *size;
      }
      if (options.stop_at_first) break;
    }
    if (options.after_each_file) options.after_each_file();
  }
  return result;
}

FolderCount CountSubfolders(const std::string& folder, const FolderReader& reader) {
  std::string path = folder;
  EnsureTrailingBackslash(path);
  std::vector<FolderEntry> entries;
  SystemError error;
  FolderCount result;
  if (!ReadFolder(reader, path, entries, error)) {
    result.count = -1;
    result.permission_denied = error.permission_denied;
    result.error_code = error.code;
    result.error_text = error.description;
    return result;
  }
  result.count = CountOfKind(entries, PathKind::kFolder);
  return result;
}

bool IsFolderEmpty(const std::string& folder, bool* permission_denied, const FolderReader& reader) {
  FileCountOptions options;
  options.stop_at_first = true;
  const FolderCount files = CountFilesInFolder(folder, kAllFiles, options, reader);
  if (permission_denied != nullptr) *permission_denied = files.permission_denied;
  if (files.permission_denied || files.count < 0) return true;
  // A folder whose subfolders cannot be counted counts as empty.
  if (files.count == 0) return CountSubfolders(folder, reader).count <= 0;
  return false;
}

TreeCount CountFilesInTree(const std::string& folder, std::string_view pattern,
                           long long file_limit, bool sum_sizes, const FolderReader& reader) {
  TreeCount tally;
  tally.file_limit = file_limit;
  TreeCounter(pattern, sum_sizes, reader, tally).CountFolder(folder);
  return tally;
}

}  // namespace qvn
