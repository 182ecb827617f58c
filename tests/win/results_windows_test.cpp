// The broken links table and the orphan files window: rows in walk order,
// header clicks sorting, the filter narrowing, the counts, a double-click
// opening the page; the orphan lists with their headings.

#include "win/orphans_window.h"
#include "win/results_window.h"

#include <gtest/gtest.h>

#include "core/results/orphan_report.h"
#include "list_test_support.h"
#include "win_test_support.h"

namespace qvn::win {
namespace {

using test::ListColumnTexts;
using test::Named;
using test::NotifyFromList;
using test::Text;
using Texts = std::vector<std::string>;

constexpr char kTop[] = "C:\\site\\";

void Add(CheckResult& result, const std::string& page, long long line, const std::string& link,
         LinkKind kind) {
  result.broken_links.Add(kTop + page, BrokenLink{kTop + link, link, line, 10, kind});
}

// Walk order; line numbers chosen so that text order ("10" < "9") and
// number order differ.
std::shared_ptr<const CheckResult> Sample() {
  auto result = std::make_shared<CheckResult>();
  result->top_folder = kTop;
  Add(*result, "index.htm", 9, "Gone.htm", LinkKind::kMissingFile);
  Add(*result, "index.htm", 10, "docs/", LinkKind::kFolder);
  Add(*result, "news\\a.htm", 2, "banner.GIF", LinkKind::kMissingFile);
  Add(*result, "about.htm", 100, "con", LinkKind::kNotAFile);
  return result;
}

class ResultsWindowTest : public ::testing::Test {
 protected:
  ResultsWindowTest() { window_.SetResults(Sample()); }
  HWND List() const { return Named(window_.Handle(), "tblResults"); }
  Texts Column(int column) const { return ListColumnTexts(List(), column); }
  void ClickHeader(int column) { NotifyFromList(window_.Handle(), List(), LVN_COLUMNCLICK, -1, column); }

  ResultsWindow window_{nullptr};
};

TEST_F(ResultsWindowTest, RowsInWalkOrderWithTheirCounts) {
  EXPECT_EQ(Column(0), (Texts{"index.htm", "index.htm", "news\\a.htm", "about.htm"}));
  EXPECT_EQ(Column(3), (Texts{"Gone.htm", "docs/", "banner.GIF", "con"}));
  EXPECT_EQ(Text(window_.Handle(), "lblCounts"),
            "4 broken links in 3 pages: 2 missing files, 1 link to a folder, 1 link to "
            "something not a regular file");
  EXPECT_EQ(Text(window_.Handle(), "lblShown"), "4 of 4 shown");
  ShowWindow(window_.Handle(), SW_SHOWNOACTIVATE);
  test::SaveScreenshot(window_.Handle(), "results_table");
}

// Each click on a header sorts by it; a second click on it turns the order.
TEST_F(ResultsWindowTest, HeaderClicksSort) {
  const struct {
    int column;
    int shown;  // the column compared
    Texts rows;
  } clicks[] = {
      {1, 1, {"2", "9", "10", "100"}},
      {1, 1, {"100", "10", "9", "2"}},
      {2, 2, {"banner.GIF", "con", "docs/", "Gone.htm"}},
      {0, 1, {"100", "9", "10", "2"}},  // pages keep their links in walk order
  };
  for (const auto& click : clicks) {
    ClickHeader(click.column);
    EXPECT_EQ(Column(click.shown), click.rows) << click.column;
  }
}

TEST_F(ResultsWindowTest, TheFilterNarrowsAndANewResultKeepsIt) {
  test::Type(Named(window_.Handle(), "txbFilter"), "GIF");
  EXPECT_EQ(Column(2), Texts{"banner.GIF"});
  EXPECT_EQ(Text(window_.Handle(), "lblShown"), "1 of 4 shown");
  ClickHeader(1);
  window_.SetResults(Sample());
  EXPECT_EQ(Column(2), Texts{"banner.GIF"});
  test::Type(Named(window_.Handle(), "txbFilter"), "");
  EXPECT_EQ(Column(1), (Texts{"9", "10", "2", "100"}));
  window_.Clear("Not checked yet.");
  EXPECT_EQ(Column(0), Texts{});
  EXPECT_EQ(Text(window_.Handle(), "lblCounts"), "Not checked yet.");
}

TEST_F(ResultsWindowTest, ADoubleClickOpensThePageOrSaysWhyNot) {
  std::vector<std::string> opened;
  std::vector<std::string> said;
  bool opens = true;
  window_.open_file = [&](const std::string& path) {
    opened.push_back(path);
    return opens;
  };
  window_.show_message = [&](const std::string& text, const std::string&) { said.push_back(text); };
  NotifyFromList(window_.Handle(), List(), NM_DBLCLK, 2);
  opens = false;
  NotifyFromList(window_.Handle(), List(), NM_DBLCLK, 3);
  NotifyFromList(window_.Handle(), List(), NM_DBLCLK, -1);  // below the rows
  EXPECT_EQ(opened, (Texts{"C:\\site\\news\\a.htm", "C:\\site\\about.htm"}));
  EXPECT_EQ(said, Texts{"Cannot open C:\\site\\about.htm in its default application."});
}

TEST(OrphansWindow, ShowsBothListsWithTheirCounts) {
  OrphanResult result;
  result.files = 7;
  result.pages_read = 4;
  result.roots = {"index.htm"};
  result.not_linked = {"a.gif", "old.htm"};
  result.only_from_orphans = {"b.htm"};
  OrphansWindow window(nullptr);
  window.SetOrphans(result, kTop);
  const HWND hwnd = window.Handle();
  EXPECT_EQ(Text(hwnd, "lblTopFolder"), "Top folder: C:\\site\\");
  EXPECT_EQ(Text(hwnd, "lblNotLinked"), "Not linked from any page (2):");
  EXPECT_EQ(Text(hwnd, "txbNotLinked"), "a.gif\r\nold.htm");
  EXPECT_EQ(Text(hwnd, "lblOnlyFromOrphans"), "Reachable only from orphans (1):");
  EXPECT_EQ(Text(hwnd, "txbOnlyFromOrphans"), "b.htm");
  EXPECT_EQ(Text(hwnd, "lblTotals"), OrphanCountText(result));
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  test::SaveScreenshot(hwnd, "orphan_files");
}

}  // namespace
}  // namespace qvn::win
