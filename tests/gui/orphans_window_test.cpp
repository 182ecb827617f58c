// The orphans window, reached from the main window's "Orphan files" button,
// on the offscreen platform: the lists and their counts. The search's rules
// (selection, Stop, problems) are tested on the presenter.

#include "gui/orphans_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/twips.h"
#include "support/main_window_start.h"

using qvn::gui::OrphansWindow;
using qvn::gui::Q;
using qvn::test::Native;
using qvn::test::StartedMainWindow;
using qvn::test::TempDir;

class OrphansWindowTest : public QObject {
  Q_OBJECT

  static void MakeSite(const TempDir& site) {
    site.Write("index.htm", "<a href=\"one.htm\">\r\n<img src=\"img/logo.gif\">\r\n");
    site.Write("one.htm", "x");
    site.Write("a.htm", "<a href=\"b.htm\">\r\n");
    site.Write("b.htm", "<a href=\"c.htm\">\r\n");
    site.Write("c.htm", "x");
    site.Write("img/logo.gif", "x");
    site.Write("img/unused.gif", "x");
    site.Write("css/site.css", "x");
  }
  static QString Lines(std::initializer_list<const char*> paths) {
    QStringList lines;
    for (const char* path : paths) lines << Q(Native(path));
    return lines.join('\n');
  }

 private slots:
  void showsBothListsWithTheirCounts() {
    TempDir site;
    MakeSite(site);
    StartedMainWindow w;
    w->presenter().SetTopFolder("  " + site.path());
    w->findChild<QPushButton*>("cmdOrphans")->click();
    QVERIFY(w.WaitForRun());
    auto* orphans = w->findChild<OrphansWindow*>("frmOrphans");
    QVERIFY(orphans != nullptr);
    QVERIFY(orphans->isVisible());
    QCOMPARE(orphans->windowTitle(), QString("Orphan files"));
    QCOMPARE(orphans->lblTopFolder->text(), "Top folder: " + Q(site.path()));
    QCOMPARE(orphans->lblSummary->text(),
             QString("Files walked: 8; pages read: 5; roots: index.htm"));
    QCOMPARE(orphans->lblNotLinked->text(), QString("Not linked from any page (3):"));
    QCOMPARE(orphans->txbNotLinked->toPlainText(),
             Lines({"a.htm", "css/site.css", "img/unused.gif"}));
    QCOMPARE(orphans->lblOnlyFromOrphans->text(), QString("Reachable only from orphans (2):"));
    QCOMPARE(orphans->txbOnlyFromOrphans->toPlainText(), Lines({"b.htm", "c.htm"}));
    const QString totals(
        "5 orphan files: 3 not linked from any page, 2 reachable only from orphans.");
    QCOMPARE(orphans->lblTotals->text(), totals);
    QCOMPARE(w->findChild<QLabel*>("lblTotalNumFilesOrBrokenLinks")->text(), totals);
    QVERIFY(orphans->txbNotLinked->isReadOnly());
    QVERIFY(orphans->txbOnlyFromOrphans->isReadOnly());
    qvn::test::SaveScreenshot(orphans, "orphans_window");
    orphans->cmdClose->click();
    QVERIFY(!orphans->isVisible());
  }
};

QTEST_MAIN(OrphansWindowTest)
#include "orphans_window_test.moc"
