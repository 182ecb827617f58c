// The subfolder selection window's rules over a fake window and real
// folders: captions, sizes, paging, ticking, the summary, leaving.

#include "core/app/subfolder_presenter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_subfolder_view.h"
#include "support/refusing_reader.h"
#include "support/temp_dir.h"

namespace qvn::app {
namespace {

using test::TempDir;
using Strings = std::vector<std::string>;

class SubfolderPresenterTest : public ::testing::Test {
 protected:
  TempDir dir_;
  test::RefusingReader reader_;
  test::FakeSubfolderView view_;
  std::unique_ptr<SubfolderPresenter> presenter_;

  // Folders each holding one file.
  void MakeFolders(const Strings& names) {
    for (const auto& name : names) dir_.Write(name + "/page.htm", "x");
  }
  // Opens the window on dir_ (sizes omitted, as the main window asks) and
  // lets it read the disk.
  SubfolderPresenter& Open(SubfolderRequest request = {}) {
    request.top_folder = dir_.path();
    presenter_ = std::make_unique<SubfolderPresenter>(view_, request, reader_);
    presenter_->Shown();
    view_.threads.Finish();
    return *presenter_;
  }
  // Clicks the visible row showing name.
  void Tick(const std::string& name, bool ticked = true) {
    for (std::size_t i = 0; i < view_.rows.size(); ++i)
      if (view_.rows[i].caption.rfind(name + " {", 0) == 0)
        return presenter_->RowClicked(static_cast<int>(i), ticked);
    ADD_FAILURE() << "no row for " << name;
  }
};

TEST_F(SubfolderPresenterTest, CaptionsTellWhatEachSubfolderHolds) {
  dir_.Write("alpha/a.htm", "");
  dir_.MakeDir("alpha/inner");
  dir_.MakeDir("empty");
  for (int i = 0; i < 1001; ++i) dir_.Write("many/f" + std::to_string(i), "");
  dir_.MakeDir("Beta/one");
  dir_.Write("$RECYCLE.BIN/deleted.htm", "");
  dir_.Write("top.htm", "");  // a file of the top folder is no row
  SubfolderRequest request;
  request.caption = "Pick";
  SubfolderPresenter& window = Open(request);
  EXPECT_EQ(view_.Captions(),
            (Strings{"alpha {1 file and 1 subfolder}", "Beta {no files and 1 subfolder}",
                     "empty {no files and no subfolders}",
                     "many {1,001 files and no subfolders}"}));
  EXPECT_EQ(view_.title, "Pick");
  ASSERT_GE(view_.readings.size(), 2u);  // a dot more for each row read
  EXPECT_EQ(view_.readings[0], "Reading disk . . .");
  EXPECT_EQ(view_.readings[1], "Reading disk . . . .");
  EXPECT_EQ(view_.summary, "No subfolders selected.");
  EXPECT_EQ(view_.paging, (RowPaging{4, 0, 12}));
  EXPECT_EQ(view_.focus, "Cancel");
  EXPECT_FALSE(window.busy());
}

TEST_F(SubfolderPresenterTest, SizesWhenAskedFor) {
  dir_.Write("a/one", std::string(1000, 'x'));
  dir_.Write("a/two", std::string(2000, 'x'));
  for (int i = 0; i < 201; ++i) dir_.Write("b/sub/f" + std::to_string(i), "x");
  dir_.Write("c/x.htm", std::string(10, 'x'));
  dir_.Write("c/d/y.htm", std::string(20, 'x'));
  dir_.MakeDir("e");
  SubfolderRequest request;
  request.omit_sizes = false;
  request.caption = "Select subfolders to be Included";
  Open(request);
  EXPECT_EQ(view_.Captions(), (Strings{"a {2 files and no subfolders, 2.93 Kb}",
                                       "b {no files and 1 subfolder, over 200 bytes}",
                                       "c {1 file and 1 subfolder, 30 bytes}",
                                       "e {no files and no subfolders}"}));
  presenter_->SelectAll(true);
  EXPECT_EQ(view_.summary, "3 selected (of 4).\nA total of over 3.15 Kb.");
  Tick("b", false);
  EXPECT_EQ(view_.summary, "2 selected (of 4).\nA total of 2.96 Kb.");
}

TEST_F(SubfolderPresenterTest, TheSummaryCountsTheTickedRows) {
  const struct {
    Strings ticked;
    std::string summary;
  } cases[] = {
      {{}, "No subfolders selected."},
      {{"c"}, "One subfolder selected."},
      {{"a", "c", "e"}, "3 selected (of 5)."},
      {{"a", "b", "c", "d", "e"}, "All 5 subfolders selected."},
  };
  MakeFolders({"a", "b", "c", "d", "e"});
  for (const auto& c : cases) {
    Open();
    for (const auto& name : c.ticked) Tick(name);
    EXPECT_EQ(view_.summary, c.summary);
  }
}

TEST_F(SubfolderPresenterTest, TwentySubfoldersArePagedThirteenAtATime) {
  Strings names;
  for (int i = 1; i <= 20; ++i) names.push_back((i < 10 ? "f0" : "f") + std::to_string(i));
  MakeFolders(names);
  SubfolderPresenter& window = Open();
  EXPECT_EQ(view_.paging, (RowPaging{13, 7, 12}));
  EXPECT_EQ(view_.rows.size(), 13u);
  Tick("f02");
  window.Scrolled(7);
  EXPECT_EQ(view_.rows.front().caption, "f08 {1 file and no subfolders}");
  EXPECT_EQ(view_.rows.back().caption, "f20 {1 file and no subfolders}");
  EXPECT_EQ(view_.focus, "Accept");
  Tick("f20");
  window.Scrolled(1);
  EXPECT_EQ(view_.Captions().front(), "+f02 {1 file and no subfolders}");
  EXPECT_EQ(view_.summary, "2 selected (of 20).");
  window.Accept();
  EXPECT_TRUE(window.accepted());
  EXPECT_EQ(window.chosen(), (Strings{"f02", "f20"}));
  EXPECT_EQ(view_.closed, 1);
}

TEST_F(SubfolderPresenterTest, EmptyAndUnreadableRowsCannotBeTicked) {
  Strings names{"locked", "open"};
  for (int i = 0; i < 8; ++i) names.push_back("d" + std::to_string(i));
  MakeFolders(names);
  dir_.MakeDir("empty");
  reader_.Refuse(dir_.path() + "locked");
  Open();
  EXPECT_EQ(view_.Captions()[9], "locked {" + std::string(std::strerror(EACCES)) + "}");
  Tick("empty");
  Tick("locked");
  EXPECT_EQ(view_.summary, "No subfolders selected.");
  EXPECT_FALSE(view_.rows[9].ticked);  // put back
  presenter_->SelectAll(true);
  EXPECT_EQ(view_.summary, "9 selected (of 11).");
  presenter_->SelectAll(false);
  EXPECT_EQ(view_.summary, "No subfolders selected.");
}

TEST_F(SubfolderPresenterTest, NamesChosenBeforeStartTicked) {
  MakeFolders({"alpha", "Gamma", "delta", "locked", "x y"});
  dir_.MakeDir("empty");
  dir_.MakeDir("x");  // read before "x y", listed after it: its flag must follow it
  reader_.Refuse(dir_.path() + "locked");
  SubfolderRequest request;
  request.chosen = {"ALPHA", "empty", "  gamma  ", "locked", "other", "x"};
  Open(request);
  Strings ticked = view_.Captions();
  std::erase_if(ticked, [](const std::string& row) { return row[0] != '+'; });
  EXPECT_EQ(ticked, (Strings{"+alpha {1 file and no subfolders}",
                             "+Gamma {1 file and no subfolders}"}));
  EXPECT_EQ(view_.summary, "2 selected (of 7).");
}

TEST_F(SubfolderPresenterTest, LeavingByCancelOrTheCloseBox) {
  MakeFolders({"a"});
  Open().Cancel();
  EXPECT_FALSE(presenter_->accepted());
  EXPECT_EQ(view_.closed, 1);
  Open();
  Tick("a");
  presenter_->CloseAsked();
  EXPECT_EQ(view_.messages.back(),
            (Message{"Please exit this window only by clicking on 'Accept' or 'Cancel'.",
                     "Select Folders", Icon::kWarning}));
  EXPECT_FALSE(presenter_->accepted());
  EXPECT_EQ(view_.closed, 2);
}

TEST_F(SubfolderPresenterTest, ATopFolderThatCannotBeCountedIsReported) {
  for (bool refused : {true, false}) {
    SubfolderRequest request;
    request.top_folder = refused ? dir_.path() : dir_.path() + "gone";
    if (refused) reader_.Refuse(dir_.path());
    presenter_ = std::make_unique<SubfolderPresenter>(view_, request, reader_);
    presenter_->Shown();
    view_.threads.Finish();
    EXPECT_EQ(view_.messages.back().title, "Select subfolders");
    if (refused) {
      EXPECT_EQ(view_.messages.back().text, std::strerror(EACCES));
    }
    EXPECT_NE(view_.messages.back().text, "");
  }
  EXPECT_EQ(view_.closed, 2);
}

TEST_F(SubfolderPresenterTest, WithoutSubfoldersTheWindowSaysSoAndCloses) {
  dir_.Write("page.htm", "");
  SubfolderRequest request;
  request.none_text = "Nothing here.";
  SubfolderPresenter& window = Open(request);
  ASSERT_EQ(view_.messages.size(), 1u);
  EXPECT_EQ(view_.messages[0].text, "Nothing here.");
  EXPECT_EQ(view_.messages[0].title, request.caption);
  EXPECT_EQ(view_.closed, 1);
  // Nothing can be chosen from what closed.
  window.Accept();
  EXPECT_FALSE(window.accepted());
  EXPECT_EQ(view_.closed, 1);
}

TEST_F(SubfolderPresenterTest, ReadingShowsProgressAndStopsOnCancel) {
  MakeFolders({"a", "b", "c", "d"});
  Strings listed;
  reader_.on_list = [&](const std::string& folder) {
    listed.push_back(folder);
    if (folder == dir_.path() + "c" && view_.closed == 0) presenter_->Cancel();  // between rows
  };
  SubfolderRequest request;
  request.top_folder = dir_.path();
  presenter_ = std::make_unique<SubfolderPresenter>(view_, request, reader_);
  presenter_->Shown();
  view_.threads.Finish();
  EXPECT_EQ(view_.readings, (Strings{"Reading disk . . ."}));  // nothing after Cancel
  EXPECT_EQ(std::count(listed.begin(), listed.end(), dir_.path() + "d"), 0);
  EXPECT_TRUE(view_.rows.empty());
  EXPECT_EQ(view_.closed, 1);
}

TEST_F(SubfolderPresenterTest, EachShowingReadsTheDiskAfresh) {
  MakeFolders({"a"});
  Open().Cancel();
  MakeFolders({"b"});
  presenter_->Shown();
  view_.threads.Finish();
  EXPECT_EQ(view_.Captions(),
            (Strings{"a {1 file and no subfolders}", "b {1 file and no subfolders}"}));
}

TEST(SubfolderRows, LongCaptionsAreShortenedInTheMiddle) {
  const std::string counts = "{" + std::string(28, 'c') + "}";  // 30 characters
  std::string accented;
  for (int i = 0; i < 53; ++i) accented += "\xC3\xA9";
  const struct {
    std::string caption, shown;
  } cases[] = {
      {std::string(70, 'n') + counts, std::string(54, 'n') + " ... " + counts},
      {std::string(54, 'n') + counts, std::string(54, 'n') + " ... " + counts},
      {std::string(53, 'n') + counts, std::string(53, 'n') + counts},
      {accented + counts, accented + counts},
      {std::string(100, 'n'), std::string(100, 'n')},
  };
  for (const auto& c : cases) EXPECT_EQ(FitSubfolderCaption(c.caption), c.shown);
}

}  // namespace
}  // namespace qvn::app
