#pragma once
// Reads one page and finds the links whose targets do not exist.

#include <atomic>
#include <string>
#include <vector>

#include "common/platform.h"
#include "linkcheck/broken_links.h"
#include "linkcheck/existence_cache.h"

namespace qvn {

/// One per thread: it keeps scratch texts between links. The cache is shared.
class LinkChecker {
 public:
  /// excluded_links: the link-exclusion words as the user typed them.
  LinkChecker(const std::vector<std::string>& excluded_links, ExistenceCache& cache);

  /// Reads page line by line and appends each broken link to broken, in line
  /// order. chain runs from the top folder to the page's
  /// folder. A page that cannot be opened or read further is left silently;
  /// reading also ends early once *cancel is set. Returns false when the page
  /// turned out to be empty. When given, folder is the page's folder opened,
  /// and linked receives the path of every existing target, in line order,
  /// with "." and ".." resolved (the same file always gives the same path).
  bool CheckLinksInFile(const std::string& page, const std::vector<std::string>& chain,
                        std::vector<BrokenLink>& broken,
                        const std::atomic<bool>* cancel = nullptr,
                        const FolderHandle* folder = nullptr,
                        std::vector<std::string>* linked = nullptr);

  /// True when target names an existing file: "." and ".." inside it are
  /// resolved first, and a target ending in a separator, "." or ".." is never
  /// a file.
  bool TargetExists(const std::string& target);

 private:
  bool Exists(std::string_view path);

  std::vector<std::string> excluded_folded_;
  ExistenceCache& cache_;
  // This thread's way to the folder listings, asked without a lock.
  PathTable folder_index_;
  std::vector<const ExistenceCache::Listing*> listings_;
  std::string decoded_line_, link_, target_, resolved_;
};

}  // namespace qvn
