#pragma once
// The user's choices for a run, in one shape for both front ends: the main
// window holds one, and the command line fills one from its options and a
// settings file. A run turns them into the walk's Selection.

#include <string>
#include <vector>

#include "core/site/selection.h"

namespace qvn::app {

/// The three runs a user can start.
enum class RunKind { kCheck, kList, kOrphans };

struct Choices {
  std::string top_folder;                        ///< as typed or chosen
  std::vector<std::string> excluded_subfolders;  ///< names of top subfolders
  std::string excluded_filepaths;                ///< the comma list, as typed
  std::string excluded_links;                    ///< the comma list, as typed
  bool top_folder_only = false;
  bool show_repeated = false;  ///< the text reports list a repeated broken link again
  bool include_php = false;
  MoreChecks more;             ///< as chosen; SelectionOf prepares the site root
  std::string output_folder;   ///< for the text reports and the file list; "" = the data folder
  std::string format = "text";  ///< text, json, csv, sarif or markdown
};

/// What a run of kind reads and checks. The subfolder names lose surrounding
/// spaces and trailing separators (a name completed by a shell has one); the
/// exclusion lists are split at ","; a list run ignores the more checks
/// (they concern what links reach, not which pages are read); the site root
/// folder gets one trailing separator and becomes "" when it is the top
/// folder however spelled (links then stay relative to it).
/// choices.top_folder should have passed ValidateChoices.
Selection SelectionOf(const Choices& choices, RunKind kind);

}  // namespace qvn::app
