// The main window's rules over a fake window: start-up, the subfolder
// label, the exclusion boxes, Clear, the top folder, the small actions.

#include "core/app/main_presenter.h"

#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

#include "core/platform/path.h"
#include "core/settings/catalogue_texts.h"
#include "support/presenter_fixture.h"

namespace qvn::app {
namespace {

using test::FakeMainView;
using test::PresenterTest;
using test::TempDir;

using MainPresenterTest = PresenterTest;

TEST_F(MainPresenterTest, StartUpShowsTheDefaults) {
  EXPECT_TRUE(view_.Shown(Window::kMain));
  EXPECT_EQ(view_.place.frame.left, 100);
  EXPECT_EQ(view_.place.frame, MainFrameAtStart(view_.place));
  EXPECT_EQ(view_.items[Control::kSettingsChoice][2], "Save in both ways");
  EXPECT_EQ(view_.selected[Control::kSettingsChoice], 0);
  EXPECT_EQ(view_.items[Control::kClearChoice][4], "All of the above");
  EXPECT_EQ(view_.selected[Control::kClearChoice], -1);
  EXPECT_EQ(view_.text[Control::kManualLink], "quorvane.example/manual/");
  EXPECT_EQ(view_.text[Control::kMoreChecksButton], "More checks...");
  EXPECT_EQ(view_.text[Control::kExcludedCountLabel], Catalogue(texts::kNoneExcluded));
  EXPECT_EQ(Status(), "");
  EXPECT_FALSE(view_.Visible(Control::kStopButton));
  EXPECT_FALSE(view_.Visible(Control::kScanningLabel));
  EXPECT_FALSE(view_.Visible(Control::kExcludedCountLabel));
  EXPECT_FALSE(view_.Enabled(Control::kSelectSubfoldersButton));
  EXPECT_FALSE(view_.Enabled(Control::kResultsButton));
  EXPECT_EQ(view_.focus, Control::kHelpButton);
  EXPECT_EQ(presenter_.default_settings_file(), DataFile("qvn.usr"));
}

TEST(MainPresenterStart, AnUnreadableCatalogueEndsStartUp) {
  TempDir files;
  files.Write("empty.dat", "");
  const struct {
    std::string file, text;
  } cases[] = {
      {files.path() + "missing.dat",
       "Cannot open file containing program text.\r\n" + files.path() + "missing.dat"},
      {files.path() + "empty.dat", "File is empty."},
  };
  for (const auto& c : cases) {
    FakeMainView view;
    MainPresenter presenter(view, files.path() + "data");
    EXPECT_FALSE(presenter.Start(c.file));
    EXPECT_EQ(view.LastMessage(), (Message{c.text, "", Icon::kCritical}));
    EXPECT_FALSE(view.Shown(Window::kMain));
  }
}

TEST_F(MainPresenterTest, SubfolderLabelFollowsTheTopFolder) {
  TempDir site, flat;
  site.MakeDir("images");
  presenter_.SetTopFolder(site.path());
  EXPECT_TRUE(view_.Enabled(Control::kSelectSubfoldersButton));
  EXPECT_TRUE(view_.Visible(Control::kExcludedCountLabel));
  EXPECT_EQ(view_.text[Control::kExcludedCountLabel], Catalogue(texts::kNoneExcluded));
  presenter_.SetTopFolder(flat.path());
  EXPECT_FALSE(view_.Enabled(Control::kSelectSubfoldersButton));
  EXPECT_FALSE(view_.Enabled(Control::kExcludedSubfoldersBox));
  EXPECT_EQ(view_.text[Control::kExcludedCountLabel], Catalogue(texts::kNoSubfolders));
}

TEST_F(MainPresenterTest, ExclusionBoxesAreTidiedOnLeaving) {
  // Filepaths are compared with the system's separators.
  const std::string b_x = std::string("b") + kSeparator + "x";
  const struct {
    Control box;
    std::string typed, tidied;
  } cases[] = {
      {Control::kExcludedFilepathsBox, "b/x,  A ,c", "A, " + b_x + ", c"},
      {Control::kExcludedLinksBox, "a,,b", ", a, b"},
      {Control::kExcludedLinksBox, ",", ""},
  };
  for (const auto& c : cases) {
    presenter_.BoxEdited(c.box, c.typed);
    presenter_.BoxLeft(c.box);
    EXPECT_EQ(view_.text[c.box], c.tidied);
  }
  EXPECT_EQ(presenter_.choices().excluded_links, "");
  EXPECT_EQ(presenter_.choices().excluded_filepaths, "A, " + b_x + ", c");
}

TEST_F(MainPresenterTest, ClearAsksAndClears) {
  TempDir site;
  site.MakeDir("sub");
  presenter_.SetTopFolder(site.path());
  presenter_.BoxEdited(Control::kExcludedLinksBox, "x");
  presenter_.BoxEdited(Control::kExcludedFilepathsBox, "y");
  presenter_.ListIndexChanged(Control::kClearChoice, 4);
  view_.answers = {Answer::kCancel};
  presenter_.ClearChosen();
  ASSERT_EQ(view_.questions.size(), 1u);  // "All of the above" asks once, naming all
  EXPECT_EQ(view_.questions[0].title, "Clear all");
  EXPECT_TRUE(view_.questions[0].with_cancel);
  EXPECT_EQ(view_.questions[0].default_answer, Answer::kCancel);
  EXPECT_EQ(presenter_.choices().excluded_links, "x");
  view_.answers = {Answer::kYes};
  presenter_.ClearChosen();
  EXPECT_EQ(presenter_.choices().top_folder, "");
  EXPECT_EQ(view_.text[Control::kTopFolderBox], "");
  EXPECT_EQ(view_.text[Control::kExcludedLinksBox], "");
  EXPECT_EQ(view_.text[Control::kExcludedFilepathsBox], "");
  EXPECT_FALSE(view_.Enabled(Control::kSelectSubfoldersButton));
  EXPECT_EQ(view_.focus, Control::kTopFolderButton);
  // The button clears without asking; each item clears its own.
  presenter_.SetTopFolder(site.path());
  presenter_.BoxEdited(Control::kExcludedLinksBox, "x");
  presenter_.ListIndexChanged(Control::kClearChoice, 2);
  presenter_.ClearSelected();
  EXPECT_EQ(presenter_.choices().excluded_links, "x");
  presenter_.ListIndexChanged(Control::kClearChoice, 0);
  presenter_.ClearSelected();
  EXPECT_EQ(presenter_.choices().top_folder, "");
  EXPECT_EQ(view_.questions.size(), 2u);
}

// A pick in the Clear list asks a question that names the item; No keeps it.
TEST_F(MainPresenterTest, ClearQuestionsNameWhatGoes) {
  TempDir site;
  site.MakeDir("sub");
  const std::vector<std::string> items = view_.items[Control::kClearChoice];
  for (int index = 0; index < 4; ++index) {
    presenter_.SetTopFolder(site.path());
    view_.subfolders_to_choose = std::vector<std::string>{"sub"};
    presenter_.SelectSubfolders();
    presenter_.BoxEdited(Control::kExcludedFilepathsBox, "y");
    presenter_.BoxEdited(Control::kExcludedLinksBox, "x");
    const auto cleared = [&] {
      const Choices& now = presenter_.choices();
      return std::tuple(now.top_folder, now.excluded_subfolders, now.excluded_filepaths,
                        now.excluded_links);
    };
    const auto before = cleared();
    presenter_.ListIndexChanged(Control::kClearChoice, index);
    view_.answers = {Answer::kNo};
    presenter_.ClearChosen();
    ASSERT_FALSE(view_.questions.empty());
    std::string item = items[static_cast<std::size_t>(index)];
    item[0] = static_cast<char>(std::tolower(item[0]));
    EXPECT_NE(view_.questions.back().text.find(item), std::string::npos) << item;
    EXPECT_EQ(cleared(), before);
    view_.answers = {Answer::kYes};
    presenter_.ClearChosen();
    EXPECT_NE(cleared(), before) << item;
  }
}

TEST_F(MainPresenterTest, AChosenTopFolderMayDropTheExclusions) {
  TempDir site;
  std::string chosen = site.path();
  chosen.pop_back();  // as a folder dialog gives it
  view_.folder_to_choose = chosen;
  presenter_.ChooseTopFolder();
  EXPECT_EQ(view_.text[Control::kTopFolderBox], site.path());
  EXPECT_TRUE(view_.questions.empty());  // nothing to keep
  for (Answer answer : {Answer::kYes, Answer::kNo}) {
    presenter_.BoxEdited(Control::kExcludedLinksBox, "cgi");
    view_.answers = {answer};
    presenter_.ChooseTopFolder();
    EXPECT_EQ(view_.questions.back(),
              (Question{"Keep excluded subfolders, excluded filepaths and excluded links?",
                        "Top folder"}));
    EXPECT_EQ(presenter_.choices().excluded_links, answer == Answer::kYes ? "cgi" : "");
  }
  view_.folder_to_choose = "";  // cancelled
  presenter_.ChooseTopFolder();
  EXPECT_EQ(presenter_.choices().top_folder, site.path());
}

TEST_F(MainPresenterTest, ExcludedSubfoldersAreChosenInTheirWindow) {
  presenter_.SelectSubfolders();
  EXPECT_EQ(view_.LastMessage(), (Message{Catalogue(texts::kChooseTopFolderFirst),
                                          "Exclude top subfolders", Icon::kWarning}));
  EXPECT_TRUE(view_.subfolder_requests.empty());
  TempDir site;
  site.MakeDir("a");
  site.MakeDir("c");
  presenter_.SetTopFolder(site.path());
  view_.control_places[Control::kSelectSubfoldersButton] = {120, 600, 2300, 360};
  view_.subfolders_to_choose = std::vector<std::string>{"a", "C"};
  presenter_.SelectSubfolders();
  const SubfolderRequest& request = view_.subfolder_requests.back();
  EXPECT_EQ(request.caption, Catalogue(texts::kSelectSubfoldersTitle));
  EXPECT_EQ(request.top_folder, site.path());
  EXPECT_EQ(request.rows_per_page, 13);
  EXPECT_TRUE(request.omit_sizes);
  EXPECT_EQ(request.place, SubfolderWindowPlace(view_.place, {120, 600, 2300, 360}));
  EXPECT_EQ(view_.text[Control::kExcludedSubfoldersBox], "a\nC");
  EXPECT_EQ(view_.text[Control::kExcludedCountLabel], "Two " + Catalogue(texts::kManyExcluded));
  // The names chosen before go back to the window; Cancel keeps them.
  view_.subfolders_to_choose.reset();
  presenter_.SelectSubfolders();
  EXPECT_EQ(view_.subfolder_requests.back().chosen, (std::vector<std::string>{"a", "C"}));
  EXPECT_EQ(presenter_.choices().excluded_subfolders, (std::vector<std::string>{"a", "C"}));
}

TEST_F(MainPresenterTest, OptionsMoreChecksAndTheDefaultFocus) {
  presenter_.OptionClicked(Control::kIncludePhpBox, true);
  EXPECT_TRUE(presenter_.choices().include_php);
  EXPECT_EQ(view_.focus, Control::kTopFolderButton);
  TempDir site;
  presenter_.SetTopFolder(site.path());
  presenter_.OptionClicked(Control::kTopFolderOnlyBox, true);
  EXPECT_TRUE(presenter_.choices().top_folder_only);
  EXPECT_EQ(view_.focus, Control::kListFilesButton);
  MoreChecks more;
  more.letter_case = more.all_links = true;
  view_.more_checks_to_choose = more;
  presenter_.ChooseMoreChecks();
  EXPECT_EQ(view_.text[Control::kMoreChecksButton], "More checks (2 on)...");
  view_.more_checks_to_choose.reset();  // cancelled
  presenter_.ChooseMoreChecks();
  EXPECT_TRUE(presenter_.choices().more.letter_case);
}

TEST_F(MainPresenterTest, WebPagesAndAFailedLaunch) {
  presenter_.OpenVendorPage();
  presenter_.OpenManualPage();
  EXPECT_EQ(view_.web_pages, (std::vector<std::string>{Catalogue(texts::kVendorAddress),
                                                       kUserManualAddress}));
  EXPECT_TRUE(view_.messages.empty());
  const std::string failed = "Error launching web browser, error code = ";
  const struct {
    std::optional<int> code;
    std::string text;
  } launches[] = {
      {std::nullopt, std::string("No web browser is set up to open ") + kUserManualAddress + "."},
      {5, failed + "5."},
      {2, failed + "2.\n\nPlease try once more."},
      {8, failed + "8.\n\nOut of memory."},
      {31, failed + "31.\n\nFile extension '" + qvn::GetFileExtension(kUserManualAddress, true) +
               "' is not associated with any application program."},
  };
  for (const auto& launch : launches) {
    view_.web_launch = {false, launch.code};
    presenter_.OpenManualPage();
    EXPECT_EQ(view_.LastMessage().title, "Cannot launch web browser");
    EXPECT_EQ(view_.LastMessage().text, launch.text);
  }
}

TEST_F(MainPresenterTest, HelpOpensBesideTheWindowWithoutCopyButton) {
  view_.place.frame.top = 700;
  presenter_.ShowHelp();
  const ViewerOpening& help = view_.opened[Window::kViewer];
  EXPECT_EQ(help.caption, "Help for Quorvane");
  EXPECT_FALSE(help.copy_button);
  EXPECT_NE(help.text.find("Check links"), std::string::npos);
  EXPECT_EQ(view_.place.frame.left, 100);  // moved to the left edge, at its height
  EXPECT_EQ(view_.place.frame.top, 700);
  EXPECT_EQ(help.place, ViewerPlace(Viewing::kHelp, view_.place));
  EXPECT_FALSE(view_.Shown(Window::kViewer2));
}

}  // namespace
}  // namespace qvn::app
