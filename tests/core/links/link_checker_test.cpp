#include "core/links/link_checker.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/check/run.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;
using test::TempDir;

struct Pair {
  std::string source, target;
  bool operator==(const Pair&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pair& p) {
  return out << p.source << " -> " << p.target;
}

// Broken links of a check of the whole site, paths relative to the top folder.
std::vector<Pair> Check(const TempDir& site, std::vector<std::string> excluded_links = {}) {
  Selection selection;
  selection.top_folder = site.path();
  selection.excluded_links = std::move(excluded_links);
  Status quiet;
  const CheckResult result = RunCheck(selection, quiet);
  std::vector<Pair> pairs;
  const std::size_t top = site.path().size();
  for (std::size_t i = 0; i < result.broken_links.size(); ++i)
    pairs.push_back({result.broken_links.Source(i).substr(top),
                     result.broken_links.Target(i).substr(top)});
  return pairs;
}

// Pairs written with "/", in the platform's form.
std::vector<Pair> NativePairs(std::vector<Pair> pairs) {
  for (auto& p : pairs) p = {Native(p.source), Native(p.target)};
  return pairs;
}

TEST(LinkChecker, WorkedExample) {
  TempDir site;
  site.Write("news/2019/a.htm",
             "<p><A HREF=\"../../img/My%20Pic.JPG#x\">pic</A> <img src=\"b.gif\"></p>\r\n");
  EXPECT_EQ(Check(site), NativePairs({{"news/2019/a.htm", "img/My Pic.JPG"}}));
  site.Write("img/My Pic.JPG", "jpeg");
  EXPECT_TRUE(Check(site).empty());
}

TEST(LinkChecker, EveryLineEndCountsAndEveryOccurrenceIsKept) {
  TempDir site;
  site.Write("lf.htm", "<a href=\"a.htm\">\n<a href=\"b.htm\">\n");
  site.Write("mixed.htm", "<a href=\"c.htm\">\r<a href=\"c.htm\">\r\n\n<img src=\"d.gif\">");
  EXPECT_EQ(Check(site), (std::vector<Pair>{{"lf.htm", "a.htm"},
                                            {"lf.htm", "b.htm"},
                                            {"mixed.htm", "c.htm"},
                                            {"mixed.htm", "c.htm"},
                                            {"mixed.htm", "d.gif"}}));
}

TEST(LinkChecker, WhatCountsAsAnExistingFile) {
  TempDir site;
  site.Write("b.htm", "x");
  site.Write("sub/inner.htm", "x");
  site.Write("logo.gif", "x");
#ifndef _WIN32
  ASSERT_EQ(symlink("b.htm", (site.path() + "link.htm").c_str()), 0);
  ASSERT_EQ(symlink("gone.htm", (site.path() + "dangling.htm").c_str()), 0);
#endif
  site.Write("index.htm",
             "<a href=\"sub/\">folder</a>\r\n"
             "<a href=\"sub\">folder</a>\r\n"
             "<a href=\"nowhere/../b.htm\">lexical</a>\r\n"
             "<a href=\"./b.htm\">dot</a>\r\n"
             "<a href=\"sub//inner.htm\">doubled</a>\r\n"
             "<a href=\"b.htm/\">slash</a>\r\n"
             "<a href=\"sub/..\">dots</a>\r\n"
             "<a href=\"link.htm\">symlink</a>\r\n"
             "<a href=\"dangling.htm\">dangling</a>\r\n"
             "<a href=\"Logo.GIF\">case</a>\r\n"
             "<a href=\"../above.htm\">above</a>\r\n"
             "<a href=\"sub/../../above.htm\">tested</a>\r\n"
             "<a href=\"b.htm?x=1\">query</a>\r\n"
             "<a href=\"\\b.htm\">backslash</a>\r\n");
#ifdef _WIN32
  // No symbolic links were made; 'Logo.GIF' finds 'logo.gif'.
  EXPECT_EQ(Check(site), NativePairs({{"index.htm", "sub/"},
                                      {"index.htm", "sub"},
                                      {"index.htm", "b.htm/"},
                                      {"index.htm", "sub/.."},
                                      {"index.htm", "link.htm"},
                                      {"index.htm", "dangling.htm"},
                                      {"index.htm", "sub/../../above.htm"}}));
#else
  EXPECT_EQ(Check(site), (std::vector<Pair>{{"index.htm", "sub/"},
                                            {"index.htm", "sub"},
                                            {"index.htm", "b.htm/"},
                                            {"index.htm", "sub/.."},
                                            {"index.htm", "dangling.htm"},
                                            {"index.htm", "Logo.GIF"},
                                            {"index.htm", "sub/../../above.htm"}}));
#endif
}

TEST(LinkChecker, LinkExclusionsAndEncodings) {
  TempDir site;
  site.Write("caf\xC3\xA9.htm", "x");
  site.Write("utf8.htm", "<a href=\"caf\xC3\xA9.htm\">ok</a>\r\n<a href=\"old/x.htm\">\r\n");
  site.Write("latin.htm", "<a href=\"caf\xE9.htm\">ok too</a>\r\n<a href=\"na\xEFve.htm\">\r\n");
  EXPECT_EQ(Check(site, {"OLD"}), (std::vector<Pair>{{"latin.htm", "na\xC3\xAFve.htm"}}));
}

TEST(LinkChecker, HostileContentDoesNotStall) {
  TempDir site;
  std::string binary(70000, '\0');
  binary += "<a href=\"missing-in-binary.htm\"";
  binary += std::string(1000, '\xFF');
  site.Write("binary.htm", binary);
  std::string long_line(5 << 20, 'x');
  long_line += " <a href=\"far.htm\">";
  site.Write("long.htm", long_line);
  EXPECT_EQ(Check(site), (std::vector<Pair>{{"binary.htm", "missing-in-binary.htm"},
                                            {"long.htm", "far.htm"}}));
}

TEST(LinkChecker, EachBrokenLinkKeepsItsLineColumnAndSpelling) {
  TempDir site;
  std::string page = "<p>\r\n\r\n  <a href=\"one.htm#top\">\n\n\r<img src=\"caf\xE9.gif\">\r\r\n";
  page += std::string(300000, 'x') + "\n<a HREF=\"../up/\">";
  site.Write("sub/p.htm", page);
  Selection selection;
  selection.top_folder = site.path();
  Status quiet;
  const CheckResult result = RunCheck(selection, quiet);
  ASSERT_EQ(result.broken_links.size(), 3u);
  struct Expected {
    const char* link;
    long long line, column;
  } expected[] = {{"one.htm#top", 3, 12}, {"caf\xC3\xA9.gif", 6, 11}, {"../up/", 9, 10}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(result.broken_links.Link(i).link, expected[i].link);
    EXPECT_EQ(result.broken_links.Link(i).line, expected[i].line) << i;
    EXPECT_EQ(result.broken_links.Link(i).column, expected[i].column) << i;
  }
}

TEST(LinkChecker, TargetExistsIsCachedForTheRun) {
  TempDir site;
  site.Write("a.htm", "x");
  ExistenceCache cache;
  LinkChecker checker({}, cache);
  EXPECT_TRUE(checker.TargetExists(site.path() + "a.htm"));
  ASSERT_EQ(unlink((site.path() + "a.htm").c_str()), 0);
  EXPECT_TRUE(checker.TargetExists(site.path() + "a.htm"));
  ExistenceCache next_run;
  EXPECT_FALSE(LinkChecker({}, next_run).TargetExists(site.path() + "a.htm"));
}

TEST(LinkChecker, RelativeTopFolderStaysRelative) {
  TempDir site;
  site.Write("web/p.htm", "<a href=\"gone.htm\">\r\n");
  char old[4096];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(site.path().c_str()), 0);
  Selection selection;
  selection.top_folder = Native("web/");
  Status quiet;
  const CheckResult result = RunCheck(selection, quiet);
  ASSERT_EQ(chdir(old), 0);
  ASSERT_EQ(result.broken_links.size(), 1u);
  EXPECT_EQ(result.broken_links.Source(0), Native("web/p.htm"));
  EXPECT_EQ(result.broken_links.Target(0), Native("web/gone.htm"));
}

