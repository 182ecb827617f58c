#include "core/app/choices.h"

#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/text/text.h"

namespace qvn::app {
namespace {

// The site root as the run takes it; see SelectionOf.
std::string SiteRootForRun(const std::string& chosen, const std::string& top) {
  std::string folder(TrimSpaces(chosen));
  EnsureTrailingBackslash(folder);
  if (folder.empty()) return folder;
  const auto id = GetFolderId(folder);
  if (folder == top || (id && id == GetFolderId(top))) folder.clear();
  return folder;
}

}  // namespace

Selection SelectionOf(const Choices& choices, RunKind kind) {
  Selection selection;
  selection.top_folder = choices.top_folder;
  for (const auto& name : choices.excluded_subfolders) {
    std::string bare(TrimSpaces(name));
    while (bare.size() > 1 && bare.back() == kSeparator) bare.pop_back();
    selection.excluded_subfolders.push_back(std::move(bare));
  }
  selection.excluded_filepaths = SplitExclusionBox(choices.excluded_filepaths);
  selection.excluded_links = SplitExclusionBox(choices.excluded_links);
  selection.top_folder_only = choices.top_folder_only;
  selection.include_php = choices.include_php;
  if (kind != RunKind::kList) {
    selection.more = choices.more;
    selection.more.site_root_folder = SiteRootForRun(choices.more.site_root_folder,
                                                     choices.top_folder);
  }
  return selection;
}

}  // namespace qvn::app
