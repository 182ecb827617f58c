#pragma once
// The more checks of one link: resolving it (site root, base href), testing
// its target (file, folder with an index page, letter case, fragment), and
// recording what is broken and what exists. One per thread.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/results/broken_links.h"
#include "core/site/folder_lookup.h"
#include "core/links/link_form.h"
#include "core/links/more_check_context.h"
#include "core/site/path_table.h"

namespace qvn {

class MoreLinkTester {
 public:
  /// excluded_folded: the link-exclusion words, folded; kept by reference.
  MoreLinkTester(MoreCheckContext& context, const std::vector<std::string>& excluded_folded,
                 FolderLookup& lookup);

  /// The next page: its path, the folders from the top folder down to it,
  /// and where its results go (linked may be null; see
  /// LinkChecker::CheckLinksInFile). Forgets the last page's base.
  void StartPage(const std::string& page, const std::vector<std::string>& chain,
                 std::vector<BrokenLink>& broken, std::vector<std::string>* linked);

  /// A base element's href: the first of a page counts for the links after
  /// it. A base on another site (a scheme, "//") makes them all external; a
  /// root-relative one needs the site root (otherwise the same).
  void SetBase(std::string_view href);

  /// Tests one link as written, found at line and column (from 1).
  void Test(std::string_view written, long long line, long long column);

 private:
  enum class Base { kNone, kExternal, kRelative, kRoot };

  bool Resolve();
  void TestTarget();
  bool TestFolder();
  void Found(const std::string& path);
  void CheckFragment(const std::string& path);
  void Missing();
  std::optional<std::string> CaseDifference();
  // True when the folders of path below the top folder (or the site root)
  // are spelled as the file system spells them.
  bool FolderSpelledExactly(std::string_view path);
  void Report(LinkKind kind, std::string suggestion, bool with_fragment = false);

  MoreCheckContext& context_;
  const MoreChecks& options_;
  LinkFormRules rules_;
  FolderLookup& lookup_;
  // The page.
  const std::string* page_ = nullptr;
  std::string page_key_;  // its path with "." and ".." resolved
  const std::vector<std::string>* chain_ = nullptr;
  std::vector<std::string> root_chain_;  // the site root alone
  std::string top_key_, root_key_;       // both with "." and ".." resolved
  std::vector<BrokenLink>* broken_ = nullptr;
  std::vector<std::string>* linked_ = nullptr;
  Base base_ = Base::kNone;
  bool base_seen_ = false;
  std::string base_folder_, base_document_;
  // The link.
  FormedLink formed_;
  std::string_view written_;
  long long line_ = 0, column_ = 0;
  bool from_root_ = false;
  std::string relative_, target_, resolved_;
  // Folders whose names were found as written (1) or not (0).
  PathTable exact_folders_;
  // Missing targets already looked at: the kind and the suggestion.
  std::unordered_map<std::string, std::pair<LinkKind, std::string>> missing_;
};

}  // namespace qvn