TEST(RunLogic, ValidationAndTexts) {
  TempDir site;
  std::string top = "  ";
  EXPECT_EQ(ValidateTopFolder(top), TopFolderProblem::kEmpty);
  top = " " + site.path() + "missing ";
  EXPECT_EQ(ValidateTopFolder(top), TopFolderProblem::kNotAFolder);
  site.Write("file.htm", "x");
  top = site.path() + "file.htm";
  EXPECT_EQ(ValidateTopFolder(top), TopFolderProblem::kNotAFolder);
  top = "  " + site.path() + Native("//") + "  ";
  EXPECT_EQ(ValidateTopFolder(top), TopFolderProblem::kNone);
  EXPECT_EQ(top, site.path());

  EXPECT_EQ(SplitExclusionBox("temp, old ,backup"),
            (std::vector<std::string>{"temp", "old", "backup"}));
  EXPECT_EQ(SplitExclusionBox("  "), std::vector<std::string>{});
  EXPECT_EQ(SplitExclusionBox("a,,b"), (std::vector<std::string>{"a", "", "b"}));

  EXPECT_EQ(CheckOutcomeText(0, false), "Congratulations!  There are no broken local links.");
  EXPECT_EQ(CheckOutcomeText(1, false), "There is only one broken local link.");
  EXPECT_EQ(CheckOutcomeText(1234, false), "There are 1234 broken local links.");
  EXPECT_EQ(CheckOutcomeText(5, true), "Checking of links was stopped.");
  EXPECT_EQ(CheckOutcomeText(0, false, true), "Congratulations!  There are no broken links.");
  EXPECT_EQ(CheckOutcomeText(1, false, true), "There is only one broken link.");
  EXPECT_EQ(CheckOutcomeText(3, false, true), "There are 3 broken links.");
  EXPECT_EQ(ScanningText(12, "news/page.htm"), "#12  news/page.htm");
  EXPECT_EQ(BrokenSoFarText(1), "One broken link found so far.");
  EXPECT_EQ(BrokenSoFarText(2), "2 broken links found so far.");
  EXPECT_EQ(FilesSoFarText(1000), "Number of files so far: 1,000");
}

}  // namespace
}  // namespace qvn
