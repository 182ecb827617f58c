#include "core/app/more_checks_rules.h"

#include "core/platform/path.h"
#include "core/text/text.h"

namespace qvn::app {
namespace {

// True when the comma list names at least one file.
bool NamesAFile(std::string_view list) {
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = list.find(',', start);
    if (comma == std::string_view::npos) comma = list.size();
    if (!TrimBlanks(list.substr(start, comma - start)).empty()) return true;
    start = comma + 1;
  }
  return false;
}

}  // namespace

std::string SiteRootProblemText(const std::string& folder) {
  const std::string trimmed(TrimSpaces(folder));
  if (trimmed.empty() || IsExistingFolder(trimmed)) return {};
  return "The site root folder '" + trimmed + "' does not exist or is not a folder.";
}

std::optional<MoreChecksProblem> ValidateMoreChecks(const MoreChecks& more) {
  if (more.site_root) {
    std::string problem = SiteRootProblemText(more.site_root_folder);
    if (!problem.empty())
      return MoreChecksProblem{MoreChecksProblem::Field::kSiteRoot, std::move(problem)};
  }
  if (more.index_pages && !NamesAFile(more.index_files))
    return MoreChecksProblem{
        MoreChecksProblem::Field::kIndexFiles,
        "Name at least one index page (such as index.html) for links to folders."};
  return std::nullopt;
}

MoreChecks TidyMoreChecks(MoreChecks more) {
  more.site_root_folder = std::string(TrimSpaces(more.site_root_folder));
  EnsureTrailingBackslash(more.site_root_folder);
  return more;
}

std::string MoreChecksCaption(const MoreChecks& more) {
  const int on = int{more.all_links} + int{more.site_root} + int{more.index_pages} +
                 int{more.check_fragments} + int{more.letter_case} + int{more.external};
  if (on == 0) return "More checks...";
  return "More checks (" + std::to_string(on) + " on)...";
}

}  // namespace qvn::app
