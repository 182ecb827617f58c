#pragma once
// What must hold before a run starts, as data: each front end words and
// shows a problem in its own way.

#include <optional>
#include <string>

#include "core/app/choices.h"

namespace qvn::app {

enum class ProblemKind {
  kNoTopFolder,       ///< the top folder is empty
  kTopFolderMissing,  ///< the top folder is not an existing folder (detail: as typed, trimmed)
  kTopFolderUnreadable,  ///< its entries cannot be listed (detail: the folder; reason: why)
  kSiteRootMissing,   ///< the site root check is on and its folder is not there (detail: as chosen)
};

struct Problem {
  ProblemKind kind;
  int text = 0;        ///< catalogue text that says it, or 0 when it has none
  std::string detail;  ///< the folder concerned
  std::string reason = {};  ///< the system's reason, where there is one
};

/// How an empty site root folder is taken: as the top folder (a settings
/// file or the window may leave it empty) or as a mistake (typed as such).
enum class EmptySiteRoot { kIsTopFolder, kIsProblem };

/// Checks choices for a run of kind. The top folder loses surrounding
/// spaces and, when usable, gets exactly one trailing separator (as the
/// folder browser gives it): the front ends show it so. The site root is
/// tested for check runs and orphan searches only.
std::optional<Problem> ValidateChoices(Choices& choices, RunKind kind,
                                       EmptySiteRoot empty_site_root = EmptySiteRoot::kIsTopFolder);

}  // namespace qvn::app
