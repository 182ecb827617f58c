#pragma once
// The rules of the more checks as a window offers them: what OK refuses,
// how the chosen site root is kept, and the caption of the button that
// opens the window.

#include <optional>
#include <string>

#include "core/site/selection.h"

namespace qvn::app {

/// The message for a site root folder that cannot be used: one that is not
/// empty (after trimming spaces) and names no existing folder; "" otherwise.
std::string SiteRootProblemText(const std::string& folder);

/// What OK refuses, and the box to put right.
struct MoreChecksProblem {
  enum class Field { kSiteRoot, kIndexFiles };
  Field field;
  std::string text;
};

/// The first problem of more, or none. A check that is off is not used, so
/// what its box holds is not judged: the site root must be usable (see
/// SiteRootProblemText), and the index pages must name at least one file.
std::optional<MoreChecksProblem> ValidateMoreChecks(const MoreChecks& more);

/// more as a window keeps it after OK: the site root folder without
/// surrounding spaces and, when not empty, ending in the separator.
MoreChecks TidyMoreChecks(MoreChecks more);

/// "More checks..." or, with some on, "More checks (2 on)...".
std::string MoreChecksCaption(const MoreChecks& more);

}  // namespace qvn::app
