#pragma once
// Reads pages and records the links whose targets do not exist.

#include <string>
#include <unordered_map>
#include <vector>

#include "linkcheck/broken_links.h"
#include "linkcheck/status.h"

namespace qvn {

class LinkChecker {
 public:
  /// excluded_links: the link-exclusion words as the user typed them.
  explicit LinkChecker(const std::vector<std::string>& excluded_links);

  /// Reads page line by line and appends each broken link to table, telling
  /// status the new count. chain runs from the top folder to the page's
  /// folder. A page that cannot be opened or read further is left silently.
  void CheckLinksInFile(const std::string& page, const std::vector<std::string>& chain,
                        BrokenLinkTable& table, Status& status);

  /// True when target names an existing file: "." and ".." inside it are
  /// resolved first, and a target ending in a separator, "." or ".." is never
  /// a file. Answers are kept for the life of this checker (one run).
  bool TargetExists(const std::string& target);

 private:
  std::vector<std::string> excluded_folded_;
  std::unordered_map<std::string, bool> exists_;
};

}  // namespace qvn
