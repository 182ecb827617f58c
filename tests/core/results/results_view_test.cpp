// The results window's rows: sorted by each column, filtered by typed text
// (narrowed key by key, widened again), and both kept as results change.

#include "core/results/results_view.h"

#include <gtest/gtest.h>

#include "results_samples.h"

namespace qvn {
namespace {

using test::Native;
using test::SampleLink;

// Walk order; lines where text order ("10" < "9") and number order differ,
// links that differ in letter case, and a page met twice.
CheckResult Sample() {
  return test::ResultOf({
      {"index.htm", 9, "Gone.htm", "Gone.htm"},
      {"index.htm", 10, "docs/", "docs/", LinkKind::kFolder},
      {Native("news/a.htm"), 2, "banner.GIF", "banner.GIF", LinkKind::kMissingFile, "banner.gif"},
      {"About.htm", 100, "con", "con", LinkKind::kNotAFile},
      {"about.htm", 10, "gone.htm", "gone.htm"},
  });
}

std::vector<std::size_t> Shown(const ResultsView& view) {
  std::vector<std::size_t> entries;
  for (std::size_t row = 0; row < view.size(); ++row) entries.push_back(view.EntryAt(row));
  return entries;
}

TEST(ResultsView, CellsAreRelativeToTheTopFolder) {
  const CheckResult result = Sample();
  ResultsView view;
  view.Reset(&result.broken_links, result.top_folder);
  EXPECT_EQ(view.CellText(2, ResultsColumn::kPage), Native("news/a.htm"));
  EXPECT_EQ(view.CellText(2, ResultsColumn::kLine), "2");
  EXPECT_EQ(view.CellText(2, ResultsColumn::kTarget), "banner.GIF");
  EXPECT_EQ(view.CellText(2, ResultsColumn::kNote), "did you mean: banner.gif");
  EXPECT_EQ(view.CellText(1, ResultsColumn::kNote), "a folder, not a file");
}

TEST(ResultsView, SortsEachColumnKeepingWalkOrderForEqualCells) {
  struct Case {
    std::optional<ResultsColumn> column;
    bool ascending;
    std::vector<std::size_t> entries;
  } cases[] = {
      {std::nullopt, true, {0, 1, 2, 3, 4}},
      {ResultsColumn::kLine, true, {2, 0, 1, 4, 3}},
      {ResultsColumn::kLine, false, {3, 1, 4, 0, 2}},
      {ResultsColumn::kLink, true, {2, 3, 1, 0, 4}},   // Gone.htm, gone.htm: walk order
      {ResultsColumn::kLink, false, {0, 4, 1, 3, 2}},  // still walk order
      {ResultsColumn::kPage, true, {3, 4, 0, 1, 2}},
      {ResultsColumn::kPage, false, {2, 0, 1, 3, 4}},
      {ResultsColumn::kNote, true, {1, 2, 0, 4, 3}},
  };
  const CheckResult result = Sample();
  ResultsView view;
  view.Reset(&result.broken_links, result.top_folder);
  for (const Case& c : cases) {
    view.SortBy(c.column, c.ascending);
    EXPECT_EQ(Shown(view), c.entries)
        << (c.column ? static_cast<int>(*c.column) : -1) << (c.ascending ? " up" : " down");
  }
}

TEST(ResultsView, FilterNarrowsAndWidensAsTyped) {
  struct Step {
    const char* typed;
    std::vector<std::size_t> entries;
  } steps[] = {
      {"g", {0, 2, 3, 4}},  // "banner.GIF", "not a regular file"
      {"go", {0, 4}},
      {"gon", {0, 4}},
      {"GONE.", {0, 4}},
      {"gone.x", {}},
      {"o", {0, 1, 2, 3, 4}},
      {"10", {1, 3, 4}},  // line 100 too
      {"NEWS", {2}},
      {"mean", {2}},
      {"", {0, 1, 2, 3, 4}},
  };
  const CheckResult result = Sample();
  ResultsView view;
  view.Reset(&result.broken_links, result.top_folder);
  for (const Step& step : steps) {
    view.SetFilter(step.typed);
    EXPECT_EQ(Shown(view), step.entries) << step.typed;
  }
}

TEST(ResultsView, FilterHoldsThroughSortingAndNewResults) {
  const CheckResult result = Sample();
  ResultsView view;
  view.Reset(&result.broken_links, result.top_folder);
  view.SetFilter("htm");
  view.SortBy(ResultsColumn::kLine, false);
  EXPECT_EQ(Shown(view), (std::vector<std::size_t>{3, 1, 4, 0, 2}));
  view.SetFilter("gone");
  EXPECT_EQ(Shown(view), (std::vector<std::size_t>{4, 0}));
  EXPECT_EQ(view.RowOf(0), 1u);
  EXPECT_EQ(view.RowOf(3), std::nullopt);
  const CheckResult fewer = test::ResultOf({{"x.htm", 1, "a", "a"}, {"y.htm", 1, "gone", "gone"}});
  view.Reset(&fewer.broken_links, fewer.top_folder);
  EXPECT_EQ(Shown(view), (std::vector<std::size_t>{1}));
}

// Large enough to be filtered in parts: every part must keep its matches.
TEST(ResultsView, LargeTablesFilterWhole) {
  CheckResult result;
  for (std::uint32_t i = 0; i < 300000; ++i)
    result.broken_links.Add("p" + std::to_string(i / 50) + ".htm",
                            i % 7 == 3 ? "Archive/" + std::to_string(i) : "x");
  ResultsView view;
  view.Reset(&result.broken_links, result.top_folder);
  view.SortBy(ResultsColumn::kTarget, false);
  view.SetFilter("arch");
  ASSERT_EQ(view.size(), 42857u);  // 3, 10, ..., 299995
  for (std::size_t row = 0; row < view.size(); ++row)
    EXPECT_EQ(view.EntryAt(row) % 7, 3u) << row;
}

}  // namespace
}  // namespace qvn
