// What the results and orphan files windows say about what they hold.

#include "core/app/results_texts.h"

#include <gtest/gtest.h>

namespace qvn::app {
namespace {

CheckResult WithLinks(std::initializer_list<std::pair<const char*, LinkKind>> links) {
  CheckResult result;
  for (const auto& [page, kind] : links)
    result.broken_links.Add(page, BrokenLink{"t", "t", 1, 1, kind});
  return result;
}

TEST(ResultsTexts, CountsNameEachKindFoundInTheRightNumber) {
  CheckResult stopped = WithLinks({{"a.htm", LinkKind::kMissingFile}});
  stopped.stopped = true;
  CheckResult moved;
  moved.external.redirects.resize(2);
  const struct {
    CheckResult result;
    std::string text;
  } cases[] = {
      {CheckResult(), "0 broken links in 0 pages"},
      {WithLinks({{"a.htm", LinkKind::kMissingFile},
                  {"a.htm", LinkKind::kFolder},
                  {"b.htm", LinkKind::kMissingFile}}),
       "3 broken links in 2 pages: 2 missing files, 1 link to a folder"},
      {std::move(stopped),
       "1 broken link in 1 page: 1 missing file (the check was stopped: incomplete)"},
      {std::move(moved), "0 broken links in 0 pages; 2 links to other sites moved for good"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResultsCountsText(c.result), c.text);
}

TEST(ResultsTexts, ShownRowsAreGrouped) {
  EXPECT_EQ(ShownRowsText(1234, 1000000), "1,234 of 1,000,000 shown");
}

TEST(ResultsTexts, OrphanTextsCountTheListsAndNameTheRoots) {
  OrphanResult result;
  result.files = 1200;
  result.pages_read = 3;
  result.not_linked = {"a.gif", "b.htm"};
  EXPECT_EQ(OrphanWindowTexts(result, "/site/").summary,
            "Files walked: 1,200; pages read: 3; no index page in the top folder, so no file "
            "is reachable from a root");
  result.roots = {"index.htm", "default.htm"};
  const OrphanTexts texts = OrphanWindowTexts(result, "/site/");
  EXPECT_EQ(texts.top_folder, "Top folder: /site/");
  EXPECT_EQ(texts.summary, "Files walked: 1,200; pages read: 3; roots: index.htm, default.htm");
  EXPECT_EQ(texts.not_linked, "Not linked from any page (2):");
  EXPECT_EQ(texts.only_from_orphans, "Reachable only from orphans (0):");
}

}  // namespace
}  // namespace qvn::app
