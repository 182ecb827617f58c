// The main window's "More checks..." button on the offscreen platform: where
// it stands, OK and Cancel in its window, and the runs that use the choice.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/platform/platform.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/main_window.h"
#include "gui/main_window_fixture.h"
#include "gui/more_checks_window.h"
#include "gui/twips.h"

using qvn::Selection;
using qvn::gui::MainWindow;
using qvn::gui::MoreChecksWindow;
using qvn::gui::Q;
using qvn::test::TempDir;

class MainWindowMoreChecksTest : public QObject, qvn::test::MainWindowFixture {
  Q_OBJECT

  // Opens the more checks window from the button and lets act answer it.
  static void Choose(MainWindow& w, std::function<void(MoreChecksWindow&)> act) {
    qvn::test::OnNextModal([act](QWidget* modal) {
      auto* window = qobject_cast<MoreChecksWindow*>(modal);
      QVERIFY(window != nullptr);
      act(*window);
    });
    w.cmdMoreChecks->click();
  }

 private slots:
  void init() { SetUpData(); }
  void cleanup() { window_.reset(); }

  void buttonStandsInFreeSpace() {
    MainWindow& w = Start();
    QCOMPARE(w.cmdMoreChecks->text(), QString("More checks..."));
    QCOMPARE(w.findChild<QPushButton*>("cmdMoreChecks"), w.cmdMoreChecks);
    const QRect mine = w.cmdMoreChecks->geometry();
    QVERIFY(w.rect().contains(mine));
    // Hidden controls too: "Scanning file" and "Stop" appear during runs.
    for (QWidget* other : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == w.cmdMoreChecks || other->isWindow()) continue;
      QVERIFY2(!other->geometry().intersects(mine), qPrintable(other->objectName()));
    }
    // The caption with its count fits the button.
    w.moreChecks.all_links = w.moreChecks.site_root = w.moreChecks.letter_case = true;
    w.UpdateMoreChecksButton();
    QCOMPARE(w.cmdMoreChecks->text(), QString("More checks (3 on)..."));
    QVERIFY(w.cmdMoreChecks->fontMetrics().horizontalAdvance(w.cmdMoreChecks->text()) <
            mine.width());
    qvn::test::SaveScreenshot(&w, "main_window_more_checks");
  }

  void okStoresTheChoiceAndCancelLeavesIt() {
    MainWindow& w = Start();
    Choose(w, [](MoreChecksWindow& m) {
      QVERIFY(!m.chkLetterCase->isChecked());
      m.chkLetterCase->click();
      m.chkIndexPages->click();
      m.txtIndexFiles->setText("home.htm");
      m.cmdOK->click();
    });
    QVERIFY(w.moreChecks.letter_case && w.moreChecks.index_pages);
    QVERIFY(!w.moreChecks.all_links);
    QCOMPARE(w.moreChecks.index_files, std::string("home.htm"));
    QCOMPARE(w.cmdMoreChecks->text(), QString("More checks (2 on)..."));
    Choose(w, [](MoreChecksWindow& m) {
      // The window opens on the stored choice.
      QVERIFY(m.chkLetterCase->isChecked());
      QCOMPARE(m.txtIndexFiles->text(), QString("home.htm"));
      m.chkLetterCase->click();
      m.chkAllLinks->click();
      m.cmdCancel->click();
    });
    QVERIFY(w.moreChecks.letter_case && !w.moreChecks.all_links);
    QCOMPARE(w.cmdMoreChecks->text(), QString("More checks (2 on)..."));
  }

  void checkAndOrphanRunsPassTheChoice() {
    TempDir site;
    site.Write("index.htm", "<a href=\"/img/Logo.GIF\">\r\n");
    site.Write("img/logo.gif", "GIF89a");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    Choose(w, [](MoreChecksWindow& m) {
      m.chkSiteRoot->click();
      m.chkLetterCase->click();
      m.cmdOK->click();
    });
    std::vector<Selection> runs;
    w.runStarting = [&](const Selection& selection) { runs.push_back(selection); };
    w.cmdCheckLinks_Click();
    w.cmdOrphans_Click();
    w.cmdListFiles_Click();
    QCOMPARE(runs.size(), std::size_t{3});
    for (std::size_t i = 0; i < 2; ++i) {
      QVERIFY(runs[i].more.site_root && runs[i].more.letter_case);
      QVERIFY(!runs[i].more.all_links && !runs[i].more.index_pages);
      QCOMPARE(runs[i].more.site_root_folder, std::string());
    }
    QVERIFY(!runs[2].more.AnyOn());  // a list run reads the same pages either way
    // The top folder however it is named is no site root of its own.
    const std::string sep(1, qvn::kSeparator);
    struct Case {
      std::string folder, passed;
    } cases[] = {{site.path(), ""},
                 {site.path() + "img" + sep + ".." + sep, ""},
                 {" " + site.path() + "img ", site.path() + "img" + sep},
                 {site.path() + "img" + sep, site.path() + "img" + sep}};
    for (const auto& c : cases) {
      runs.clear();
      w.moreChecks.site_root_folder = c.folder;
      w.cmdCheckLinks_Click();
      QCOMPARE(runs.size(), std::size_t{1});
      QCOMPARE(runs[0].more.site_root_folder, c.passed);
    }
  }

  // A site root that is gone (or came from another machine's settings)
  // stops a check or an orphan search before it starts.
  void missingSiteRootIsRefusedAtTheRun() {
    TempDir site;
    site.Write("index.htm", "<a href=\"gone.htm\">\r\n");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.moreChecks.site_root = true;
    w.moreChecks.site_root_folder = site.path() + "gone" + qvn::kSeparator;
    int runs = 0;
    w.runStarting = [&](const Selection&) { ++runs; };
    for (QPushButton* button : {w.cmdCheckLinks, w.cmdOrphans}) {
      qvn::test::AnsweredBox box;
      qvn::test::AnswerNextMessageBox(QMessageBox::Ok, &box);
      button->click();
      QVERIFY(box.text.contains(Q(w.moreChecks.site_root_folder)));
      QCOMPARE(box.title, button->text());
      QCOMPARE(runs, 0);
      QVERIFY(w.cmdCheckLinks->isEnabled());
    }
    w.cmdListFiles_Click();  // lists do not use it
    QCOMPARE(runs, 1);
    w.moreChecks.site_root = false;  // nor does a check with it off
    w.cmdCheckLinks_Click();
    QCOMPARE(runs, 2);
  }

  // The same site checked without and with the choice: the root link is
  // followed and the letter-case mismatch named only with it.
  void aCheckFindsWhatTheChoiceAsks() {
    TempDir site;
    site.Write("index.htm", "<a href=\"/img/Logo.GIF\">\r\n<img src=\"img/LOGO.gif\">\r\n");
    site.Write("img/logo.gif", "GIF89a");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.cmdCheckLinks_Click();
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(),
             QString("There is only one broken local link."));
    QVERIFY(!Read(DataFile("links_to.txt")).contains("letter case"));
    Choose(w, [](MoreChecksWindow& m) {
      m.chkSiteRoot->click();
      m.chkLetterCase->click();
      m.cmdOK->click();
    });
    w.cmdCheckLinks_Click();
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString("There are 2 broken local links."));
    QCOMPARE(Read(DataFile("links_to.txt")).count("[letter case: logo.gif]"), 2);
  }
};

QTEST_MAIN(MainWindowMoreChecksTest)
#include "main_window_more_checks_test.moc"
