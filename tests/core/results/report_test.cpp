#include <gtest/gtest.h>

#include "core/results/report_by_source.h"
#include "core/results/report_by_target.h"
#include "core/results/report_text.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;

constexpr const char* kTop = "/site/";

BrokenLinkTable Table(std::initializer_list<std::pair<const char*, const char*>> links) {
  BrokenLinkTable table;
  for (const auto& [source, target] : links)
    table.Add(std::string(kTop) + source, std::string(kTop) + target);
  return table;
}

std::string BySource(const BrokenLinkTable& table, bool stopped = false, bool repeated = false) {
  const ReportContext context{kTop, stopped, repeated};
  return FormatReportBySource(table, context, CountRepeatedLinks(table));
}

std::string ByTarget(const BrokenLinkTable& table, bool stopped = false, bool repeated = false) {
  const ReportContext context{kTop, stopped, repeated};
  return FormatReportByTarget(table, context, CountRepeatedLinks(table));
}

const BrokenLinkTable kExample = Table(
    {{"index.htm", "img/logo.gif"}, {"index.htm", "img/logo.gif"}, {"news/a.htm", "old.htm"}});

TEST(Reports, ExampleBySource) {
  EXPECT_EQ(BySource(kExample), CrLf({"Top folder is", kTop, "", "There are 3 broken links:", "",
                                      "index.htm \xE2\x80\x94>", "     img/logo.gif",
                                      "news/a.htm \xE2\x80\x94>", "     old.htm", "",
                                      "There is one repeated-in-file broken link."}));
  EXPECT_EQ(BySource(kExample, false, true),
            CrLf({"Top folder is", kTop, "", "There are 3 broken links:", "",
                  "index.htm \xE2\x80\x94>", "     img/logo.gif", "     img/logo.gif",
                  "news/a.htm \xE2\x80\x94>", "     old.htm", "",
                  "There is one repeated-in-file broken link."}));
}

TEST(Reports, ExampleByTarget) {
  EXPECT_EQ(ByTarget(kExample), CrLf({"Top folder is", kTop, "", "There are 3 broken links:", "",
                                      "img/logo.gif <\xE2\x80\x94", "     index.htm",
                                      "old.htm <\xE2\x80\x94", "     news/a.htm", "",
                                      "There is one repeated-in-file broken link."}));
  EXPECT_EQ(ByTarget(kExample, false, true),
            CrLf({"Top folder is", kTop, "", "There are 3 broken links:", "",
                  "img/logo.gif <\xE2\x80\x94", "     index.htm", "     index.htm",
                  "old.htm <\xE2\x80\x94", "     news/a.htm", "",
                  "There is one repeated-in-file broken link."}));
}

TEST(Reports, SingleLinkAndStoppedRun) {
  const auto table = Table({{"a.htm", "b.htm"}});
  EXPECT_EQ(BySource(table, true),
            CrLf({"Link checking was stopped, so this list is incomplete.", "", "Top folder is",
                  kTop, "", "There is one broken link:", "", "a.htm \xE2\x80\x94>",
                  "     b.htm"}));
  EXPECT_EQ(ByTarget(table, true),
            CrLf({"Link checking was stopped, so this list is incomplete.", "", "Top folder is",
                  kTop, "", "There is one broken link:", "", "b.htm <\xE2\x80\x94",
                  "     a.htm"}));
}

TEST(Reports, RepeatsCountOnlySamePageAndTarget) {
  const auto table = Table({{"p.htm", "x.htm"},
                            {"p.htm", "news/a.htm"},
                            {"p.htm", "a.htm"},
                            {"p.htm", "X.htm"},
                            {"q.htm", "x.htm"},
                            {"p.htm", "x.htm"},
                            {"q.htm", "x.htm"},
                            {"q.htm", "x.htm"}});
  EXPECT_EQ(CountRepeatedLinks(table), 3);
  const std::string report = BySource(table);
  EXPECT_NE(report.find("There are 3 repeated-in-file broken links.\r\n"), std::string::npos);
  // The page q.htm appears in two runs and so gets two groups.
  EXPECT_NE(report.find(CrLf({"q.htm \xE2\x80\x94>", "     x.htm", "p.htm \xE2\x80\x94>",
                              "     x.htm", "q.htm \xE2\x80\x94>", "     x.htm"})),
            std::string::npos);
}

