// The subfolder selection window's binding, on real folders: the rows it
// lists, ticks through the list's check boxes, scrolling, the buttons and
// the ways of leaving. Its rules are tested on the presenter.

#include "win/select_subfolders_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "support/temp_dir.h"
#include "win/win_list.h"
#include "list_test_support.h"
#include "win_test_support.h"

namespace qvn::win {
namespace {

using test::Click;
using test::ListRows;
using test::Named;
using test::PumpUntil;
using test::Text;

class SelectSubfoldersWindowTest : public ::testing::Test {
 protected:
  // The window on the folders written so far, shown until the disk is read.
  SelectSubfoldersWindow& Open(std::vector<std::string> chosen = {}) {
    return OpenOn(dir_, std::move(chosen));
  }
  SelectSubfoldersWindow& OpenOn(const test::TempDir& top, std::vector<std::string> chosen = {}) {
    messages_.clear();
    app::SubfolderRequest request;
    request.top_folder = top.path();
    request.chosen = std::move(chosen);
    window_ = std::make_unique<SelectSubfoldersWindow>(nullptr, request);
    window_->show_message = [this](const app::Message& message) { messages_.push_back(message); };
    ShowWindow(window_->Handle(), SW_SHOW);
    EXPECT_TRUE(PumpUntil([&] { return !window_->presenter().busy() || !messages_.empty(); }));
    return *window_;
  }
  HWND List() const { return test::Named(window_->Handle(), "chkSubfolder"); }
  std::string Summary() const { return Text(window_->Handle(), "lblNumSubfolders"); }
  static void Folders(const test::TempDir& top, int n) {
    for (int i = 0; i < n; ++i) top.Write("f" + std::to_string(10 + i) + "/page.htm", "x");
  }

  test::TempDir dir_;
  std::unique_ptr<SelectSubfoldersWindow> window_;
  std::vector<app::Message> messages_;
};

TEST_F(SelectSubfoldersWindowTest, RowsTicksScrollingAndAccept) {
  Folders(dir_, 20);
  HWND window = Open().Handle();
  EXPECT_EQ(SendMessageW(List(), LVM_GETCOUNTPERPAGE, 0, 0), 13);
  ASSERT_EQ(ListRows(List()).size(), 20u);
  EXPECT_EQ(ListRows(List())[0], "f10 {1 file and no subfolders}");
  EXPECT_EQ(Summary(), "No subfolders selected.");
  SetListItemChecked(List(), 1, true);
  test::SaveScreenshot(window, "select_subfolders");
  EXPECT_EQ(Summary(), "One subfolder selected.");

  SendMessageW(List(), LVM_ENSUREVISIBLE, 19, FALSE);
  EXPECT_EQ(SendMessageW(List(), LVM_GETTOPINDEX, 0, 0), 7);
  EXPECT_EQ(ListRows(List())[19], "f29 {1 file and no subfolders}");
  EXPECT_EQ(ListRows(List())[1], "+f11 {1 file and no subfolders}");

  Click(Named(window, "cmdSelectDeselectAllSubfolders_1"));
  EXPECT_EQ(Summary(), "All 20 subfolders selected.");
  EXPECT_EQ(ListRows(List())[19], "+f29 {1 file and no subfolders}");
  Click(Named(window, "cmdSelectDeselectAllSubfolders_0"));
  SetListItemChecked(List(), 19, true);
  Click(Named(window, "cmdAccept"));
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(window_->presenter().accepted());
  EXPECT_EQ(window_->presenter().chosen(), std::vector<std::string>{"f29"});
}

TEST_F(SelectSubfoldersWindowTest, ChosenRowsStartTickedAndEmptyOnesCannotBe) {
  dir_.MakeDir("Empty");
  dir_.Write("news/a.htm", "x");
  Open({"EMPTY", "NEWS"});
  EXPECT_EQ(ListRows(List()), (std::vector<std::string>{"Empty {no files and no subfolders}",
                                                        "+news {1 file and no subfolders}"}));
  SetListItemChecked(List(), 0, true);
  EXPECT_FALSE(IsListItemChecked(List(), 0));
  EXPECT_EQ(Summary(), "One subfolder selected.");
}

// Each way out but "Accept" leaves without an answer; some say why first.
TEST_F(SelectSubfoldersWindowTest, LeavingWithoutAccept) {
  const struct {
    int folders;
    UINT message;
    WPARAM command;
    std::string said;  // the title of the message shown, "" for none
  } cases[] = {
      {2, WM_COMMAND, IDCANCEL, ""},
      {2, WM_CLOSE, 0, "Select Folders"},
      {0, 0, 0, "Select subfolders"},  // no subfolders: it says so by itself
  };
  for (const auto& c : cases) {
    test::TempDir top;
    Folders(top, c.folders);
    top.Write("page.htm", "x");
    HWND window = OpenOn(top).Handle();
    if (c.message != 0) SendMessageW(window, c.message, c.command, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window); })) << c.said;
    EXPECT_FALSE(window_->presenter().accepted());
    ASSERT_EQ(messages_.size(), c.said.empty() ? 0u : 1u);
    if (!c.said.empty()) {
      EXPECT_EQ(messages_[0].title, c.said);
    }
  }
}

TEST_F(SelectSubfoldersWindowTest, TheModalWindowCancelledGivesNoNames) {
  Folders(dir_, 1);
  SetModalHook([](HWND window) { PostMessageW(window, WM_COMMAND, IDCANCEL, 0); });
  app::SubfolderRequest request;
  request.top_folder = dir_.path();
  EXPECT_EQ(ChooseSubfoldersWindow(nullptr, request), std::nullopt);
}

}  // namespace
}  // namespace qvn::win
