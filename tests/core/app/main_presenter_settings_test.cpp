// The main window's settings over a fake window: saved and loaded in every
// way, the saved notice, start-up with the settings of the last run.

#include <gtest/gtest.h>

#include "core/app/main_presenter.h"
#include "core/settings/catalogue_texts.h"
#include "support/presenter_fixture.h"
#include "support/settings_lines.h"

namespace qvn::app {
namespace {

using test::CrLf;
using test::FakeMainView;
using test::InQuotes;
using test::PresenterTest;
using test::TempDir;

using MainPresenterSettingsTest = PresenterTest;

// Chooses an item of the Settings list, as a user does.
void ChooseSettings(MainPresenter& presenter, int item) {
  presenter.ListIndexChanged(Control::kSettingsChoice, item);
  presenter.SettingsChosen();
}

TEST_F(MainPresenterSettingsTest, SettingsSurviveSaveAndLoad) {
  TempDir site, files;
  site.MakeDir("images");
  presenter_.SetTopFolder(site.path());
  view_.subfolders_to_choose = std::vector<std::string>{"images", "Old Stuff"};
  presenter_.SelectSubfolders();
  presenter_.BoxEdited(Control::kExcludedFilepathsBox, "temp, backup");
  presenter_.BoxEdited(Control::kExcludedLinksBox, "cgi-bin");
  presenter_.OptionClicked(Control::kTopFolderOnlyBox, true);
  presenter_.OptionClicked(Control::kIncludePhpBox, true);
  const std::string file = files.path() + "mine.usr";
  view_.choose_file = [&](const FileDialog&) { return file; };
  ChooseSettings(presenter_, 1);
  EXPECT_EQ(presenter_.last_settings_file(), file);
  EXPECT_TRUE(view_.file_dialogs.back().save);
  EXPECT_EQ(view_.file_dialogs.back().filter, "Settings file (*.usr)");
  presenter_.ListIndexChanged(Control::kClearChoice, 4);
  view_.answers = {Answer::kYes};
  presenter_.ClearSelected();
  presenter_.OptionClicked(Control::kIncludePhpBox, false);
  ChooseSettings(presenter_, 3);
  EXPECT_FALSE(view_.file_dialogs.back().save);
  EXPECT_EQ(view_.file_dialogs.back().folder + "mine.usr", file);
  EXPECT_EQ(view_.text[Control::kTopFolderBox], site.path());
  EXPECT_EQ(view_.text[Control::kExcludedSubfoldersBox], "images\nOld Stuff");
  EXPECT_EQ(view_.text[Control::kExcludedCountLabel], "Two " + Catalogue(texts::kManyExcluded));
  EXPECT_EQ(view_.text[Control::kExcludedLinksBox], "cgi-bin");
  EXPECT_TRUE(view_.checked[Control::kTopFolderOnlyBox]);
  EXPECT_FALSE(view_.checked[Control::kShowRepeatedBox]);
  EXPECT_TRUE(view_.checked[Control::kIncludePhpBox]);
  EXPECT_EQ(presenter_.choices().excluded_subfolders,
            (std::vector<std::string>{"images", "Old Stuff"}));
}

TEST(MainPresenterStartSettings, TheLastRunsSettingsLoadAtStartUp) {
  TempDir data, site;
  data.Write("qvn.usr", CrLf({InQuotes(site.path()), "\"\"", "\"x\"", "\"y\"", " 0 ", " 1 "}));
  FakeMainView view;
  MainPresenter presenter(view, data.path());
  ASSERT_TRUE(presenter.Start());
  EXPECT_EQ(view.text[Control::kTopFolderBox], site.path());
  EXPECT_EQ(view.text[Control::kExcludedFilepathsBox], "x");
  EXPECT_TRUE(view.checked[Control::kShowRepeatedBox]);
  EXPECT_FALSE(view.checked[Control::kIncludePhpBox]);
  EXPECT_TRUE(view.Visible(Control::kExcludedCountLabel));
  EXPECT_EQ(view.focus, Control::kHelpButton);
}

TEST_F(MainPresenterSettingsTest, SavingRefusesDoubleQuotesAndNamesFailures) {
  TempDir files;
  presenter_.BoxEdited(Control::kExcludedLinksBox, "say \"hi\"");
  view_.choose_file = [&](const FileDialog&) { return files.path() + "s.usr"; };
  ChooseSettings(presenter_, 1);
  EXPECT_EQ(view_.LastMessage().title, "Save settings");
  EXPECT_NE(view_.LastMessage().text.find("link exclusions"), std::string::npos);
  EXPECT_FALSE(files.Exists("s.usr"));
  EXPECT_TRUE(view_.notices.empty());
  presenter_.BoxEdited(Control::kExcludedLinksBox, "");
  view_.choose_file = [&](const FileDialog&) { return files.path() + "no/such/folder/s.usr"; };
  ChooseSettings(presenter_, 1);
  EXPECT_EQ(view_.LastMessage().text.rfind("Error when attempting to save settings: ", 0), 0u);
}

TEST_F(MainPresenterSettingsTest, SaveInBothWaysWritesNothingUntilAFileIsChosen) {
  TempDir files;
  presenter_.BoxEdited(Control::kExcludedLinksBox, "both");
  std::string chosen;
  view_.choose_file = [&](const FileDialog&) {
    EXPECT_FALSE(data_.Exists("Quorvane/qvn.usr"));
    return chosen;
  };
  ChooseSettings(presenter_, 2);  // cancelled
  EXPECT_FALSE(data_.Exists("Quorvane/qvn.usr"));
  chosen = files.path() + "chosen.usr";
  ChooseSettings(presenter_, 2);
  EXPECT_NE(Read(DataFile("qvn.usr")).find("\"both\""), std::string::npos);
  EXPECT_EQ(view_.notices.size(), 1u);
  EXPECT_TRUE(files.Exists("chosen.usr"));
  EXPECT_TRUE(view_.questions.empty());
}

// A pick that would replace the settings for the next run asks first,
// naming the file; the button does not.
TEST_F(MainPresenterSettingsTest, APickOverwritingTheNextRunsSettingsAsks) {
  TempDir files;
  view_.choose_file = [&](const FileDialog&) { return files.path() + "x.usr"; };
  presenter_.BoxEdited(Control::kExcludedLinksBox, "first");
  ChooseSettings(presenter_, 0);
  EXPECT_TRUE(view_.questions.empty());  // nothing to overwrite yet
  presenter_.BoxEdited(Control::kExcludedLinksBox, "second");
  for (int item : {0, 2}) {
    view_.answers = {Answer::kNo};
    ChooseSettings(presenter_, item);
    ASSERT_FALSE(view_.questions.empty());
    EXPECT_NE(view_.questions.back().text.find(DataFile("qvn.usr")), std::string::npos);
    EXPECT_NE(Read(DataFile("qvn.usr")).find("\"first\""), std::string::npos);
  }
  EXPECT_FALSE(files.Exists("x.usr"));
  const std::size_t asked = view_.questions.size();
  presenter_.SaveOrLoadSettings();  // the button: item 2 still selected
  EXPECT_EQ(view_.questions.size(), asked);
  EXPECT_NE(Read(DataFile("qvn.usr")).find("\"second\""), std::string::npos);
}

TEST_F(MainPresenterSettingsTest, DialogsStartInTheDataFolderAndNamesGetTheExtension) {
  TempDir files;
  view_.choose_file = [&](const FileDialog&) { return files.path() + "plain"; };
  ChooseSettings(presenter_, 1);
  EXPECT_EQ(view_.file_dialogs.back().folder, DataFolder() + kSeparator);
  EXPECT_TRUE(files.Exists("plain.usr"));
  EXPECT_EQ(presenter_.last_settings_file(), files.path() + "plain.usr");
  // The dialog asked about "plain"; replacing "plain.usr" is asked here.
  presenter_.BoxEdited(Control::kExcludedLinksBox, "changed");
  view_.answers = {Answer::kNo};
  ChooseSettings(presenter_, 1);
  ASSERT_EQ(view_.questions.size(), 1u);
  EXPECT_NE(view_.questions[0].text.find(files.path() + "plain.usr"), std::string::npos);
  EXPECT_EQ(Read(files.path() + "plain.usr").find("changed"), std::string::npos);
  view_.choose_file = [&](const FileDialog&) { return files.path() + "kept.cfg"; };
  ChooseSettings(presenter_, 1);
  EXPECT_EQ(view_.file_dialogs.back().folder, files.path());
  EXPECT_TRUE(files.Exists("kept.cfg"));
}

// The message names the folder; the rest of the file is applied.
TEST_F(MainPresenterSettingsTest, ATopFolderThatIsNoFolderIsToldAndTheRestLoads) {
  TempDir files;
  files.Write("page.htm", "x");
  const struct {
    std::string top;
    const char* says;
  } cases[] = {{files.path() + "gone" + kSeparator, "does not exist"},
               {files.path() + "page.htm" + kSeparator, "is a file"}};
  for (const auto& c : cases) {
    files.Write("s.usr", CrLf({InQuotes(c.top), "\"\"", "\"tmp\"", "\"cgi\"", " 1 "}));
    view_.choose_file = [&](const FileDialog&) { return files.path() + "s.usr"; };
    view_.messages.clear();
    ChooseSettings(presenter_, 3);
    ASSERT_EQ(view_.messages.size(), 1u) << c.top;
    EXPECT_NE(view_.LastMessage().text.find(c.top), std::string::npos);
    EXPECT_NE(view_.LastMessage().text.find(c.says), std::string::npos);
    EXPECT_EQ(view_.text[Control::kTopFolderBox], "");
    EXPECT_EQ(view_.text[Control::kExcludedFilepathsBox], "tmp");
    EXPECT_EQ(view_.text[Control::kExcludedLinksBox], "cgi");
    EXPECT_TRUE(view_.checked[Control::kTopFolderOnlyBox]);
  }
}

TEST_F(MainPresenterSettingsTest, TheSavedNoticeStandsBelowTheClearList) {
  view_.control_places[Control::kClearChoice] = {1500, 5280, 2470, 360};
  presenter_.SaveOrLoadSettings();  // "Save for next run", the list's first item
  ASSERT_EQ(view_.notices.size(), 1u);
  EXPECT_EQ(view_.notices[0].text, Catalogue(texts::kSettingsSaved));
  EXPECT_EQ(view_.notices[0].place, NoticePlace(view_.place, {1500, 5280, 2470, 360}));
  EXPECT_EQ(view_.notices[0].milliseconds, 2000);
  EXPECT_TRUE(data_.Exists("Quorvane/qvn.usr"));
}

TEST_F(MainPresenterSettingsTest, LoadingAppliesWhatTheFileHolds) {
  TempDir files;
  files.Write("old.usr", CrLf({"\"/no/longer/here/\"", "\"images\"", "\"temp\"", "\"cgi\"",
                               " 1 ", " 1 ", " 0 "}));
  files.Write("four.usr", CrLf({"\"\"", "\"\"", "\"a\"", "\"b\""}));
  std::string chosen;
  view_.choose_file = [&](const FileDialog&) { return chosen; };
  chosen = files.path() + "old.usr";
  ChooseSettings(presenter_, 3);
  EXPECT_EQ(view_.text[Control::kTopFolderBox], "");
  EXPECT_EQ(view_.text[Control::kExcludedSubfoldersBox], "");
  EXPECT_EQ(view_.text[Control::kExcludedFilepathsBox], "temp");
  EXPECT_TRUE(view_.checked[Control::kTopFolderOnlyBox]);
  EXPECT_TRUE(view_.checked[Control::kShowRepeatedBox]);
  // A file with only four fields leaves the options as they were.
  chosen = files.path() + "four.usr";
  ChooseSettings(presenter_, 3);
  EXPECT_EQ(view_.text[Control::kExcludedLinksBox], "b");
  EXPECT_TRUE(view_.checked[Control::kTopFolderOnlyBox]);
  // A cancelled dialog leaves the window as it was.
  chosen = "";
  ChooseSettings(presenter_, 3);
  EXPECT_EQ(view_.text[Control::kExcludedLinksBox], "b");
}

TEST_F(MainPresenterSettingsTest, TheMoreChecksAreSavedAndLoadedWithTheRest) {
  TempDir site, files;
  presenter_.SetTopFolder(site.path());
  const std::string seven = files.path() + "seven.usr";
  view_.choose_file = [&](const FileDialog&) { return seven; };
  ChooseSettings(presenter_, 1);
  EXPECT_EQ(Read(seven), CrLf({InQuotes(site.path()), "\"\"", "\"\"", "\"\"", " 0 ", " 0 ",
                               " 0 "}));  // all off: the file of earlier versions
  MoreChecks more;
  more.site_root = more.letter_case = true;
  more.site_root_folder = site.path();
  more.index_files = "home.htm";
  view_.more_checks_to_choose = more;
  presenter_.ChooseMoreChecks();
  ChooseSettings(presenter_, 0);
  EXPECT_EQ(Read(DataFile("qvn.usr")),
            CrLf({InQuotes(site.path()), "\"\"", "\"\"", "\"\"", " 0 ", " 0 ", " 0 ", " 0 ",
                  " 1 ", InQuotes(site.path()), " 0 ", "\"home.htm\"", " 0 ", " 1 "}));
  // An earlier version's file sets them back to their defaults...
  ChooseSettings(presenter_, 3);
  EXPECT_FALSE(presenter_.choices().more.AnyOn());
  EXPECT_EQ(presenter_.choices().more.index_files, std::string(kDefaultIndexFiles));
  EXPECT_EQ(view_.text[Control::kMoreChecksButton], "More checks...");
  view_.choose_file = [&](const FileDialog&) { return DataFile("qvn.usr"); };
  ChooseSettings(presenter_, 3);
  EXPECT_TRUE(presenter_.choices().more.site_root && presenter_.choices().more.letter_case);
  EXPECT_EQ(view_.text[Control::kMoreChecksButton], "More checks (2 on)...");
  // ...and one that ends before its seventh field says nothing of them.
  files.Write("four.usr", CrLf({"\"\"", "\"\"", "\"a\"", "\"b\""}));
  view_.choose_file = [&](const FileDialog&) { return files.path() + "four.usr"; };
  ChooseSettings(presenter_, 3);
  EXPECT_TRUE(presenter_.choices().more.site_root);
}

TEST_F(MainPresenterSettingsTest, TheExternalTickIsSavedAfterTheMoreChecksOnlyWhenOn) {
  TempDir site;
  presenter_.SetTopFolder(site.path());
  MoreChecks more;
  more.external = true;
  view_.more_checks_to_choose = more;
  presenter_.ChooseMoreChecks();
  EXPECT_EQ(view_.text[Control::kMoreChecksButton], "More checks (1 on)...");
  ChooseSettings(presenter_, 0);
  EXPECT_EQ(Read(DataFile("qvn.usr")),
            CrLf({InQuotes(site.path()), "\"\"", "\"\"", "\"\"", " 0 ", " 0 ", " 0 ", " 0 ",
                  " 0 ", "\"\"", " 0 ", InQuotes(std::string(kDefaultIndexFiles)), " 0 ", " 0 ",
                  " 1 "}));
  view_.more_checks_to_choose = MoreChecks();
  presenter_.ChooseMoreChecks();
  view_.choose_file = [&](const FileDialog&) { return DataFile("qvn.usr"); };
  ChooseSettings(presenter_, 3);
  EXPECT_TRUE(presenter_.choices().more.external);
  EXPECT_FALSE(presenter_.choices().more.AnyOn());
}

}  // namespace
}  // namespace qvn::app