TEST(Reports, TargetOrderIsByCharacterCode) {
  const auto table = Table({{"b.htm", "page.htm"},
                            {"a.htm", "page"},
                            {"index.htm", "shared.gif"},
                            {"a/index.htm", "shared.gif"},
                            {"a.htm", "logo.gif"},
                            {"B.htm", "Logo.gif"},
                            {"a/x.htm", "shared.gif"},
                            {"a.htm", "shared.gif"}});
  EXPECT_EQ(ByTarget(table), CrLf({"Top folder is", kTop, "", "There are 8 broken links:", "",
                                   "Logo.gif <\xE2\x80\x94", "     B.htm",
                                   "logo.gif <\xE2\x80\x94", "     a.htm",
                                   "page <\xE2\x80\x94", "     a.htm",
                                   "page.htm <\xE2\x80\x94", "     b.htm",
                                   "shared.gif <\xE2\x80\x94", "     a.htm", "     a/index.htm",
                                   "     a/x.htm", "     index.htm"}));
}

TEST(Reports, TopFolderAsTargetAndSpacesInNames) {
  const auto table = Table({{"sub/p.htm", ""}, {"q.htm", " lead.htm"}, {"r.htm", "lead.htm"}});
  EXPECT_EQ(BySource(table), CrLf({"Top folder is", kTop, "", "There are 3 broken links:", "",
                                   "sub/p.htm \xE2\x80\x94>", "     ", "q.htm \xE2\x80\x94>",
                                   "      lead.htm", "r.htm \xE2\x80\x94>", "     lead.htm"}));
  // Targets are shown trimmed, so the two spellings of lead.htm share a group.
  EXPECT_EQ(ByTarget(table), CrLf({"Top folder is", kTop, "", "There are 3 broken links:", "",
                                   " <\xE2\x80\x94", "     sub/p.htm", "lead.htm <\xE2\x80\x94",
                                   "     q.htm", "     r.htm"}));
}

TEST(Reports, LargeCountsHaveNoGrouping) {
  BrokenLinkTable table;
  for (int i = 0; i < 40000; ++i) table.Add("/site/p.htm", "/site/x.htm");
  EXPECT_EQ(CountRepeatedLinks(table), 39999);
  const std::string report = BySource(table);
  EXPECT_NE(report.find("There are 40000 broken links:"), std::string::npos);
  EXPECT_NE(report.find("There are 39999 repeated-in-file broken links."), std::string::npos);
}

TEST(Reports, NotesOfTheMoreChecksAndTargetsOutsideTheTopFolder) {
  BrokenLinkTable table;
  auto add = [&](const char* target, LinkKind kind, const char* suggestion) {
    BrokenLink link;
    link.target = target[0] == '/' ? target : std::string(kTop) + target;
    link.kind = kind;
    link.suggestion = suggestion;
    table.Add(std::string(kTop) + "index.htm", std::move(link));
  };
  add("img/Logo.gif", LinkKind::kLetterCase, "logo.gif");
  add("guide.htm#setup", LinkKind::kNoAnchor, "");
  add("docs/", LinkKind::kNoIndexPage, "");
  add("lgo.gif", LinkKind::kMissingFile, "logo.gif");
  add("/img/top.gif", LinkKind::kMissingFile, "");  // below a site root above the top folder
  add("img/Logo.gif", LinkKind::kLetterCase, "logo.gif");  // a repeat, noted alike
  add("con", LinkKind::kNotAFile, "");  // what a target is, the reports do not say
  const std::string header = "There are 7 broken links:";
  EXPECT_EQ(BySource(table),
            CrLf({"Top folder is", kTop, "", header, "", "index.htm \xE2\x80\x94>",
                  "     img/Logo.gif  [letter case: logo.gif]", "     guide.htm#setup  [no such anchor]",
                  "     docs/  [no index page]", "     lgo.gif  [did you mean: logo.gif]",
                  "     /img/top.gif", "     con", "",
                  "There is one repeated-in-file broken link."}));
  EXPECT_EQ(ByTarget(table),
            CrLf({"Top folder is", kTop, "", header, "", "/img/top.gif <\xE2\x80\x94",
                  "     index.htm", "con <\xE2\x80\x94", "     index.htm",
                  "docs/  [no index page] <\xE2\x80\x94", "     index.htm",
                  "guide.htm#setup  [no such anchor] <\xE2\x80\x94", "     index.htm",
                  "img/Logo.gif  [letter case: logo.gif] <\xE2\x80\x94", "     index.htm",
                  "lgo.gif  [did you mean: logo.gif] <\xE2\x80\x94", "     index.htm", "",
                  "There is one repeated-in-file broken link."}));
}

}  // namespace
}  // namespace qvn
