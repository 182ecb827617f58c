#include "core/app/repair_presenter.h"

#include <gtest/gtest.h>

#include "core/app/runs.h"
#include "support/fake_threads.h"
#include "support/repair_site.h"

namespace qvn::app {
namespace {

using test::TempDir;

class FakeRepairView : public RepairView {
 public:
  void ShowRows(const std::vector<RepairRow>& shown) override { rows = shown; }
  void ShowPreview(const std::string& text) override { preview = text; }
  void ShowStatus(const std::string& text) override { status = text; }
  void EnableApply(bool enabled) override { apply = enabled; }
  void EnableUndo(bool enabled) override { undo = enabled; }
  void EnableChoices(bool enabled) override { choices = enabled; }
  void RunInBackground(std::function<void()> work, std::function<void()> done) override {
    threads.Run(std::move(work), std::move(done));
  }
  void PostToWindow(std::function<void()> task) override { threads.Post(std::move(task)); }

  test::FakeThreads threads;
  std::vector<RepairRow> rows;
  std::string preview, status;
  bool apply = false, undo = false, choices = true;
};

// Two names in other letter case need a file system that tells them apart.
#ifdef _WIN32
constexpr bool kTwoCandidates = false;
constexpr const char* kPageB = "<p>\n<a href=\"Logo.GIF\">\n";
#else
constexpr bool kTwoCandidates = true;
constexpr const char* kPageB = "<p>\n<a href=\"Logo.GIF\">\n<a href=\"Photo.jpg\">\n";
#endif

// Two pages with a repair each, and a link with two candidates.
class RepairPresenterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    site_.Write("a.htm", "<a href=\"Logo.GIF\">\n");
    site_.Write("b.htm", kPageB);
    site_.Write("logo.gif", "");
#ifndef _WIN32
    site_.Write("photo.JPG", "");
    site_.Write("PHOTO.jpg", "");
#endif
    choices_.top_folder = site_.path();
    choices_.more.letter_case = true;
    Status quiet;
    presenter_.Open(choices_, std::make_shared<const CheckResult>(RunCheck(choices_, quiet)));
    view_.threads.Finish();
  }

  TempDir site_, data_;
  Choices choices_;
  FakeRepairView view_;
  RepairPresenter presenter_{view_, data_.path() + "repairs"};
};

TEST_F(RepairPresenterTest, RepairsWithOneCandidateAreTickedOthersCannotBe) {
#ifdef _WIN32
  GTEST_SKIP() << "no link with two candidates here";
#endif
  ASSERT_EQ(view_.rows.size(), 3u);
  const bool expected[][2] = {{true, true}, {true, true}, {false, false}};
  for (std::size_t i = 0; i < view_.rows.size(); ++i) {
    EXPECT_EQ(view_.rows[i].can_tick, expected[i][0]) << view_.rows[i].text;
    EXPECT_EQ(view_.rows[i].ticked, expected[i][1]) << view_.rows[i].text;
  }
  EXPECT_NE(view_.rows[2].text.find("2 candidates, left alone"), std::string::npos);
  EXPECT_TRUE(view_.apply);
  EXPECT_FALSE(view_.undo);
  presenter_.Select(1);
  EXPECT_NE(view_.preview.find("-<a href=\"Logo.GIF\">\n+<a href=\"logo.gif\">\n"),
            std::string::npos)
      << view_.preview;
}

TEST_F(RepairPresenterTest, ApplyWritesTheTickedOnesAndUndoPutsThemBack) {
  presenter_.Tick(0, false);
  presenter_.Apply();
  view_.threads.Finish();
  EXPECT_EQ(site_.Read("a.htm"), "<a href=\"Logo.GIF\">\n");
  EXPECT_NE(site_.Read("b.htm").find("\"logo.gif\""), std::string::npos);
  EXPECT_NE(view_.status.find("Repaired 1 link in 1 page"), std::string::npos) << view_.status;
  const std::string check =
      "Checked again: 1 repaired link resolves, " +
      std::string(kTwoCandidates ? "1 broken link remains" : "0 broken links remain");
  EXPECT_NE(view_.status.find(check), std::string::npos) << view_.status;
  EXPECT_FALSE(view_.apply);  // the pages changed: the list is out of date
  EXPECT_TRUE(view_.undo);
  presenter_.UndoLast();
  view_.threads.Finish();
  EXPECT_NE(view_.status.find("Restored 1 page"), std::string::npos) << view_.status;
  EXPECT_EQ(site_.Read("b.htm"), kPageB);
  EXPECT_FALSE(view_.undo);
}

TEST_F(RepairPresenterTest, NothingTickedNothingToApply) {
  for (std::size_t i = 0; i < view_.rows.size(); ++i) presenter_.Tick(i, false);
  EXPECT_FALSE(view_.apply);
  presenter_.Tick(0, true);
  EXPECT_TRUE(view_.apply);
}

}  // namespace
}  // namespace qvn::app

namespace qvn::app {
namespace {

// While work runs the window is locked and what reaches the presenter waits
// or is ignored; proposals asked for meanwhile follow once it ends.
TEST_F(RepairPresenterTest, LockedWhileWorkRuns) {
  presenter_.Apply();
  EXPECT_EQ(view_.status, "Writing the repairs . . .");
  EXPECT_FALSE(view_.apply || view_.undo || view_.choices);
  const int runs = view_.threads.runs();
  presenter_.Tick(0, false);
  presenter_.UndoLast();
  presenter_.SetRules(true, false);
  EXPECT_EQ(view_.threads.runs(), runs);
  view_.threads.Finish();  // the repairs written, then the proposals made again
  EXPECT_EQ(view_.threads.runs(), runs + 1);
  EXPECT_TRUE(view_.choices);
  EXPECT_NE(view_.status.find(" proposed"), std::string::npos) << view_.status;
  EXPECT_TRUE(view_.undo);
}

}  // namespace
}  // namespace qvn::app
