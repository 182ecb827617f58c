// Findings from a check's broken-link table: relative paths, kinds and counts.

#include <gtest/gtest.h>

#include <map>

#include "core/results/findings.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;

BrokenLink Link(const std::string& target, const std::string& written, long long line) {
  return {Native("/site/" + target), written, line, 5};
}

CheckResult SampleResult() {
  CheckResult result;
  auto& table = result.broken_links;
  table.Add(Native("/site/index.htm"), Link("gone.htm", "gone.htm#top", 3));
  table.Add(Native("/site/index.htm"), Link("docs/", "docs/", 4));
  table.Add(Native("/site/news/a.htm"), Link("news/../docs/", "../docs/", 9));
  table.Add(Native("/site/news/a.htm"), Link("gone.htm", "../gone.htm", 10));
  table.Add(Native("/site/news/a.htm"), Link("con", "../con", 11));
  result.pages_read = 12;
  return result;
}

TEST(Findings, KeepPlaceAndWordingAndAskEachTargetOnce) {
  std::map<std::string, int> asked;
  const std::map<std::string, PathKind> disk = {{Native("/site/docs"), PathKind::kFolder},
                                                {Native("/site/con"), PathKind::kOther}};
  const PathKindProbe probe = [&](const std::string& path) {
    ++asked[path];
    const auto it = disk.find(path);
    return it == disk.end() ? PathKind::kNone : it->second;
  };
  const Findings findings = BuildFindings(SampleResult(), Native("/site/"), probe);

  ASSERT_EQ(findings.items.size(), 5u);
  const Finding& first = findings.items[0];
  EXPECT_EQ(first.page, "index.htm");
  EXPECT_EQ(first.line, 3);
  EXPECT_EQ(first.column, 5);
  EXPECT_EQ(first.link, "gone.htm#top");
  EXPECT_EQ(first.target, "gone.htm");
  EXPECT_EQ(first.kind, FindingKind::kMissingFile);
  EXPECT_EQ(first.note, "no such file");
  EXPECT_EQ(first.suggestion, "");
  // "news/../docs/" is the folder docs/ once its ".." is resolved.
  EXPECT_EQ(findings.items[2].page, Native("news/a.htm"));
  EXPECT_EQ(findings.items[2].target, Native("news/../docs/"));
  EXPECT_EQ(findings.items[2].kind, FindingKind::kFolder);
  EXPECT_EQ(findings.items[4].kind, FindingKind::kNotAFile);
  // Once per target as formed: "docs/" and "news/../docs/" are two (both
  // resolve to the folder).
  EXPECT_EQ(asked, (std::map<std::string, int>{{Native("/site/gone.htm"), 1},
                                               {Native("/site/docs"), 2},
                                               {Native("/site/con"), 1}}));

  EXPECT_EQ(findings.pages_read, 12);
  EXPECT_EQ(findings.PagesWithFindings(), 2);
  EXPECT_EQ(findings.CountByKind(), (std::array<long long, kFindingKinds>{2, 2, 1}));
}

TEST(Findings, KindNamesReadBack) {
  for (std::size_t i = 0; i < kFindingKinds; ++i) {
    const auto kind = static_cast<FindingKind>(i);
    EXPECT_EQ(KindFromName(KindName(kind)), kind);
    EXPECT_FALSE(KindNote(kind).empty());
  }
  EXPECT_EQ(KindFromName("missing"), std::nullopt);
}

TEST(Findings, AFolderOnDiskIsAFolderFinding) {
  test::TempDir site;
  site.MakeDir("docs");
  BrokenLinkTable table;
  table.Add(site.path() + "index.htm", BrokenLink{site.path() + Native("docs/"), "docs/", 1, 1});
  table.Add(site.path() + "index.htm", BrokenLink{site.path() + "gone.htm", "gone.htm", 2, 1});
  const Findings findings = BuildFindings(table, site.path(), false);
  ASSERT_EQ(findings.items.size(), 2u);
  EXPECT_EQ(findings.items[0].kind, FindingKind::kFolder);
  EXPECT_EQ(findings.items[0].note, "a folder, not a file");
  EXPECT_EQ(findings.items[1].kind, FindingKind::kMissingFile);
}

TEST(Findings, TheMoreChecksGiveTheirKindsNotesAndSuggestions) {
  struct Case {
    LinkProblem problem;
    const char* detail;
    FindingKind kind;
    const char* note;
    const char* suggestion;
  } cases[] = {
      {LinkProblem::kLetterCase, "logo.gif", FindingKind::kLetterCase, "letter case: logo.gif",
       "logo.gif"},
      {LinkProblem::kNoAnchor, "", FindingKind::kNoAnchor, "no such anchor", ""},
      {LinkProblem::kNoIndexPage, "", FindingKind::kNoIndexPage, "no index page", ""},
      {LinkProblem::kMissing, "logo.gif", FindingKind::kMissingFile, "did you mean: logo.gif",
       "logo.gif"},
      {LinkProblem::kMissing, "", FindingKind::kMissingFile, "no such file", ""},
  };
  BrokenLinkTable table;
  for (const Case& c : cases) {
    BrokenLink link = Link("t" + std::to_string(table.size()), "x", 1);
    link.problem = c.problem;
    link.detail = c.detail;
    table.Add(Native("/site/index.htm"), std::move(link));
  }
  // The file system is asked only of the targets no more check explained.
  std::vector<std::string> asked;
  const Findings findings =
      BuildFindings(table, Native("/site/"), false, [&](const std::string& path) {
        asked.push_back(path);
        return path.ends_with("t4") ? PathKind::kFolder : PathKind::kNone;
      });
  EXPECT_EQ(asked, (std::vector<std::string>{Native("/site/t3"), Native("/site/t4")}));
  ASSERT_EQ(findings.items.size(), std::size(cases));
  for (std::size_t i = 0; i + 1 < std::size(cases); ++i) {
    EXPECT_EQ(findings.items[i].kind, cases[i].kind) << i;
    EXPECT_EQ(findings.items[i].note, cases[i].note) << i;
    EXPECT_EQ(findings.items[i].suggestion, cases[i].suggestion) << i;
  }
  EXPECT_EQ(findings.items[4].kind, FindingKind::kFolder);
  EXPECT_EQ(findings.CountByKind(), (std::array<long long, kFindingKinds>{1, 1, 0, 1, 1, 1}));
}

TEST(Findings, ATargetOutsideTheTopFolderIsShownInFull) {
  BrokenLinkTable table;
  table.Add(Native("/site/www/index.htm"), Link("img/a.gif", "/img/a.gif", 1));
  const Findings findings =
      BuildFindings(table, Native("/site/www/"), false, [](const std::string&) { return PathKind::kNone; });
  EXPECT_EQ(findings.items[0].page, "index.htm");
  EXPECT_EQ(findings.items[0].target, Native("/site/img/a.gif"));
}

}  // namespace
}  // namespace qvn
