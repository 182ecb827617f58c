// The main window's way to the results window: the "Results table" button,
// its place among the designed controls, when it can be used, and the
// window it opens after a check.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/results_window.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/main_window.h"
#include "gui/twips.h"

using qvn::gui::MainWindow;
using qvn::gui::Q;
using qvn::test::TempDir;

class MainWindowResultsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> data_;
  std::unique_ptr<MainWindow> window_;

  MainWindow& Start() {
    window_ = std::make_unique<MainWindow>();
    window_->browseForFolder = [] { return QString(); };
    window_->launchUrl = [](const QString&) { return true; };
    window_->frmResults->openFile = [](const QString&) { return true; };
    if (!window_->Form_Load()) qFatal("the catalogue did not load");
    return *window_;
  }

  void Check(MainWindow& w, const TempDir& site) {
    w.txbTopFolder->setText(Q(site.path()));
    w.cmdCheckLinks_Click();
  }

 private slots:
  void init() {
    data_ = std::make_unique<TempDir>();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data_->path()));
  }
  void cleanup() { window_.reset(); }

  void buttonSitsInFreeSpace() {
    MainWindow& w = Start();
    QCOMPARE(w.cmdResults->text(), QString("Results table"));
    QCOMPARE(w.findChild<QPushButton*>("cmdResults"), w.cmdResults);
    const QRect mine = w.cmdResults->geometry();
    QVERIFY(w.rect().contains(mine));
    for (QWidget* other : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == w.cmdResults || other->isWindow()) continue;
      QVERIFY2(!other->geometry().intersects(mine), qPrintable(other->objectName()));
    }
    // Level with "Check links", as the designed controls are.
    QCOMPARE(mine.top(), w.cmdCheckLinks->geometry().top());
    QVERIFY(!w.cmdResults->isEnabled());
  }

  void enabledOnlyAfterACheckWithBrokenLinks() {
    TempDir broken, clean;
    broken.Write("index.htm", "<a href=\"gone.htm\">\r\n");
    clean.Write("index.htm", "<a href=\"index.htm\">\r\n");
    MainWindow& w = Start();
    Check(w, clean);
    QVERIFY(!w.cmdResults->isEnabled());
    Check(w, broken);
    QVERIFY(w.cmdResults->isEnabled());
    w.SetControlsEnabled(false);  // as during a run
    QVERIFY(!w.cmdResults->isEnabled());
    w.SetControlsEnabled(true);
    QVERIFY(w.cmdResults->isEnabled());
    // Listing files leaves the last check's results.
    w.cmdListFiles_Click();
    QVERIFY(w.cmdResults->isEnabled());
    Check(w, clean);
    QVERIFY(!w.cmdResults->isEnabled());
  }

  void buttonShowsTheLastCheck() {
    TempDir site;
    site.MakeDir("docs");
    site.Write("index.htm", "<a href=\"gone.htm\">\r\n<a href=\"docs/\">\r\n");
    site.Write("news/a.htm", "<p>\r\n<img src=\"x.gif\">\r\n");
    MainWindow& w = Start();
    Check(w, site);
    w.cmdResults->click();
    QVERIFY(w.frmResults->isVisible());
    QCOMPARE(w.frmResults->ShownRows(), 3);
    QCOMPARE(w.frmResults->CellText(2, qvn::gui::ResultsWindow::kLineColumn), QString("2"));
    QCOMPARE(w.frmResults->lblCounts->text(),
             QString("3 broken links in 2 pages: 2 missing files, 1 link to a folder"));
    QCOMPARE(w.frmResults->results().top_folder, site.path());
    qvn::test::SaveScreenshot(&w, "main_window_results_button");
    qvn::test::SaveScreenshot(w.frmResults, "results_window_after_check");
  }

  void anOpenWindowFollowsLaterChecks() {
    TempDir site;
    site.Write("index.htm", "<a href=\"gone.htm\">\r\n");
    MainWindow& w = Start();
    Check(w, site);
    w.cmdResults_Click();
    site.Write("index.htm", "<a href=\"gone.htm\">\r\n<a href=\"more.htm\">\r\n");
    Check(w, site);
    QVERIFY(w.frmResults->isVisible());
    QCOMPARE(w.frmResults->ShownRows(), 2);
    site.Write("index.htm", "<a href=\"index.htm\">\r\n");
    Check(w, site);
    QVERIFY(!w.frmResults->isVisible());
  }
};

QTEST_MAIN(MainWindowResultsTest)
#include "main_window_results_test.moc"
