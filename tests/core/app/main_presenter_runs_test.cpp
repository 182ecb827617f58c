// The main window's runs over a fake window: what starts them, what they
// show while they run and when they end, Stop and its question, Quit.

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

#include "core/app/main_presenter.h"
#include "core/settings/catalogue_texts.h"
#include "support/presenter_fixture.h"

#ifndef _WIN32
#include <sys/stat.h>

#include "support/posix/unprivileged.h"
#endif

namespace qvn::app {
namespace {

using test::FakeThreads;
using test::PresenterTest;
using test::TempDir;

using MainPresenterRunsTest = PresenterTest;

// Pages enough that a run is still going when the test acts.
void MakeBigSite(const TempDir& site) {
  std::string page;
  for (int i = 0; i < 50; ++i) page += "<a href=\"missing.htm\">\r\n";
  for (int i = 0; i < 300; ++i) site.Write("p" + std::to_string(1000 + i) + ".htm", page);
}

TEST_F(MainPresenterRunsTest, ACheckShowsBothReports) {
  TempDir site;
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n<img src=\"pic.gif\">\r\n");
  RunOn(site, [&] {
    presenter_.SetTopFolder("  " + site.path() + "  ");
    presenter_.CheckLinks();
  });
  EXPECT_EQ(view_.text[Control::kTopFolderBox], site.path());
  EXPECT_EQ(Status(), "There are 2 broken local links.");
  EXPECT_EQ(view_.text[Control::kProgressLabel], "");
  const ViewerOpening& by_source = view_.opened[Window::kViewer];
  const ViewerOpening& by_target = view_.opened[Window::kViewer2];
  EXPECT_EQ(by_source.caption, "Broken links sorted by link-from");
  EXPECT_EQ(by_source.text, Read(DataFile("links_to.txt")));
  EXPECT_TRUE(by_source.copy_button);
  EXPECT_EQ(by_target.caption, "Broken links sorted by link-to");
  EXPECT_NE(by_target.text.find("gone.htm <\xE2\x80\x94"), std::string::npos);
  // Side by side, the main window back where it starts.
  EXPECT_EQ(view_.place.frame.left, 100);
  EXPECT_EQ(by_source.place, ViewerPlace(Viewing::kReportBySource, view_.place));
  EXPECT_EQ(by_target.place, ViewerPlace(Viewing::kReportByTarget, view_.place));
  EXPECT_EQ(presenter_.output_file(), DataFile("links_from.txt"));
  EXPECT_FALSE(presenter_.running());
  EXPECT_TRUE(view_.Enabled(Control::kCheckLinksButton));
  EXPECT_TRUE(view_.Enabled(Control::kResultsButton));
  EXPECT_FALSE(view_.Visible(Control::kStopButton));
}

TEST_F(MainPresenterRunsTest, OutcomesWithoutReports) {
  TempDir site;
  site.Write("a.htm", "<a href=\"a.htm\">\r\n");
  RunOn(site, [&] { presenter_.CheckLinks(); });
  EXPECT_EQ(Status(), "Congratulations!  There are no broken local links.");
  EXPECT_FALSE(view_.Shown(Window::kViewer));
  EXPECT_FALSE(view_.Enabled(Control::kResultsButton));
  site.Write("b.htm", "<a href=\"c.htm\">\r\n");
  RunOn(site, [&] { presenter_.CheckLinks(); });
  EXPECT_EQ(Status(), "There is only one broken local link.");
}

TEST_F(MainPresenterRunsTest, WhileARunGoesOn) {
  TempDir site;
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  presenter_.SetTopFolder(site.path());
  presenter_.CheckLinks();  // done, but its end not yet handled
  EXPECT_TRUE(presenter_.running());
  EXPECT_EQ(Status(), "No broken links found so far.");
  EXPECT_FALSE(view_.Enabled(Control::kCheckLinksButton));
  EXPECT_FALSE(view_.Enabled(Control::kClearChoice));
  EXPECT_TRUE(view_.Enabled(Control::kQuitButton));
  EXPECT_TRUE(view_.Visible(Control::kStopButton) && view_.Enabled(Control::kStopButton));
  EXPECT_TRUE(view_.Visible(Control::kScanningLabel));
  ASSERT_TRUE(view_.threads.RunOne());  // the first progress comes at once
  EXPECT_EQ(view_.text[Control::kProgressLabel], ScanningText(1, "index.htm"));
  view_.threads.Finish();
  EXPECT_EQ(Status(), "There is only one broken local link.");
}

TEST_F(MainPresenterRunsTest, ProblemsStopARunBeforeItStarts) {
  TempDir site;
  const std::string gone_root = site.path() + "gone";
  const struct {
    std::string top;
    bool site_root;
    void (MainPresenter::*run)();
    std::string text, title;
  } cases[] = {
      {"", false, &MainPresenter::CheckLinks, Catalogue(texts::kNoTopFolder), "Check links"},
      {"/no/such/folder/", false, &MainPresenter::ListFiles, Catalogue(texts::kTopFolderMissing),
       "Check links"},
      {site.path(), true, &MainPresenter::CheckLinks,
       "The site root folder '" + gone_root + "' does not exist or is not a folder.",
       "Check links"},
      {" " + site.path(), true, &MainPresenter::SearchOrphans,
       "The site root folder '" + gone_root + "' does not exist or is not a folder.",
       "Orphan files"},
  };
  MoreChecks more;
  more.site_root_folder = " " + gone_root + " ";
  for (const auto& c : cases) {
    presenter_.SetTopFolder(c.top);
    more.site_root = c.site_root;
    view_.more_checks_to_choose = more;
    presenter_.ChooseMoreChecks();
    (presenter_.*c.run)();
    EXPECT_EQ(view_.LastMessage(), (Message{c.text, c.title, Icon::kWarning}));
    EXPECT_FALSE(presenter_.running());
    EXPECT_EQ(Status(), "");
  }
  EXPECT_EQ(view_.threads.runs(), 0);
  presenter_.ListFiles();  // a listing reads no site root
  EXPECT_EQ(view_.threads.runs(), 1);
}

#ifndef _WIN32
TEST_F(MainPresenterRunsTest, AnUnreadableTopFolderIsNamedWithTheReason) {
  TempDir site;
  site.Write("locked/index.htm", "<a href=\"gone.htm\">\r\n");
  chmod(site.path().c_str(), 0755);
  const std::string locked = site.path() + "locked";
  chmod(locked.c_str(), 0);
  const int found = test::RunUnprivileged([&] {
    presenter_.SetTopFolder(locked);
    presenter_.CheckLinks();
    const Message told = view_.LastMessage();
    const bool named = told == Message{"Cannot read the top folder " + locked + kSeparator +
                                           ":\n\nPermission denied",
                                       "Check links", Icon::kWarning};
    if (!named) std::cerr << "told: " << told.text << '\n';  // the child cannot fail the test
    return named && view_.threads.runs() == 0 ? 0 : 1;
  });
  if (found == test::kNoUserNamespace) GTEST_SKIP() << "no user namespace to drop root in";
  EXPECT_EQ(found, 0);
}
#endif

TEST_F(MainPresenterRunsTest, StopAsksAndTheRunWaitsForTheAnswer) {
  for (Answer answer : {Answer::kNo, Answer::kYes}) {
    TempDir site;
    MakeBigSite(site);
    view_.threads.mode = FakeThreads::Mode::kThread;
    view_.threads.hold_after_first_post = true;
    presenter_.SetTopFolder(site.path());
    presenter_.CheckLinks();
    view_.threads.WaitForPost();  // the run is under way
    view_.answers = {answer};
    presenter_.Stop();
    view_.threads.Finish();
    EXPECT_EQ(view_.questions.back(), (Question{"Really stop?", "Stop", false, Answer::kNo}));
    EXPECT_EQ(presenter_.last_check().stopped, answer == Answer::kYes);
    if (answer == Answer::kNo) {
      EXPECT_EQ(Status(), "There are 15000 broken local links.");
    } else {
      EXPECT_EQ(Status(), "Checking of links was stopped.");
      EXPECT_EQ(Read(DataFile("links_to.txt"))
                    .rfind("Link checking was stopped, so this list is incomplete.\r\n\r\n", 0),
                0u);
    }
  }
}

TEST_F(MainPresenterRunsTest, ARunEndingWhileStopIsAskedWaitsForTheAnswer) {
  TempDir site;
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  presenter_.SetTopFolder(site.path());
  presenter_.CheckLinks();
  view_.answers = {Answer::kYes};
  view_.on_ask = [&](const Question&) {
    view_.threads.Finish();  // the end arrives while the question is open
    EXPECT_TRUE(presenter_.running());
  };
  presenter_.Stop();
  EXPECT_FALSE(presenter_.running());
  EXPECT_FALSE(presenter_.last_check().stopped);  // it had ended: nothing to stop
  EXPECT_EQ(Status(), "There is only one broken local link.");
}

TEST_F(MainPresenterRunsTest, ListingShowsTheListAndDeletesTheLastFile) {
  TempDir site, empty;
  site.Write("index.htm", "x");
  site.Write("news/a.htm", "x");
  presenter_.SetTopFolder(site.path());
  presenter_.ListFiles();
  EXPECT_FALSE(view_.Visible(Control::kScanningLabel));
  view_.threads.Finish();
  EXPECT_EQ(Status(), "Number of files: 2");
  const ViewerOpening& list = view_.opened[Window::kViewer];
  EXPECT_EQ(list.caption, "Files with links to be checked");
  EXPECT_NE(list.text.find("Links in two files will be checked."), std::string::npos);
  EXPECT_EQ(list.place, ViewerPlace(Viewing::kFileList, view_.place));
  EXPECT_EQ(presenter_.output_file(), DataFile("files.txt"));
  RunOn(empty, [&] { presenter_.ListFiles(); });
  EXPECT_EQ(Status(), "No files.");
  EXPECT_FALSE(data_.Exists("Quorvane/files.txt"));
}

TEST_F(MainPresenterRunsTest, AStoppedListingAsksBeforeShowing) {
  TempDir site;
  MakeBigSite(site);
  view_.threads.mode = FakeThreads::Mode::kThread;
  view_.threads.hold_after_first_post = true;
  presenter_.SetTopFolder(site.path());
  presenter_.ListFiles();
  view_.threads.WaitForPost();
  view_.answers = {Answer::kYes, Answer::kNo};
  presenter_.Stop();
  view_.threads.Finish();
  EXPECT_EQ(Status(), "Listing of files was stopped.");
  EXPECT_EQ(view_.questions.back(),
            (Question{"The listing was stopped.  Do you wish to display the incomplete list?",
                      "List files"}));
  EXPECT_FALSE(view_.Shown(Window::kViewer));
  EXPECT_NE(Read(DataFile("files.txt")).find("The listing of files was stopped"),
            std::string::npos);
}

TEST_F(MainPresenterRunsTest, AnOrphanSearchShowsItsListsBesideTheWindow) {
  TempDir site;
  site.Write("index.htm", "<a href=\"one.htm\">\r\n");
  site.Write("one.htm", "x");
  site.Write("a.htm", "x");
  site.Write("css/site.css", "x");
  presenter_.BoxEdited(Control::kExcludedFilepathsBox, " css ");
  RunOn(site, [&] { presenter_.SearchOrphans(); });
  EXPECT_EQ(view_.text[Control::kExcludedFilepathsBox], "css");
  EXPECT_EQ(Status(), "1 orphan file: 1 not linked from any page, 0 reachable only from orphans.");
  ASSERT_TRUE(view_.orphans);
  EXPECT_EQ(view_.orphans->first.not_linked, (std::vector<std::string>{"a.htm"}));
  EXPECT_EQ(view_.orphans->second, site.path());
  EXPECT_TRUE(view_.Shown(Window::kOrphans));
  EXPECT_EQ(view_.placed[Window::kOrphans], OrphansWindowPlace(view_.place));
}

TEST_F(MainPresenterRunsTest, AStoppedOrphanSearchShowsNoLists) {
  TempDir site;
  MakeBigSite(site);
  view_.threads.mode = FakeThreads::Mode::kThread;
  view_.threads.hold_after_first_post = true;
  presenter_.SetTopFolder(site.path());
  presenter_.SearchOrphans();
  view_.threads.WaitForPost();
  view_.answers = {Answer::kYes};
  presenter_.Stop();
  view_.threads.Finish();
  EXPECT_EQ(Status(), "The orphan search was stopped.");
  EXPECT_FALSE(view_.orphans);
  EXPECT_TRUE(view_.Enabled(Control::kOrphansButton));
}

TEST_F(MainPresenterRunsTest, QuitEndsARunAndDeletesTheLastFile) {
  TempDir site;
  site.Write("a.htm", "<a href=\"gone.htm\">\r\n");
  RunOn(site, [&] { presenter_.CheckLinks(); });
  EXPECT_TRUE(data_.Exists("Quorvane/links_from.txt"));
  // A second check, quit while it runs: it is stopped and writes nothing.
  MakeBigSite(site);
  view_.threads.mode = FakeThreads::Mode::kThread;
  view_.threads.hold_after_first_post = true;
  presenter_.CheckLinks();
  view_.threads.WaitForPost();
  presenter_.Quit();
  view_.threads.Finish();
  EXPECT_TRUE(view_.quit);
  EXPECT_FALSE(view_.Shown(Window::kMain));
  EXPECT_FALSE(data_.Exists("Quorvane/links_from.txt"));
  EXPECT_TRUE(data_.Exists("Quorvane/links_to.txt"));
  EXPECT_EQ(Read(DataFile("links_to.txt")).find("stopped"), std::string::npos);
}

TEST_F(MainPresenterRunsTest, TheResultsWindowFollowsTheChecks) {
  TempDir broken, clean;
  broken.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  clean.Write("index.htm", "<a href=\"index.htm\">\r\n");
  RunOn(broken, [&] { presenter_.CheckLinks(); });
  presenter_.ShowResults();
  EXPECT_TRUE(view_.Shown(Window::kResults));
  EXPECT_EQ(view_.placed[Window::kResults], ResultsWindowPlace(view_.place));
  EXPECT_EQ(view_.results->first.broken_links.size(), 1u);
  EXPECT_EQ(view_.results->second, broken.path());
  // Listing leaves it; an open window follows the next check, and goes
  // with a check that finds nothing.
  RunOn(broken, [&] { presenter_.ListFiles(); });
  EXPECT_TRUE(view_.Enabled(Control::kResultsButton));
  broken.Write("more.htm", "<a href=\"more-gone.htm\">\r\n");
  view_.results.reset();
  RunOn(broken, [&] { presenter_.CheckLinks(); });
  EXPECT_EQ(view_.results->first.broken_links.size(), 2u);
  RunOn(clean, [&] { presenter_.CheckLinks(); });
  EXPECT_FALSE(view_.Shown(Window::kResults));
  EXPECT_FALSE(view_.Enabled(Control::kResultsButton));
}

// Results of one folder are never shown as another's: the caption names
// the folder checked, and any change of the top folder empties the window
// with the reason, the status line too.
TEST_F(MainPresenterRunsTest, ChangingTheTopFolderEmptiesTheResults) {
  TempDir broken, other;
  broken.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  const std::function<void()> changes[] = {
      [&] { presenter_.SetTopFolder(other.path()); },
      [&] {
        view_.folder_to_choose = other.path();
        presenter_.ChooseTopFolder();
      },
      [&] {
        presenter_.ListIndexChanged(Control::kClearChoice, 0);
        presenter_.ClearSelected();
      },
  };
  for (const auto& change : changes) {
    RunOn(broken, [&] { presenter_.CheckLinks(); });
    presenter_.ShowResults();
    EXPECT_EQ(view_.results_caption.rfind("Broken links table: " + broken.path() + " (checked ", 0),
              0u);
    change();
    ASSERT_TRUE(view_.results_cleared.has_value());
    EXPECT_FALSE(view_.results.has_value());
    EXPECT_NE(view_.results_caption.find("Broken links table"), std::string::npos);
    EXPECT_EQ(view_.results_caption.find(broken.path()), std::string::npos);
    const std::string now = presenter_.choices().top_folder;
    EXPECT_NE(view_.results_cleared->find(now.empty() ? "cleared" : now), std::string::npos);
    EXPECT_FALSE(view_.Enabled(Control::kResultsButton));
    EXPECT_EQ(Status(), "");
  }
  // Choosing the same folder again keeps them.
  RunOn(broken, [&] { presenter_.CheckLinks(); });
  view_.results_cleared.reset();
  view_.folder_to_choose = broken.path();
  presenter_.ChooseTopFolder();
  EXPECT_FALSE(view_.results_cleared.has_value());
  EXPECT_TRUE(view_.Enabled(Control::kResultsButton));
}

// "Exclude top subfolders" follows the disk as a run ends.
TEST_F(MainPresenterRunsTest, TheSubfolderButtonIsRetestedWhenARunEnds) {
  TempDir site;
  site.Write("index.htm", "x");
  presenter_.SetTopFolder(site.path());
  EXPECT_FALSE(view_.Enabled(Control::kSelectSubfoldersButton));
  RunOn(site, [&] {
    presenter_.ListFiles();
    site.MakeDir("made-meanwhile");
  });
  EXPECT_TRUE(view_.Enabled(Control::kSelectSubfoldersButton));
}

TEST_F(MainPresenterRunsTest, TheMoreChecksReachTheCheck) {
  TempDir site;
  site.Write("index.htm", "<a href=\"/img/Logo.GIF\">\r\n<img src=\"img/LOGO.gif\">\r\n");
  site.Write("img/logo.gif", "GIF89a");
  RunOn(site, [&] { presenter_.CheckLinks(); });
  EXPECT_EQ(Status(), "There is only one broken local link.");
  MoreChecks more;
  more.site_root = more.letter_case = true;
  view_.more_checks_to_choose = more;
  presenter_.ChooseMoreChecks();
  RunOn(site, [&] { presenter_.CheckLinks(); });
  EXPECT_EQ(Status(), "There are 2 broken local links.");
  const std::string report = Read(DataFile("links_to.txt"));
  EXPECT_NE(report.find("[letter case: logo.gif]"), report.rfind("[letter case: logo.gif]"));
}

TEST_F(MainPresenterRunsTest, ExcludedSubfoldersAreSkippedByTheNextCheck) {
  TempDir site;
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  site.Write("a/page.htm", "<a href=\"gone_a.htm\">\r\n");
  site.Write("b/page.htm", "<a href=\"gone_b.htm\">\r\n");
  presenter_.SetTopFolder(site.path());
  view_.subfolders_to_choose = std::vector<std::string>{"A"};  // letter case aside
  presenter_.SelectSubfolders();
  RunOn(site, [&] { presenter_.CheckLinks(); });
  const BrokenLinkTable& found = presenter_.last_check().broken_links;
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found.Source(0), site.path() + "index.htm");
  EXPECT_EQ(found.Source(1), site.path() + "b" + kSeparator + "page.htm");
}

TEST(MainPresenterOutput, AReportThatCannotBeWrittenIsNamed) {
  TempDir site, files;
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  files.Write("plain", "a file where the data folder should be");
  test::FakeMainView view;
  MainPresenter presenter(view, files.path() + "plain" + kSeparator + "Quorvane");
  ASSERT_TRUE(presenter.Start());
  presenter.SetTopFolder(site.path());
  presenter.CheckLinks();
  view.threads.Finish();
  EXPECT_EQ(view.LastMessage().title, "Check links");
  EXPECT_EQ(view.LastMessage().text.rfind("Unable to write the report to " + files.path() + "plain",
                                          0),
            0u);
  EXPECT_FALSE(view.Shown(app::Window::kViewer));
  EXPECT_EQ(view.text[app::Control::kStatusLabel], "There is only one broken local link.");
}

}  // namespace
}  // namespace qvn::app
