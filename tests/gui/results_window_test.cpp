// The results window on the offscreen platform: rows in walk order, sorting
// by header clicks, filtering as the user types, the counts by kind, and a
// double-click opening the page through the launcher seam.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "gui/results_window.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/twips.h"

using qvn::BrokenLink;
using qvn::CheckResult;
using qvn::LinkKind;
using qvn::gui::Q;
using qvn::gui::ResultsWindow;
using qvn::test::Native;

namespace {

// Adds a link of page (relative to the top folder) whose target is the link as written.
void Add(CheckResult& result, const std::string& page, long long line, const std::string& link,
         LinkKind kind) {
  result.broken_links.Add(result.top_folder + page,
                          BrokenLink{result.top_folder + link, link, line, 10, kind});
}

// Walk order; line numbers chosen so that text order ("10" < "9") and
// number order differ.
CheckResult Sample(const std::string& top) {
  CheckResult result;
  result.top_folder = top;
  Add(result, "index.htm", 9, "Gone.htm", LinkKind::kMissingFile);
  Add(result, "index.htm", 10, "docs/", LinkKind::kFolder);
  Add(result, Native("news/a.htm"), 2, "banner.GIF", LinkKind::kMissingFile);
  Add(result, "about.htm", 100, "con", LinkKind::kNotAFile);
  return result;
}

QStringList Column(const ResultsWindow& window, int column) {
  QStringList texts;
  for (int row = 0; row < window.ShownRows(); ++row) texts << window.CellText(row, column);
  return texts;
}

void ClickHeader(ResultsWindow& window, int column) {
  QHeaderView* header = window.tblResults->horizontalHeader();
  const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                  header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// As a user double-clicks: a click, then the double-click event.
void DoubleClickRow(QTableView* table, int row) {
  const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class ResultsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsAndCountsInWalkOrder() {
    ResultsWindow window;
    window.SetResults(Sample("/site/"));
    QCOMPARE(window.objectName(), QString("frmResults"));
    QCOMPARE(window.ShownRows(), 4);
    QCOMPARE(Column(window, ResultsWindow::kPageColumn),
             QStringList({"index.htm", "index.htm", Q(Native("news/a.htm")), "about.htm"}));
    QCOMPARE(window.CellText(1, ResultsWindow::kLinkColumn), QString("docs/"));
    QCOMPARE(window.CellText(1, ResultsWindow::kNoteColumn), QString("a folder, not a file"));
    QCOMPARE(window.lblCounts->text(),
             QString("4 broken links in 3 pages: 2 missing files, 1 link to a folder, "
                     "1 link to something not a regular file"));
    QCOMPARE(window.lblShown->text(), QString("4 of 4 shown"));
    QCOMPARE(window.tblResults->model()->headerData(ResultsWindow::kTargetColumn, Qt::Horizontal)
                 .toString(),
             QString("Missing target"));
  }

  void headerClicksSortAndLinesSortAsNumbers() {
    ResultsWindow window;
    window.SetResults(Sample("/site/"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickHeader(window, ResultsWindow::kLineColumn);
    QCOMPARE(Column(window, ResultsWindow::kLineColumn), QStringList({"2", "9", "10", "100"}));
    ClickHeader(window, ResultsWindow::kLineColumn);
    QCOMPARE(Column(window, ResultsWindow::kLineColumn), QStringList({"100", "10", "9", "2"}));
    // Letter case does not decide the order; equal pages keep walk order.
    ClickHeader(window, ResultsWindow::kLinkColumn);
    QCOMPARE(Column(window, ResultsWindow::kLinkColumn),
             QStringList({"banner.GIF", "con", "docs/", "Gone.htm"}));
    ClickHeader(window, ResultsWindow::kPageColumn);
    QCOMPARE(Column(window, ResultsWindow::kLineColumn).mid(0, 3),
             QStringList({"100", "9", "10"}));
    // New results come in walk order again.
    window.SetResults(Sample("/site/"));
    QCOMPARE(Column(window, ResultsWindow::kLineColumn), QStringList({"9", "10", "2", "100"}));
  }

  void filterMatchesEveryColumnIgnoringCase_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("page") << "INDEX" << QStringList({"9", "10"});
    QTest::newRow("link") << "gif" << QStringList({"2"});
    QTest::newRow("note") << "folder" << QStringList({"10"});
    QTest::newRow("line") << "100" << QStringList({"100"});
    QTest::newRow("nothing") << "zzz" << QStringList();
    QTest::newRow("cleared") << "" << QStringList({"9", "10", "2", "100"});
  }

  void filterMatchesEveryColumnIgnoringCase() {
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);
    ResultsWindow window;
    window.SetResults(Sample("/site/"));
    window.show();
    QTest::keyClicks(window.txbFilter, "x");  // typed over, as a user corrects
    window.txbFilter->clear();
    QTest::keyClicks(window.txbFilter, typed);
    QCOMPARE(Column(window, ResultsWindow::kLineColumn), lines);
    QCOMPARE(window.lblShown->text(), QString::number(lines.size()) + " of 4 shown");
  }

  void filterStaysForNewResults() {
    ResultsWindow window;
    window.SetResults(Sample("/site/"));
    QTest::keyClicks(window.txbFilter, "index");
    CheckResult more = Sample("/site/");
    Add(more, "index.htm", 50, "x.htm", LinkKind::kMissingFile);
    window.SetResults(more);
    QCOMPARE(Column(window, ResultsWindow::kLineColumn), QStringList({"9", "10", "50"}));
  }

  void doubleClickOpensThePageThroughTheSeam() {
    qvn::test::TempDir site;
    ResultsWindow window;
    QStringList opened;
    window.openFile = [&](const QString& path) {
      opened << path;
      return true;
    };
    window.SetResults(Sample(site.path()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickHeader(window, ResultsWindow::kLineColumn);  // row 0 is now line 2, news/a.htm
    DoubleClickRow(window.tblResults, 0);
    QCOMPARE(opened, QStringList({QFileInfo(Q(site.path() + Native("news/a.htm")))
                                      .absoluteFilePath()}));
    qvn::test::SaveScreenshot(&window, "results_window");
  }

  void aFailedOpenIsReported() {
    ResultsWindow window;
    window.openFile = [](const QString&) { return false; };
    window.SetResults(Sample("/site/"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    qvn::test::AnsweredBox box;
    qvn::test::AnswerNextMessageBox(QMessageBox::Ok, &box);
    DoubleClickRow(window.tblResults, 3);
    QVERIFY(box.seen);
    QVERIFY(box.text.startsWith("Cannot open "));
    QVERIFY(box.text.contains("about.htm"));
  }

  void stoppedRunsSayTheListIsIncomplete() {
    ResultsWindow window;
    CheckResult result;
    result.top_folder = "/site/";
    Add(result, "index.htm", 9, "Gone.htm", LinkKind::kMissingFile);
    result.stopped = true;
    window.SetResults(result);
    QCOMPARE(window.lblCounts->text(),
             QString("1 broken link in 1 page: 1 missing file (the check was stopped: incomplete)"));
  }

  void linksToOtherSitesShowTheirNoteAndTheRedirectsAreCounted() {
    CheckResult result;
    result.top_folder = "/site/";
    BrokenLink gone{"https://example.org/old", "https://example.org/old", 3, 10,
                    LinkKind::kExternalStatus};
    gone.note = "410 Gone";
    result.broken_links.Add("/site/index.htm", gone);
    result.external.checked = true;
    result.external.redirects.push_back(
        {"/site/index.htm", 4, 10, "http://example.org/", "https://example.org/"});
    ResultsWindow window;
    window.SetResults(result);
    QCOMPARE(window.CellText(0, ResultsWindow::kNoteColumn), QString("410 Gone"));
    QCOMPARE(window.CellText(0, ResultsWindow::kTargetColumn), QString("https://example.org/old"));
    QCOMPARE(window.lblCounts->text(),
             QString("1 broken link in 1 page: 1 link to another site with an error answer; "
                     "1 link to another site moved for good"));
  }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
