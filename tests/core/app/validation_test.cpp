// What must hold before a run, and what a run then reads.

#include "core/app/validation.h"

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/temp_dir.h"

namespace qvn::app {
namespace {

using test::TempDir;

TEST(ValidateChoices, ProblemsAsData) {
  TempDir site;
  site.MakeDir("root");
  const std::string top = site.path(), root = site.path() + "root";
  struct Case {
    std::string top;
    bool site_root;
    std::string root;
    RunKind kind;
    EmptySiteRoot empty;
    std::optional<ProblemKind> problem;
  };
  const Case cases[] = {
      {"   ", false, "", RunKind::kCheck, EmptySiteRoot::kIsTopFolder, ProblemKind::kNoTopFolder},
      {top + "gone", false, "", RunKind::kList, EmptySiteRoot::kIsTopFolder,
       ProblemKind::kTopFolderMissing},
      {top, true, root + "x", RunKind::kCheck, EmptySiteRoot::kIsTopFolder,
       ProblemKind::kSiteRootMissing},
      {top, true, root + "x", RunKind::kList, EmptySiteRoot::kIsTopFolder, std::nullopt},
      {top, true, " ", RunKind::kOrphans, EmptySiteRoot::kIsTopFolder, std::nullopt},
      {top, true, "", RunKind::kCheck, EmptySiteRoot::kIsProblem, ProblemKind::kSiteRootMissing},
      {top, true, root, RunKind::kCheck, EmptySiteRoot::kIsProblem, std::nullopt},
  };
  for (const auto& c : cases) {
    Choices choices;
    choices.top_folder = c.top;
    choices.more.site_root = c.site_root;
    choices.more.site_root_folder = c.root;
    const auto problem = ValidateChoices(choices, c.kind, c.empty);
    SCOPED_TRACE(c.top + " | " + c.root);
    ASSERT_EQ(problem.has_value(), c.problem.has_value());
    if (problem) {
      EXPECT_EQ(problem->kind, *c.problem);
    }
  }
}

TEST(ValidateChoices, GivesTheTopFolderOneSeparator) {
  TempDir site;
  Choices choices;
  choices.top_folder = "  " + site.path() + kSeparator + kSeparator + "  ";
  EXPECT_FALSE(ValidateChoices(choices, RunKind::kCheck));
  EXPECT_EQ(choices.top_folder, site.path());
}

TEST(SelectionOf, PreparesWhatTheWalkReads) {
  TempDir site;
  site.MakeDir("root");
  Choices choices;
  choices.top_folder = site.path();
  choices.excluded_subfolders = {" old" + std::string(1, kSeparator) + " "};
  choices.excluded_filepaths = " a, ,b ";
  choices.more.site_root = true;
  choices.more.site_root_folder = site.path() + "root";
  Selection check = SelectionOf(choices, RunKind::kCheck);
  EXPECT_EQ(check.excluded_subfolders, std::vector<std::string>{"old"});
  EXPECT_EQ(check.excluded_filepaths, (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(check.more.site_root_folder, site.path() + "root" + kSeparator);
  EXPECT_FALSE(SelectionOf(choices, RunKind::kList).more.site_root);
  // The top folder itself, however spelled, leaves links relative to it.
  choices.more.site_root_folder = site.path() + "root" + kSeparator + "..";
  EXPECT_EQ(SelectionOf(choices, RunKind::kOrphans).more.site_root_folder, "");
}

}  // namespace
}  // namespace qvn::app
