#pragma once
// Reads one page and finds the links whose targets do not exist.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "core/results/broken_links.h"
#include "core/site/existence_cache.h"
#include "core/site/folder_lookup.h"

namespace qvn {

struct MoreCheckContext;
class MoreLinkTester;
class EveryLinkReader;

/// What reading a page came to.
enum class PageRead { kRead, kEmpty, kUnreadable };

/// One per thread: it keeps scratch texts between links. The cache and the
/// more checks' context are shared.
class LinkChecker {
 public:
  /// excluded_links: the link-exclusion words as the user typed them. more:
  /// the more checks of the run (null, or all of them off: the line scan
  /// alone). external: links to other sites are collected (see
  /// CollectExternalLink) among the broken links, for the run to ask.
  LinkChecker(const std::vector<std::string>& excluded_links, ExistenceCache& cache,
              MoreCheckContext* more = nullptr, bool external = false);
  ~LinkChecker();
  LinkChecker(const LinkChecker&) = delete;
  LinkChecker& operator=(const LinkChecker&) = delete;

  /// Reads page line by line (with the every-link check: as HTML) and
  /// appends each broken link to broken, with its kind, in page order.
  /// chain runs from the top folder to the page's folder. A page that cannot
  /// be read further is left as read; reading also ends early once *cancel
  /// is set. Returns what became of the page (kEmpty: it turned out to be
  /// empty; kUnreadable: it could not be opened, last_error() says why).
  /// When given, folder is the page's folder opened, and linked
  /// receives the path of every existing target (for a folder link, its
  /// index page), in page order, with "." and ".." resolved (the same file
  /// always gives the same path).
  PageRead CheckLinksInFile(const std::string& page, const std::vector<std::string>& chain,
                        std::vector<BrokenLink>& broken,
                        const std::atomic<bool>* cancel = nullptr,
                        const FolderHandle* folder = nullptr,
                        std::vector<std::string>* linked = nullptr);

  /// Why the last page could not be opened.
  const SystemError& last_error() const { return last_error_; }

  /// True when target names an existing file: "." and ".." inside it are
  /// resolved first, and a target ending in a separator, "." or ".." is never
  /// a file.
  bool TargetExists(const std::string& target) { return lookup_.TargetExists(target, resolved_); }

 private:
  std::vector<std::string> excluded_folded_;
  bool external_ = false;
  // This thread's way to the folder listings, asked without a lock.
  FolderLookup lookup_;
  std::string decoded_line_, link_, target_, resolved_;
  // Only when a more check is on.
  std::unique_ptr<MoreLinkTester> more_;
  std::unique_ptr<EveryLinkReader> every_link_;
  SystemError last_error_;
};

}  // namespace qvn
