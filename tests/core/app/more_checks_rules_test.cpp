// What the more checks window refuses, how it keeps the site root, and its
// button's caption.

#include "core/app/more_checks_rules.h"

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/temp_dir.h"

namespace qvn::app {
namespace {

using Field = MoreChecksProblem::Field;

TEST(MoreChecksRules, OkRefusesWhatCannotBeUsed) {
  test::TempDir root;
  root.Write("file.htm", "x");
  std::string bare = root.path();
  bare.pop_back();  // an existing folder typed without its separator
  const struct {
    bool site_root;
    std::string folder;
    bool index_pages;
    std::string index_files;
    std::optional<Field> field;
    std::string message;
  } cases[] = {
      {true, "/no/such/root", false, "", Field::kSiteRoot,
       "The site root folder '/no/such/root' does not exist or is not a folder."},
      {true, root.path() + "file.htm", false, "", Field::kSiteRoot,
       "The site root folder '" + root.path() + "file.htm' does not exist or is not a folder."},
      {false, "/no/such/root", false, "", std::nullopt, ""},
      {true, bare, false, "", std::nullopt, ""},
      {true, "  ", false, "", std::nullopt, ""},  // empty: the top folder
      {false, "", true, " , ,", Field::kIndexFiles,
       "Name at least one index page (such as index.html) for links to folders."},
      {false, "", false, "", std::nullopt, ""},
      {false, "", true, "home.htm", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    MoreChecks more;
    more.site_root = c.site_root;
    more.site_root_folder = c.folder;
    more.index_pages = c.index_pages;
    more.index_files = c.index_files;
    const auto problem = ValidateMoreChecks(more);
    SCOPED_TRACE(c.folder + " | " + c.index_files);
    ASSERT_EQ(problem.has_value(), c.field.has_value());
    if (problem) {
      EXPECT_EQ(problem->field, *c.field);
      EXPECT_EQ(problem->text, c.message);
    }
  }
  MoreChecks more;
  more.site_root_folder = " " + bare + " ";
  EXPECT_EQ(TidyMoreChecks(more).site_root_folder, root.path());
  more.site_root_folder = "  ";
  EXPECT_EQ(TidyMoreChecks(more).site_root_folder, "");
}

TEST(MoreChecksRules, TheButtonCountsTheChecksOn) {
  MoreChecks more;
  EXPECT_EQ(MoreChecksCaption(more), "More checks...");
  more.all_links = more.site_root = more.letter_case = true;
  EXPECT_EQ(MoreChecksCaption(more), "More checks (3 on)...");
  more.external = true;
  EXPECT_EQ(MoreChecksCaption(more), "More checks (4 on)...");
}

}  // namespace
}  // namespace qvn::app
