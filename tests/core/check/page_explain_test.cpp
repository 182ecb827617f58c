// Explaining a line of a page: the top folder, whether a check reads the
// page, which line is meant, and what cannot be explained.

#include "core/check/page_explain.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;
using test::TempDir;

Selection WithTop(const std::string& top) {
  Selection selection;
  selection.top_folder = top;
  return selection;
}

TEST(PageExplain, TheTopFolderIsThePagesOwnUnlessGiven) {
  TempDir site;
  site.Write("news/a.htm", "<a href=\"../index.htm\">\r\n");
  site.Write("index.htm", "x");
  const std::string page = site.path() + Native("news/a.htm");
  const auto own = ExplainPageLine(page, 1, {});
  ASSERT_EQ(own.error, "");
  EXPECT_EQ(own.steps[1], "Top folder: '" + site.path() + Native("news/") +
                              "' (the page's own folder, as no top folder was given).");
  EXPECT_EQ(own.line.outcome, LinkOutcome::kAboveTop);

  const auto given = ExplainPageLine(page, 1, WithTop(site.path()), "from the settings file x.usr");
  ASSERT_EQ(given.error, "");
  EXPECT_EQ(given.steps[0], "Page: '" + page + "'.");
  EXPECT_EQ(given.steps[1], "Top folder: '" + site.path() + "' (from the settings file x.usr).");
  EXPECT_EQ(given.steps[2], "A check reads this page.");
  EXPECT_EQ(given.steps[3], "Line 1: '<a href=\"../index.htm\">'.");
  EXPECT_EQ(given.line.outcome, LinkOutcome::kOk);

  // The top folder written another way still holds the page.
  const auto dotted = ExplainPageLine(page, 1, WithTop(site.path() + Native("news/../")));
  ASSERT_EQ(dotted.error, "");
  EXPECT_EQ(dotted.line.outcome, LinkOutcome::kOk);
}

TEST(PageExplain, SaysWhyACheckWouldNotReadThePage) {
  struct Case {
    const char* page;
    const char* reason;  // "" = the page is read
    void (*choose)(Selection&);
  } cases[] = {
      {"a.htm", "", [](Selection&) {}},
      {"a.txt", "its extension 'txt' does not contain 'htm' ('php' is read on request)",
       [](Selection&) {}},
      {"a.php", "its extension 'php' does not contain 'htm'", [](Selection&) {}},
      {"a.php", "", [](Selection& s) { s.include_php = true; }},
      {"old-pages/a.htm", "its path contains the excluded word 'OLD-PAGES'",
       [](Selection& s) {
         s.excluded_filepaths = {"nowhere-word", "OLD-PAGES"};
       }},
      {"a.htm", "the path exclusions hold an empty item",
       [](Selection& s) { s.excluded_filepaths = {""}; }},
      {"Images/deep/a.htm", "it lies in the excluded subfolder 'Images'",
       [](Selection& s) { s.excluded_subfolders = {"images"}; }},
      {"deep/images/a.htm", "", [](Selection& s) { s.excluded_subfolders = {"images"}; }},
      {"sub/a.htm", "only the pages directly in the top folder are read",
       [](Selection& s) { s.top_folder_only = true; }},
      {"empty.htm", "it is empty", [](Selection&) {}},
  };
  for (const auto& c : cases) {
    TempDir site;
    site.Write(c.page, std::string(c.page) == "empty.htm" ? "" : "<a href=\"a.htm\">\r\n");
    Selection selection = WithTop(site.path());
    c.choose(selection);
    const auto explained = ExplainPageLine(site.path() + Native(c.page), 1, selection);
    if (std::string(c.page) == "empty.htm") {
      EXPECT_NE(explained.error.find("it holds none"), std::string::npos) << explained.error;
      continue;
    }
    ASSERT_EQ(explained.error, "") << c.page;
    const std::string expected = *c.reason == '\0'
                                     ? "A check reads this page."
                                     : "A check does not read this page: " + std::string(c.reason);
    EXPECT_TRUE(explained.steps[2].starts_with(expected)) << explained.steps[2];
  }
}

TEST(PageExplain, LinesAreCountedAsReportsCountThem) {
  TempDir site;
  site.Write("p.htm",
             "<p>\r\n\r\n<a href=\"one.htm\">\r<a href=\"two.htm\">\n\n<img src=\"three.gif\">");
  const std::string page = site.path() + "p.htm";
  struct Case {
    long long line;
    const char* target;  // "" = no link
  } cases[] = {{1, ""}, {2, ""}, {3, "one.htm"}, {4, "two.htm"}, {5, ""}, {6, "three.gif"}};
  for (const auto& c : cases) {
    const auto explained = ExplainPageLine(page, c.line, {});
    ASSERT_EQ(explained.error, "") << c.line;
    EXPECT_EQ(explained.line.target, *c.target == '\0' ? "" : site.path() + c.target) << c.line;
  }
  EXPECT_NE(ExplainPageLine(page, 7, {}).error.find("its last line with text is 6"),
            std::string::npos);
}

TEST(PageExplain, LongLinesAreShownCut) {
  TempDir site;
  site.Write("p.htm", std::string(500, 'x') + " <a href=\"a.htm\">\r\n");
  const auto explained = ExplainPageLine(site.path() + "p.htm", 1, {});
  EXPECT_EQ(explained.steps[3],
            "Line 1: '" + std::string(300, 'x') + "'... (517 characters in all).");
  EXPECT_EQ(explained.line.outcome, LinkOutcome::kBroken);
}

TEST(PageExplain, WhatCannotBeExplained) {
  TempDir site, elsewhere;
  site.Write("p.htm", "<a href=\"a.htm\">\r\n");
  site.MakeDir("folder");
  elsewhere.Write("q.htm", "x");
  struct Case {
    std::string page;
    long long line;
    std::string top;
    std::string error;
  } cases[] = {
      {site.path() + "missing.htm", 1, "", "missing.htm does not exist"},
      {site.path() + "folder", 1, "", "folder is a folder, not a page"},
      {site.path() + "p.htm", 0, "", "line numbers start at 1"},
      {site.path() + "p.htm", 2, "", "line 2 of " + site.path() + "p.htm is past its text"},
      {site.path() + "p.htm", 1, site.path() + "nowhere", "is not a folder"},
      {elsewhere.path() + "q.htm", 1, site.path(), "does not lie below the top folder"},
      {site.path() + "p.htm", 1, site.path() + "folder", "does not lie below the top folder"},
      {site.path() + Native("folder/../p.htm"), 1, site.path() + "folder",
       "does not lie below the top folder"},
  };
  for (const auto& c : cases) {
    const auto explained = ExplainPageLine(c.page, c.line, WithTop(c.top));
    EXPECT_NE(explained.error.find(c.error), std::string::npos) << explained.error;
    EXPECT_TRUE(explained.steps.empty());
  }
}

}  // namespace
}  // namespace qvn
