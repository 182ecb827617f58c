// The broken-link table: kind names, the notes of each kind, paths relative
// to the top folder, and the counts the formats and the results window show.

#include "core/results/broken_links.h"

#include <gtest/gtest.h>

#include "results_samples.h"

namespace qvn {
namespace {

using test::Native;

TEST(BrokenLinks, KindNamesReadBack) {
  for (std::size_t i = 0; i < kLinkKinds; ++i) {
    const auto kind = static_cast<LinkKind>(i);
    EXPECT_EQ(KindFromName(KindName(kind)), kind);
  }
  EXPECT_EQ(KindFromName("missing"), std::nullopt);
}

TEST(BrokenLinks, EachKindHasItsNotes) {
  struct Case {
    LinkKind kind;
    const char* suggestion;
    const char* report_note;  // in the text reports
    const char* note;         // in the formats and the results window
  } cases[] = {
      {LinkKind::kMissingFile, "", "", "no such file"},
      {LinkKind::kMissingFile, "logo.gif", "did you mean: logo.gif", "did you mean: logo.gif"},
      {LinkKind::kFolder, "", "", "a folder, not a file"},
      {LinkKind::kNotAFile, "", "", "not a regular file"},
      {LinkKind::kLetterCase, "logo.gif", "letter case: logo.gif", "letter case: logo.gif"},
      {LinkKind::kNoAnchor, "", "no such anchor", "no such anchor"},
      {LinkKind::kNoIndexPage, "", "no index page", "no index page"},
  };
  for (const Case& c : cases) {
    BrokenLink link;
    link.kind = c.kind;
    link.suggestion = c.suggestion;
    EXPECT_EQ(ReportNote(link), c.report_note) << KindName(c.kind);
    EXPECT_EQ(HasReportNote(link), *c.report_note != '\0') << KindName(c.kind);
    EXPECT_EQ(LinkNote(link), c.note) << KindName(c.kind);
  }
}

TEST(BrokenLinks, RowsAreRelativeToTheTopFolderAndCountsByKindAndPage) {
  const CheckResult result = test::SampleResult();
  const LinkRow row = result.broken_links.Row(3, result.top_folder);
  EXPECT_EQ(row.page, Native("news/a.htm"));
  EXPECT_EQ(row.target, "gone.htm");
  EXPECT_EQ(row.link.line, 2);
  EXPECT_EQ(result.broken_links.PageCount(), 3);
  EXPECT_EQ(result.broken_links.CountByKind(), (std::array<long long, kLinkKinds>{3, 1, 1}));
  // A target outside the top folder (below a site root) is shown in full.
  BrokenLinkTable table;
  table.Add(Native("/site/www/index.htm"), Native("/site/img/a.gif"));
  EXPECT_EQ(table.Row(0, Native("/site/www/")).page, "index.htm");
  EXPECT_EQ(table.Row(0, Native("/site/www/")).target, Native("/site/img/a.gif"));
}

}  // namespace
}  // namespace qvn
