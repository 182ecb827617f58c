#include "core/site/walk.h"

#include <algorithm>

#include "core/text/casefold.h"
#include "core/platform/path.h"
#include "core/site/folder_visits.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

class FolderWalk {
 public:
  FolderWalk(const Selection& selection, Status& status, PageVisitor& visitor)
      : selection_(selection),
        selector_(selection),
        status_(status),
        visitor_(visitor),
        lengths_wanted_(!visitor.SkipsEmptyPagesItself()),
        other_files_wanted_(visitor.WantsOtherFiles()) {}

  bool Run() {
    auto top = std::make_shared<FolderHandle>();
    top->Open(selection_.top_folder);
    if (visits_.Enter(*top, true)) Walk(selection_.top_folder, std::move(top));
    return !stopped_;
  }

 private:
  bool Stop() {
    if (!stopped_) stopped_ = status_.ShouldStop();
    return stopped_;
  }

  void Walk(const std::string& folder, std::shared_ptr<const FolderHandle> handle);
  bool WalkFiles(const std::string& folder, const std::vector<FolderEntry>& entries);
  void WalkSubfolders(const std::string& folder, const std::vector<FolderEntry>& entries);
  bool IsSelected(const std::string& path, const FolderEntry& entry, bool& size_failed) const;

  const Selection& selection_;
  PageSelector selector_;
  Status& status_;
  PageVisitor& visitor_;
  PageFolder folder_{std::make_shared<FolderChain>(), nullptr};
  FolderVisits visits_;
  const bool lengths_wanted_;
  const bool other_files_wanted_;
  long long files_found_ = 0;
  bool stopped_ = false;
};

void FolderWalk::Walk(const std::string& folder, std::shared_ptr<const FolderHandle> handle) {
  std::string working = folder;
  EnsureTrailingBackslash(working);
  const PageFolder parent = folder_;
  auto chain = std::make_shared<FolderChain>(*parent.chain);
  chain->push_back(parent.chain->empty() ? folder : working);
  folder_ = {std::move(chain), handle};
  std::vector<FolderEntry> entries;
  // Only the lengths of pages are wanted (an empty page is skipped).
  const SizeFilter pages_only = [](std::string_view name, const void* selector) {
    return !static_cast<const PageSelector*>(selector)->IsNotSelectedFileType(name);
  };
  const SizeFilter sizes = lengths_wanted_ ? pages_only : NoSizes;
  SystemError error;
  if (ListFolder(*handle, entries, &error, sizes, &selector_)) {
    SortNamesForWalk(entries);
    if (WalkFiles(working, entries) && !selection_.top_folder_only) WalkSubfolders(working, entries);
  } else {
    visitor_.OnSkippedFolder(working, error);
  }
  folder_ = parent;
}

bool FolderWalk::IsSelected(const std::string& path, const FolderEntry& entry,
                            bool& size_failed) const {
  if (selector_.IsNotSelectedFileType(path) || selector_.IsExcludedFilepath(path)) return false;
  if (!lengths_wanted_) return true;
  size_failed = !entry.size.has_value();
  return entry.size.value_or(0) > 0;
}

// Returns false when the rest of the folder is to be skipped.
bool FolderWalk::WalkFiles(const std::string& folder, const std::vector<FolderEntry>& entries) {
  for (const auto& entry : entries) {
    if (entry.kind != PathKind::kFile) continue;
    if (Stop()) return false;
    const std::string path = folder + entry.name;
    bool size_failed = false;
    const bool selected = IsSelected(path, entry, size_failed);
    // A file whose length cannot be read ends this folder's walk.
    if (size_failed) return false;
    if (!selected) {
      if (other_files_wanted_ && selector_.IsNotSelectedFileType(path) &&
          !selector_.IsExcludedFilepath(path))
        visitor_.OnOtherFile(path);
      continue;
    }
    visitor_.OnPage(path, ++files_found_, folder_);
    if (Stop()) return false;
  }
  return true;
}

void FolderWalk::WalkSubfolders(const std::string& folder, const std::vector<FolderEntry>& entries) {
  for (const auto& entry : entries) {
    if (entry.kind != PathKind::kFolder) continue;
    if (Stop()) return;
    const std::string path = folder + entry.name;
    if (selector_.IsExcludedSubfolder(path)) continue;
    if (folder_.chain->size() > kMaxLevelsBelowTop) continue;
    auto handle = std::make_shared<FolderHandle>();
    handle->Open(path + kSeparator);
    // A folder reached again (a loop, or another link to it) is passed over;
    // one whose identity cannot be read cannot be listed either.
    if (!visits_.Enter(*handle, false)) {
      SystemError error;
      if (!handle->Id() && !CanReadFolder(path + kSeparator, &error))
        visitor_.OnSkippedFolder(path + kSeparator, error);
      continue;
    }
    Walk(path, std::move(handle));
    if (stopped_) return;
  }
}

}  // namespace

void SortNamesForWalk(std::vector<FolderEntry>& entries) {
  std::vector<std::pair<std::string, FolderEntry>> keyed;
  keyed.reserve(entries.size());
  for (auto& entry : entries) keyed.emplace_back(UpperCaseLatin(entry.name), std::move(entry));
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    const int by_upper = CompareUtf16(a.first, b.first);
    if (by_upper != 0) return by_upper < 0;
    return CompareUtf16(a.second.name, b.second.name) < 0;
  });
  entries.clear();
  for (auto& item : keyed) entries.push_back(std::move(item.second));
}

bool WalkFolders(const Selection& selection, Status& status, PageVisitor& visitor) {
  FolderWalk walk(selection, status, visitor);
  return walk.Run();
}

}  // namespace qvn

