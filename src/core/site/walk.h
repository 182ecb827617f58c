#pragma once
// The folder walk: each folder's pages in name order, then its subfolders,
// depth first, skipping what the selection excludes.

#include <memory>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "core/site/selection.h"
#include "core/site/status.h"

namespace qvn {

/// Folders from the top folder (index 0) down to the page's folder, each
/// ending in the separator: what "../" steps climb through.
using FolderChain = std::vector<std::string>;

/// Where a page lies: the folders from the top folder down to it, and its
/// folder opened (for opening the page cheaply). Shared by the folder's pages.
struct PageFolder {
  std::shared_ptr<const FolderChain> chain;
  std::shared_ptr<const FolderHandle> handle;
};

/// Receives the selected pages in walk order.
class PageVisitor {
 public:
  virtual ~PageVisitor() = default;
  /// Page `number` (from 1) at full path `path`, lying in folder.chain->back().
  /// The folder may be kept.
  virtual void OnPage(const std::string& path, long long number, const PageFolder& folder) = 0;
  /// True when the visitor passes over empty pages itself (a page read to
  /// its end finds that out for free), so the walk need not ask for lengths.
  /// Numbers then count empty pages too; the visitor renumbers.
  virtual bool SkipsEmptyPagesItself() const { return false; }
  /// True when the visitor wants OnOtherFile calls too.
  virtual bool WantsOtherFiles() const { return false; }
  /// A file in a walked folder that is no page to read (its type is not
  /// selected), at full path `path`, in walk order among the pages. Files
  /// whose paths are excluded are not passed.
  virtual void OnOtherFile(const std::string& path) { (void)path; }
  /// A folder whose entries could not be listed (error says why), at full
  /// path `path`; the walk goes on past it.
  virtual void OnSkippedFolder(const std::string& path, const SystemError& error) {
    (void)path, (void)error;
  }
};

/// Folders more than this many levels below the top folder are not entered.
inline constexpr std::size_t kMaxLevelsBelowTop = 128;

/// Orders names as the walk takes them: by their upper-case forms, then by
/// their own character codes.
void SortNamesForWalk(std::vector<FolderEntry>& entries);

/// Walks selection.top_folder. Returns false when status asked to stop.
/// Folders that cannot be listed are passed over (told to the visitor's
/// OnSkipped); a file whose length cannot be read ends its folder's walk.
/// Symbolic links to folders are followed, but each real folder is walked
/// once, where the walk order first reaches it, and none on a pseudo file
/// system (FolderVisits).
bool WalkFolders(const Selection& selection, Status& status, PageVisitor& visitor);

}  // namespace qvn
