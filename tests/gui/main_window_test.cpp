// The main window driven on the offscreen platform: start-up, the two runs,
// Stop, the exclusion boxes, Clear, Quit, help.

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "gui/view_window.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/main_window.h"
#include "gui/main_window_fixture.h"
#include "gui/twips.h"

using qvn::gui::MainWindow;
using qvn::gui::Q;
using qvn::test::AnsweredBox;
using qvn::test::AnswerNextMessageBox;
using qvn::test::TempDir;

class MainWindowTest : public QObject, qvn::test::MainWindowFixture {
  Q_OBJECT

 private slots:
  void init() { SetUpData(); }
  void cleanup() { window_.reset(); }

  void startUpState() {
    MainWindow& w = Start();
    QCOMPARE(w.windowTitle(), QString("Quorvane"));
    QCOMPARE(w.objectName(), QString("frmMain"));
    QCOMPARE(w.cmdCheckLinks->text(), QString("Check links"));
    QCOMPARE(w.cmdClear->text(), QString("Clear -->"));
    QCOMPARE(w.chkIncludePHPfiles->text(),
             QString("Check links in PHP files as well as HTML files"));
    QCOMPARE(w.cboSettings->count(), 4);
    QCOMPARE(w.cboSettings->itemText(2), QString("Save in both ways"));
    QCOMPARE(w.cboSettings->currentIndex(), 0);
    QCOMPARE(w.cboClear->itemText(4), QString("All of the above"));
    QCOMPARE(w.cboClear->currentIndex(), -1);
    QVERIFY(!w.cmdStop->isVisible());
    QVERIFY(!w.lblScanningFile->isVisible());
    QVERIFY(!w.cmdSelectSubfolders->isEnabled());
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString());
    QCOMPARE(w.findChild<QPushButton*>("cmdHelp"), w.cmdHelp);
    QCOMPARE(w.width(), qvn::gui::Px(9780));
    QCOMPARE(w.cmdListFiles->geometry(), qvn::gui::TwipsRect(6360, 1920, 1755, 360));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(208, 208, 240));
    qvn::test::SaveScreenshot(&w, "main_window");
  }

  void unreadableCatalogueEndsStartUp() {
    TempDir files;
    files.Write("empty.dat", "");
    struct Case {
      std::string file;
      QString text;
    } cases[] = {
        {files.path() + "missing.dat",
         "Cannot open file containing program text.\r\n" + Q(files.path() + "missing.dat")},
        {files.path() + "empty.dat", "File is empty."},
    };
    for (const auto& c : cases) {
      MainWindow w;
      w.catalogueFile = Q(c.file);
      AnsweredBox box;
      AnswerNextMessageBox(QMessageBox::Ok, &box);
      QVERIFY(!w.Form_Load());
      QCOMPARE(box.text, c.text);
      QCOMPARE(box.icon, QMessageBox::Critical);
      QCOMPARE(box.title, QString());
      QVERIFY(!w.isVisible());
    }
  }

  void checkRunShowsBothReports() {
    TempDir site;
    site.Write("index.htm", "<a href=\"gone.htm\">\r\n<img src=\"pic.gif\">\r\n");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q("  " + site.path() + "  "));
    w.cmdCheckLinks->click();
    QCOMPARE(w.txbTopFolder->text(), Q(site.path()));
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString("There are 2 broken local links."));
    QCOMPARE(w.lblFileBeingScanned->text(), QString());
    QVERIFY(w.frmView->isVisible());
    QVERIFY(w.frmView2->isVisible());
    QCOMPARE(w.frmView->windowTitle(), QString("Broken links sorted by link-from"));
    QCOMPARE(w.frmView2->windowTitle(), QString("Broken links sorted by link-to"));
    QCOMPARE(w.frmView->BoxText(), Read(DataFile("links_to.txt")));
    QVERIFY(w.frmView2->BoxText().contains(QString::fromUtf8("gone.htm <\xE2\x80\x94")));
    QCOMPARE(w.strOutputFile, DataFile("links_from.txt"));
    QVERIFY(w.cmdCheckLinks->isEnabled());
    QVERIFY(!w.cmdStop->isVisible());
    qvn::test::SaveScreenshot(w.frmView, "view_by_source");
    qvn::test::SaveScreenshot(w.frmView2, "view_by_target");
  }

  void noBrokenLinksAndOneBrokenLink() {
    TempDir site;
    site.Write("a.htm", "<a href=\"a.htm\">\r\n");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.cmdCheckLinks_Click();
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(),
             QString("Congratulations!  There are no broken local links."));
    QVERIFY(!w.frmView->isVisible());
    site.Write("b.htm", "<a href=\"c.htm\">\r\n");
    w.cmdCheckLinks_Click();
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(),
             QString("There is only one broken local link."));
  }

  void stoppedRunKeepsWhatWasFound() {
    TempDir site;
    std::string page;
    for (int i = 0; i < 3000; ++i) page += "<a href=\"missing.htm\">\r\n";
    for (int i = 0; i < 400; ++i) site.Write("p" + std::to_string(1000 + i) + ".htm", page);
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    AnsweredBox question;
    // Runs at the run's first look at pending events.
    QTimer::singleShot(0, &w, [&] {
      AnswerNextMessageBox(QMessageBox::Yes, &question);
      w.cmdStop->click();
    });
    w.cmdCheckLinks_Click();
    QVERIFY(question.seen);
    QCOMPARE(question.text, QString("Really stop?"));
    QCOMPARE(question.title, QString("Stop"));
    QCOMPARE(question.default_button, QMessageBox::No);
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString("Checking of links was stopped."));
    QCOMPARE(w.lblFileBeingScanned->text(), QString());
    QVERIFY(!w.blnStop);
    QVERIFY(w.strBrokenLinks.size() < 400u * 3000u);
    if (!w.strBrokenLinks.empty()) {
      QVERIFY(Read(DataFile("links_to.txt"))
                  .startsWith("Link checking was stopped, so this list is incomplete.\r\n\r\n"));
    }
  }

  void emptyOrMissingTopFolder() {
    MainWindow& w = Start();
    AnsweredBox box;
    AnswerNextMessageBox(QMessageBox::Ok, &box);
    w.cmdCheckLinks_Click();
    QVERIFY(box.seen);
    QCOMPARE(box.text, w.Text(35));
    QCOMPARE(box.title, QString("Check links"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString());
    w.txbTopFolder->setText("/no/such/folder/");
    AnswerNextMessageBox(QMessageBox::Ok, &box);
    w.cmdListFiles_Click();
    QCOMPARE(box.text, w.Text(36));
    QCOMPARE(box.title, QString("Check links"));
  }

  void listFilesShowsTheList() {
    TempDir site;
    site.Write("index.htm", "x");
    site.Write("news/a.htm", "x");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.cmdListFiles->click();
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString("Number of files: 2"));
    QVERIFY(w.frmView->isVisible());
    QCOMPARE(w.frmView->windowTitle(), QString("Files with links to be checked"));
    QCOMPARE(w.strOutputFile, DataFile("files.txt"));
    QVERIFY(w.frmView->BoxText().contains("Links in two files will be checked."));
    QVERIFY(!w.lblScanningFile->isVisible());
    QVERIFY(!w.blnListingFiles);
    // A later listing first deletes the file written last.
    TempDir empty;
    w.txbTopFolder->setText(Q(empty.path()));
    w.cmdListFiles_Click();
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString("No files."));
    QVERIFY(!QFile::exists(DataFile("files.txt")));
  }

  void stoppedListingAsksBeforeShowing() {
    TempDir site;
    for (int i = 0; i < 200; ++i)
      site.Write("d" + std::to_string(i % 20) + "/p" + std::to_string(i) + ".htm", "x");
    MainWindow& w = Start();
    w.eventIntervalMs = 0;
    w.txbTopFolder->setText(Q(site.path()));
    AnsweredBox question;
    // Stop once a few files have been listed, as a user watching the count would.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      const QString text = w.lblTotalNumFilesOrBrokenLinks->text();
      if (!w.blnStop && text.startsWith("Number of files so far: ") &&
          text.mid(24).toInt() >= 5) {
        w.blnStop = true;
        AnswerNextMessageBox(QMessageBox::No, &question);
      }
    });
    watcher.start(0);
    w.cmdListFiles_Click();
    watcher.stop();
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString("Listing of files was stopped."));
    QVERIFY(question.seen);
    QCOMPARE(question.text,
             QString("The listing was stopped.  Do you wish to display the incomplete list?"));
    QCOMPARE(question.title, QString("List files"));
    QCOMPARE(question.icon, QMessageBox::NoIcon);
    QVERIFY(!w.frmView->isVisible());
    QVERIFY(Read(DataFile("files.txt")).contains("The listing of files was stopped"));
  }

  void exclusionBoxesAreTidiedOnLeaving() {
    MainWindow& w = Start();
    w.txbExcludedFilepaths->setText("b/x,  A ,c");
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(w.txbExcludedFilepaths, &out);
    QCOMPARE(w.txbExcludedFilepaths->text(), QString("A, b/x, c"));
    w.txbExcludedLinks->setText("a,,b");
    QCoreApplication::sendEvent(w.txbExcludedLinks, &out);
    QCOMPARE(w.txbExcludedLinks->text(), QString(", a, b"));
    w.txbExcludedLinks->setText(",");
    QCoreApplication::sendEvent(w.txbExcludedLinks, &out);
    QCOMPARE(w.txbExcludedLinks->text(), QString());
  }

  void clearAsksAndClears() {
    TempDir site;
    site.MakeDir("sub");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.txbExcludedLinks->setText("x");
    w.txbExcludedFilepaths->setText("y");
    w.cboClear->setCurrentIndex(4);
    AnsweredBox sure, all;
    AnswerNextMessageBox(QMessageBox::Yes, &sure);
    QTimer::singleShot(0, [&] { AnswerNextMessageBox(QMessageBox::Cancel, &all); });
    w.cboClear_Click();
    QCOMPARE(sure.text, QString("Are you sure?"));
    QCOMPARE(sure.title, QString("Clear"));
    QCOMPARE(all.title, QString("Clear all"));
    QCOMPARE(all.default_button, QMessageBox::Cancel);
    QCOMPARE(w.txbExcludedLinks->text(), QString("x"));
    AnswerNextMessageBox(QMessageBox::Yes, nullptr);
    QTimer::singleShot(0, [&] { AnswerNextMessageBox(QMessageBox::Yes, nullptr); });
    w.cboClear_Click();
    QCOMPARE(w.txbTopFolder->text(), QString());
    QCOMPARE(w.txbExcludedLinks->text(), QString());
    QCOMPARE(w.txbExcludedFilepaths->text(), QString());
    QVERIFY(!w.cmdSelectSubfolders->isEnabled());
  }

  void subfolderStateFollowsTheTopFolder() {
    TempDir site, flat;
    site.MakeDir("images");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.UpdateExcludedSubfoldersState();
    QVERIFY(w.cmdSelectSubfolders->isEnabled());
    QCOMPARE(w.lblNumExcludedTopSubfolders->text(), w.Text(25));
    w.txbTopFolder->setText(Q(flat.path()));
    w.UpdateExcludedSubfoldersState();
    QVERIFY(!w.cmdSelectSubfolders->isEnabled());
    QVERIFY(!w.txbExcludedSubfolders->isEnabled());
    QCOMPARE(w.lblNumExcludedTopSubfolders->text(), w.Text(29));
  }

  void controlsAreLockedDuringARun() {
    MainWindow& w = Start();
    w.blnListingFiles = false;
    w.SetControlsEnabled(false);
    QVERIFY(!w.cmdCheckLinks->isEnabled());
    QVERIFY(!w.chkTopFolderOnly->isEnabled());
    QVERIFY(!w.cboClear->isEnabled());
    QVERIFY(w.cmdQuit->isEnabled());
    QVERIFY(w.lblScanningFile->isVisible());
    w.SetControlsEnabled(true);
    QVERIFY(w.cmdCheckLinks->isEnabled());
    QVERIFY(!w.lblScanningFile->isVisible());
  }

  void failedWebLaunchIsReported() {
    MainWindow& w = Start();
    w.launchUrl = [](const QString&) { return false; };
    AnsweredBox box;
    AnswerNextMessageBox(QMessageBox::Ok, &box);
    w.lblUserManualURL_Click();
    QVERIFY(box.text.startsWith("Error launching web browser, error code ="));
    QCOMPARE(box.title, QString("Cannot launch web browser"));
  }

  void quitDeletesTheLastOutputFile() {
    TempDir site;
    site.Write("a.htm", "<a href=\"gone.htm\">\r\n");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.cmdCheckLinks_Click();
    QVERIFY(QFile::exists(DataFile("links_to.txt")));
    QVERIFY(QFile::exists(DataFile("links_from.txt")));
    w.cmdQuit_Click();
    QVERIFY(QFile::exists(DataFile("links_to.txt")));
    QVERIFY(!QFile::exists(DataFile("links_from.txt")));
  }

  void helpIsShownWithoutCopyButton() {
    MainWindow& w = Start();
    w.cmdHelp_Click();
    QVERIFY(w.frmView->isVisible());
    QCOMPARE(w.frmView->windowTitle(), QString("Help for Quorvane"));
    QVERIFY(!w.frmView->cmdCopyToClipboard->isVisible());
    QVERIFY(w.frmView->BoxText().contains("Check links"));
    qvn::test::SaveScreenshot(w.frmView, "help");
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
