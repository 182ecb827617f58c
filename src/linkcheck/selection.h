#pragma once
// Which folders and files a run reads: the top folder, the three exclusion
// lists and the options that choose pages.

#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// What the user chose for a run.
struct Selection {
  std::string top_folder;                        ///< ends in the separator
  std::vector<std::string> excluded_subfolders;  ///< names of top subfolders
  std::vector<std::string> excluded_filepaths;   ///< words; a path holding one is skipped
  std::vector<std::string> excluded_links;       ///< words; a link holding one is not tested
  bool top_folder_only = false;
  bool include_php = false;
};

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
