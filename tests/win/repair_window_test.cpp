// The Repair window reached from the results table's "Repair..." button
// after a check of a small site: the tick boxes, the preview of the
// selected repair, Apply writing the page and Undo last repair putting it
// back. The rules are tested on the presenter (tests/core/app).

#include "win/repair_window.h"

#include <gtest/gtest.h>

#include "core/app/runs.h"
#include "list_test_support.h"
#include "support/temp_dir.h"
#include "win/results_window.h"
#include "win_test_support.h"

namespace qvn::win {
namespace {

using test::ListRows;
using test::Named;
using test::Text;
using Texts = std::vector<std::string>;

constexpr char kPage[] = "<p>\r\n<a href=\"Logo.GIF\">\r\n<a href=\"story.htm\">\r\n";

bool Enabled(HWND window, const char* name) { return IsWindowEnabled(Named(window, name)); }
bool Done(const RepairWindow& window) {
  return test::PumpUntil([&] { return !window.busy(); });
}

TEST(RepairWindow, TickSelectApplyAndUndo) {
  test::TempDir site, data;
  site.Write("index.htm", kPage);
  site.Write("logo.gif", "");
  site.Write("news/story.htm", "x");
  app::Choices choices;
  choices.top_folder = site.path();
  choices.more.letter_case = true;
  Status quiet;
  ResultsWindow results(nullptr);
  results.SetResults(std::make_shared<const CheckResult>(app::RunCheck(choices, quiet)));
  EXPECT_FALSE(Enabled(results.Handle(), "cmdRepair"));  // no backup folder given yet
  results.SetRepairSource(choices, data.path() + "repairs");
  test::Click(Named(results.Handle(), "cmdRepair"));
  ASSERT_NE(results.repair_window(), nullptr);
  const RepairWindow& repair = *results.repair_window();
  ASSERT_TRUE(Done(repair));
  const HWND w = repair.Handle();
  EXPECT_TRUE(IsWindowVisible(w));
  const HWND list = Named(w, "lstRepairs");

  // Letter case only at first; the moved file once its rule is ticked.
  EXPECT_EQ(ListRows(list).size(), 1u);
  test::Click(Named(w, "chkMoved"));
  EXPECT_FALSE(Enabled(w, "cmdApply") || Enabled(w, "lstRepairs"));  // until the proposals are in
  ASSERT_TRUE(Done(repair));
  const Texts rows = ListRows(list);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].substr(0, 1), "+");
  EXPECT_NE(rows[1].find("news/story.htm (moved)"), std::string::npos) << rows[1];
  SelectListItem(list, 0);
  EXPECT_NE(Text(w, "txbPreview").find("+<a href=\"logo.gif\">"), std::string::npos);
  test::SaveScreenshot(w, "repair_window");

  SetListItemChecked(list, 1, false);
  EXPECT_TRUE(Enabled(w, "cmdApply"));
  EXPECT_FALSE(Enabled(w, "cmdUndo"));
  test::Click(Named(w, "cmdApply"));
  ASSERT_TRUE(Done(repair));
  EXPECT_EQ(Text(w, "lblStatus").rfind("Repaired 1 link in 1 page", 0), 0u) << Text(w, "lblStatus");
  EXPECT_EQ(site.Read("index.htm"), "<p>\r\n<a href=\"logo.gif\">\r\n<a href=\"story.htm\">\r\n");
  EXPECT_FALSE(Enabled(w, "cmdApply"));

  test::Click(Named(w, "cmdUndo"));
  ASSERT_TRUE(Done(repair));
  EXPECT_EQ(Text(w, "lblStatus").rfind("Restored 1 page", 0), 0u) << Text(w, "lblStatus");
  EXPECT_EQ(site.Read("index.htm"), kPage);
  EXPECT_FALSE(Enabled(w, "cmdUndo"));
  test::Click(Named(w, "cmdClose"));
  EXPECT_FALSE(IsWindowVisible(w));
}

}  // namespace
}  // namespace qvn::win
