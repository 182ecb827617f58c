#pragma once
// Which folders and files a run reads: the top folder, the three exclusion
// lists and the options that choose pages.

#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// The index pages a folder link may lead to, as the box shows them by default.
inline constexpr std::string_view kDefaultIndexFiles =
    "index.html, index.htm, default.htm, default.html, index.shtml, index.php";

/// The checks beyond the line scan. Each is off by default, and with all of
/// them off a check finds and reports exactly what the line scan does.
struct MoreChecks {
  /// Pages are tokenized as HTML: every URL-bearing attribute of every tag,
  /// CSS url() values, srcset candidates, base hrefs.
  bool all_links = false;
  /// Root-relative links ("/img/a.gif") are resolved against the site root
  /// instead of skipped.
  bool site_root = false;
  /// The site root; "" means the top folder. Otherwise ends in the separator.
  std::string site_root_folder;
  /// A link to an existing folder is found when the folder holds one of
  /// index_files, and reported with a note otherwise.
  bool index_pages = false;
  /// The comma list of index page names, as typed.
  std::string index_files = std::string(kDefaultIndexFiles);
  /// "page.htm#intro" and "#intro" need that anchor in the target page.
  bool check_fragments = false;
  /// A link that finds its file only when letter case is ignored is
  /// reported on every platform; missing targets get a likely intended name.
  bool letter_case = false;

  /// Links to other sites (http, https) are asked of their servers once the
  /// pages are read. Unlike the checks above it leaves the line scan as it is,
  /// so AnyOn does not count it.
  bool external = false;
  int external_jobs = 16;            ///< requests under way at once
  int external_timeout_seconds = 30; ///< one request, its redirects included
  long long external_cache_seconds = 86400;  ///< answers kept this long; 0 keeps none
  /// For tests: addresses outside the loopback range are refused unasked.
  bool external_loopback_only = false;
  /// Where the answers are kept (the data folder, which the front end
  /// knows); "" keeps none.
  std::string external_cache_folder;

  /// The checks that change how pages are read (not external).
  bool AnyOn() const {
    return all_links || site_root || index_pages || check_fragments || letter_case;
  }
};

/// What the user chose for a run.
struct Selection {
  std::string top_folder;                        ///< ends in the separator
  std::vector<std::string> excluded_subfolders;  ///< names of top subfolders
  std::vector<std::string> excluded_filepaths;   ///< words; a path holding one is skipped
  std::vector<std::string> excluded_links;       ///< words; a link holding one is not tested
  bool top_folder_only = false;
  bool include_php = false;
  MoreChecks more;  ///< the checks beyond the line scan (check and orphan runs)
};

/// Why a top folder cannot be used; each has its catalogue text.
enum class TopFolderProblem { kNone, kEmpty, kNotAFolder };

/// Removes surrounding spaces from top and tests it. A usable top folder
/// gets exactly one trailing separator (as the folder browser gives it).
TopFolderProblem ValidateTopFolder(std::string& top);

/// Splits an exclusion box as a run does: surrounding spaces removed, items
/// at ",", each trimmed; empty items count (and match everything).
std::vector<std::string> SplitExclusionBox(std::string_view box);

/// The selection tests of the walk, with the exclusion items folded once.
class PageSelector {
 public:
  explicit PageSelector(const Selection& selection);

  /// True when the file's extension neither contains "htm" nor is "php"
  /// with PHP files included.
  bool IsNotSelectedFileType(std::string_view path) const;
  /// True when the folded path contains one folded item (an empty item matches all).
  bool IsExcludedFilepath(std::string_view path) const;
  /// True when subfolder (full path, no trailing separator) is the top
  /// folder followed by an excluded name, compared without letter case.
  bool IsExcludedSubfolder(std::string_view subfolder) const;

 private:
  bool include_php_;
  std::vector<std::string> filepath_items_;
  std::vector<std::string> subfolder_paths_;
};

}  // namespace qvn
