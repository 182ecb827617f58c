#include "core/site/selection.h"

#include <algorithm>

#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/text/casefold.h"
#include "core/text/text.h"

namespace qvn {

PageSelector::PageSelector(const Selection& selection) : include_php_(selection.include_php) {
  for (const auto& item : selection.excluded_filepaths)
    filepath_items_.push_back(LowerCaseLatin(item));
  for (const auto& name : selection.excluded_subfolders)
    subfolder_paths_.push_back(LowerCaseLatin(selection.top_folder + name));
}

bool PageSelector::IsNotSelectedFileType(std::string_view path) const {
  const std::string extension = GetFileExtension(path, true);
  if (extension.find("htm") != std::string::npos) return false;
  if (!include_php_) return true;
  return extension != "php";
}

bool PageSelector::IsExcludedFilepath(std::string_view path) const {
  if (filepath_items_.empty()) return false;
  const std::string folded = LowerCaseLatin(path);
  return std::any_of(filepath_items_.begin(), filepath_items_.end(),
                     [&](const std::string& item) { return folded.find(item) != std::string::npos; });
}

bool PageSelector::IsExcludedSubfolder(std::string_view subfolder) const {
  if (subfolder_paths_.empty()) return false;
  const std::string folded = LowerCaseLatin(subfolder);
  return std::find(subfolder_paths_.begin(), subfolder_paths_.end(), folded) !=
         subfolder_paths_.end();
}

TopFolderProblem ValidateTopFolder(std::string& top) {
  top = std::string(TrimSpaces(top));
  if (top.empty()) return TopFolderProblem::kEmpty;
  if (!IsExistingFolder(top)) return TopFolderProblem::kNotAFolder;
  EnsureTrailingBackslash(top);
  return TopFolderProblem::kNone;
}

std::vector<std::string> SplitExclusionBox(std::string_view box) {
  std::vector<std::string> items;
  SplitList(TrimSpaces(box), ",", 1, items, true);
  return items;
}

}  // namespace qvn
