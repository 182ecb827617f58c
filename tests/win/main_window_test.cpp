// The Windows main window driven through its controls' messages, under
// Wine: states, the runs on the sample site (reports byte for byte those
// of qvn.exe), Stop and Quit during a run, the lists, the keyboard. Its
// rules are tested on the presenter (tests/core/app).
#include <gtest/gtest.h>

#include "core/app/main_layout.h"
#include "core/app/result_files.h"
#include "support/run_command.h"
#include "support/temp_dir.h"
#include "win/view_window.h"
#include "win_test_support.h"

namespace qvn::test {
namespace {

using app::Answer;
using app::Control;

const std::string kSite = HostPath(QVN_SOURCE_DIR "/examples/site");

std::string ReadFile(const std::string& path) { return TempDir().Read(path); }

class WinMainWindowTest : public ::testing::Test {
 protected:
  void ChooseTopFolder(const std::string& folder) {
    w_.folder_to_choose = folder;
    Click(w_.Find(Control::kTopFolderButton));
  }
  void Run(Control button) {
    Click(w_.Find(button));
    ASSERT_TRUE(w_.WaitForRun());
  }
  TestMainWindow w_;
};

TEST_F(WinMainWindowTest, EveryControlIsFoundByItsObjectName) {
  for (int i = 0; i < app::kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    EXPECT_EQ(win::FindControl(w_.Handle(), app::ObjectName(control)), w_.Find(control))
        << app::ObjectName(control);
  }
  EXPECT_EQ(SendMessageW(w_.Find(Control::kSettingsChoice), CB_GETCOUNT, 0, 0), 4);
}

// What a run may use, before and after a top folder is chosen.
TEST_F(WinMainWindowTest, ControlStatesFollowTheTopFolder) {
  const struct {
    Control control;
    bool enabled_before, enabled_after;
  } rows[] = {
      {Control::kSelectSubfoldersButton, false, true},
      {Control::kCheckLinksButton, true, true},
      {Control::kResultsButton, false, false},
  };
  for (const auto& row : rows) EXPECT_EQ(w_.Enabled(row.control), row.enabled_before);
  EXPECT_FALSE(w_.Visible(Control::kStopButton));
  EXPECT_EQ(GetFocus(), w_.Find(Control::kHelpButton));
  ChooseTopFolder(kSite);
  EXPECT_EQ(w_.Text(Control::kTopFolderBox), kSite + "\\");
  for (const auto& row : rows) EXPECT_EQ(w_.Enabled(row.control), row.enabled_after);
}

// A folder as the picker gives it, a drive's root among them: shown ending in "\".
TEST_F(WinMainWindowTest, TheTopFolderEndsInABackslash) {
  TempDir top;
  const std::string bare = top.path().substr(0, top.path().size() - 1);
  const struct {
    std::string chosen, shown;
  } rows[] = {{bare, bare + "\\"}, {"C:\\", "C:\\"}};
  for (const auto& row : rows) {
    ChooseTopFolder(row.chosen);
    EXPECT_EQ(w_.Text(Control::kTopFolderBox), row.shown) << row.chosen;
  }
}

// The reports and the file list are those qvn.exe writes for the same site.
TEST_F(WinMainWindowTest, RunsOnTheSampleSiteWriteWhatQvnWrites) {
  TempDir qvn_out;
  ChooseTopFolder(kSite);
  const struct {
    Control button;
    const char* command;
    std::vector<const char*> files;
  } runs[] = {
      {Control::kCheckLinksButton, "check", {app::kReportBySource, app::kReportByTarget}},
      {Control::kListFilesButton, "list", {app::kFileList}},
  };
  for (const auto& run : runs) {
    Run(run.button);
    RunQvnBinary({run.command, kSite, "--output-dir", qvn_out.path()});
    for (const char* file : run.files)
      EXPECT_EQ(ReadFile(w_.DataFile(file)), qvn_out.Read(file)) << file;
    if (run.button != Control::kCheckLinksButton) continue;
    SaveScreenshot(w_.Handle(), "main_window");
    SaveScreenshot(w_.HandleOf(app::Window::kViewer), "viewer_report_by_page");
    SaveScreenshot(w_.HandleOf(app::Window::kViewer2), "viewer_report_by_target");
  }
  EXPECT_TRUE(w_.messages.empty());
  EXPECT_TRUE(w_.Enabled(Control::kResultsButton));  // the check found broken links
  const win::ViewWindow& viewer = w_.viewer(app::Window::kViewer);
  EXPECT_TRUE(IsWindowVisible(viewer.Handle()));
  EXPECT_EQ(viewer.path(), w_.DataFile(app::kFileList));
  SaveScreenshot(viewer.Handle(), "viewer_file_list");
  Click(w_.Find(Control::kHelpButton));
  EXPECT_TRUE(IsWindowVisible(viewer.Handle()));
  EXPECT_FALSE(IsWindowVisible(win::FindControl(viewer.Handle(), "cmdCopyToClipboard")));
  SaveScreenshot(viewer.Handle(), "viewer_help");
}

// The worked examples of a Windows site: a link repeated in a page, one in
// a subfolder, and an upper-case anchor whose escaped, fragment-carrying
// target exists (the image later on its line is not looked at).
TEST_F(WinMainWindowTest, TheWorkedExampleSiteGivesItsElevenLineReports) {
  TempDir site;
  site.Write("index.htm", "<a href=\"img/logo.gif\">a</a>\r\n<img src=\"img/logo.gif\">\r\n");
  site.Write("news/a.htm", "<a href=\"../old.htm\">old</a>\r\n");
  site.Write("news/2019/a.htm", "<p><A HREF=\"../../img/My%20Pic.JPG#x\">p</A><img src=\"b.gif\">\r\n");
  site.Write("img/My Pic.JPG", "");
  ChooseTopFolder(site.path());
  Run(Control::kCheckLinksButton);
  const std::string head =
      "Top folder is\r\n" + w_.Text(Control::kTopFolderBox) + "\r\n\r\nThere are 3 broken links:\r\n\r\n";
  const std::string tail = "\r\nThere is one repeated-in-file broken link.\r\n";
  EXPECT_EQ(ReadFile(w_.DataFile(app::kReportBySource)),
            head + "index.htm \x97>\r\n     img\\logo.gif\r\nnews\\a.htm \x97>\r\n     old.htm\r\n" + tail);
  EXPECT_EQ(ReadFile(w_.DataFile(app::kReportByTarget)),
            head + "img\\logo.gif <\x97\r\n     index.htm\r\nold.htm <\x97\r\n     news\\a.htm\r\n" + tail);
}

TEST_F(WinMainWindowTest, StopDuringARunAsksThenStops) {
  TempDir site;
  for (int i = 0; i < 3000; ++i)
    site.Write("p" + std::to_string(i) + ".htm", "<a href=\"missing.htm\">x</a>\r\n");
  ChooseTopFolder(site.path());
  w_.answers = {Answer::kYes};
  Click(w_.Find(Control::kCheckLinksButton));
  ASSERT_TRUE(w_.Visible(Control::kStopButton));
  EXPECT_FALSE(w_.Enabled(Control::kTopFolderButton));
  Click(w_.Find(Control::kStopButton));
  ASSERT_TRUE(w_.WaitForRun());
  ASSERT_EQ(w_.questions.size(), 1u);
  EXPECT_EQ(w_.questions[0].text, "Really stop?");
  EXPECT_EQ(w_.Text(Control::kStatusLabel), "Checking of links was stopped.");
  EXPECT_FALSE(w_.Visible(Control::kStopButton));
  EXPECT_TRUE(w_.Enabled(Control::kTopFolderButton));
  // Quit during a run ends it, and the program.
  Click(w_.Find(Control::kCheckLinksButton));
  Click(w_.Find(Control::kQuitButton));
  EXPECT_TRUE(w_.WaitForWork());
  EXPECT_TRUE(w_.quit);
  EXPECT_FALSE(IsWindowVisible(w_.Handle()));
}

// Settings saved to a file, everything cleared (asked first), loaded back.
TEST_F(WinMainWindowTest, SettingsAndClearListsAreActedOnWhenPicked) {
  TempDir files;
  ChooseTopFolder(kSite);
  Type(w_.Find(Control::kExcludedLinksBox), "mailto:,news");
  w_.file_to_choose = files.path() + "mine.usr";
  Pick(w_.Find(Control::kSettingsChoice), 1);  // Save to file
  EXPECT_TRUE(files.Exists("mine.usr"));
  EXPECT_EQ(w_.notices.size(), 1u);
  w_.answers = {Answer::kYes};
  Pick(w_.Find(Control::kClearChoice), 4);  // All of the above
  EXPECT_EQ(w_.questions.size(), 1u);
  EXPECT_EQ(w_.Text(Control::kTopFolderBox), "");
  EXPECT_EQ(w_.Text(Control::kExcludedLinksBox), "");
  Pick(w_.Find(Control::kSettingsChoice), 3);  // Load from file
  EXPECT_EQ(w_.Text(Control::kTopFolderBox), kSite + "\\");
  EXPECT_NE(w_.Text(Control::kExcludedLinksBox).find("mailto:"), std::string::npos);
  EXPECT_EQ(w_.presenter().choices().excluded_links, w_.Text(Control::kExcludedLinksBox));
}

// Keys moving a closed list do not pick: nothing is cleared or asked.
TEST_F(WinMainWindowTest, AListMovedByKeysPicksNothing) {
  ChooseTopFolder(kSite);
  SetFocus(w_.Find(Control::kClearChoice));
  PressKey(VK_DOWN);
  EXPECT_EQ(SendMessageW(w_.Find(Control::kClearChoice), CB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(w_.questions.empty());
  EXPECT_EQ(w_.Text(Control::kTopFolderBox), kSite + "\\");
}

// Tab goes through the design's tab order; Space and Enter press links and buttons.
TEST_F(WinMainWindowTest, KeyboardFollowsTheTabOrderAndOpensLinks) {
  ChooseTopFolder(kSite);
  const struct {
    Control from, to;
  } tabs[] = {
      {Control::kTopFolderButton, Control::kSelectSubfoldersButton},
      {Control::kCheckLinksButton, Control::kExcludedFilepathsBox},  // past the hidden and the disabled
      {Control::kExcludedLinksBox, Control::kMoreChecksButton},
      {Control::kSettingsChoice, Control::kVendorLink},
      {Control::kManualLink, Control::kHelpButton},
  };
  for (const auto& tab : tabs) {
    SetFocus(w_.Find(tab.from));
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), w_.Find(tab.to)) << app::ObjectName(tab.from);
  }
  for (const UINT key : {VK_SPACE, VK_RETURN}) {
    SetFocus(w_.Find(Control::kManualLink));
    PressKey(key);
  }
  EXPECT_EQ(w_.web_pages, std::vector<std::string>(2, app::kUserManualAddress));
  // Enter presses the focused button.
  SetFocus(w_.Find(Control::kHelpButton));
  PressKey(VK_RETURN);
  EXPECT_TRUE(IsWindowVisible(w_.HandleOf(app::Window::kViewer)));
}

TEST_F(WinMainWindowTest, OptionBoxesAndExclusionBoxesReachTheChoices) {
  Click(w_.Find(Control::kShowRepeatedBox));
  Type(w_.Find(Control::kExcludedFilepathsBox), "old/ ,  draft");
  SetFocus(w_.Find(Control::kHelpButton));  // leaving the box tidies its list
  PumpWaiting();
  EXPECT_TRUE(w_.presenter().choices().show_repeated);
  EXPECT_EQ(w_.presenter().choices().excluded_filepaths, w_.Text(Control::kExcludedFilepathsBox));
  EXPECT_NE(w_.Text(Control::kExcludedFilepathsBox), "old/ ,  draft");
}

}  // namespace
}  // namespace qvn::test
