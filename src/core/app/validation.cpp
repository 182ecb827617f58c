#include "core/app/validation.h"

#include "core/platform/platform.h"
#include "core/settings/catalogue_texts.h"
#include "core/platform/path.h"
#include "core/text/text.h"

namespace qvn::app {

std::optional<Problem> ValidateChoices(Choices& choices, RunKind kind,
                                       EmptySiteRoot empty_site_root) {
  switch (ValidateTopFolder(choices.top_folder)) {
    case TopFolderProblem::kEmpty:
      return Problem{ProblemKind::kNoTopFolder, texts::kNoTopFolder, {}};
    case TopFolderProblem::kNotAFolder:
      return Problem{ProblemKind::kTopFolderMissing, texts::kTopFolderMissing, choices.top_folder};
    case TopFolderProblem::kNone:
      break;
  }
  // A folder that cannot be listed would look like a site without broken links.
  if (SystemError error; !CanReadFolder(choices.top_folder, &error))
    return Problem{ProblemKind::kTopFolderUnreadable, 0, choices.top_folder, error.description};
  if (kind == RunKind::kList || !choices.more.site_root) return std::nullopt;
  const std::string folder(TrimSpaces(choices.more.site_root_folder));
  if (folder.empty() ? empty_site_root == EmptySiteRoot::kIsProblem : !IsExistingFolder(folder))
    return Problem{ProblemKind::kSiteRootMissing, 0, choices.more.site_root_folder};
  return std::nullopt;
}

}  // namespace qvn::app
