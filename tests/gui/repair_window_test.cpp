// The Repair window, reached from the results window's "Repair..." button
// after a check, on the offscreen platform: the list with its tick boxes,
// the preview, Apply and Undo last repair. The rules are tested on the
// presenter.

#include "gui/repair_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "gui/results_window.h"
#include "support/gui_test_support.h"
#include "support/main_window_start.h"
#include "support/temp_dir.h"

using qvn::app::Control;
using qvn::gui::RepairWindow;
using qvn::gui::ResultsWindow;
using qvn::test::StartedMainWindow;
using qvn::test::TempDir;
using qvn::test::Widget;

class RepairWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void repairsTheTickedLinksAndUndoesThem() {
    TempDir site;
    const std::string page = "<p>\r\n<a href=\"Logo.GIF\">\r\n<a href=\"gone.htm\">\r\n";
    site.Write("index.htm", page);
    site.Write("logo.gif", "");
    site.Write("news/story.htm", "x");
    site.Write("old.htm", "<a href=\"story.htm\">\r\n");
    StartedMainWindow w;
    w->presenter().SetTopFolder(site.path());
    Widget<QPushButton>(*w, Control::kCheckLinksButton)->click();
    QVERIFY(w.WaitForRun());
    Widget<QPushButton>(*w, Control::kResultsButton)->click();
    auto* results = qvn::test::Find<ResultsWindow>(nullptr, "frmResults");
    QVERIFY(results->cmdRepair->isEnabled());
    results->cmdRepair->click();
    RepairWindow* repair = results->repairWindow();
    QVERIFY(repair != nullptr && repair->isVisible());
    const auto wait = [repair] { return QTest::qWaitFor([repair] { return !repair->busy(); }, 60000); };
    QVERIFY(wait());
    QCOMPARE(repair->objectName(), QString("frmRepair"));

    // Letter case only at first; the moved file once its rule is ticked.
    QCOMPARE(repair->lstRepairs->count(), 1);
    repair->chkMoved->setChecked(true);
    QVERIFY(!repair->cmdApply->isEnabled() && !repair->lstRepairs->isEnabled());
    QVERIFY(wait());
    QCOMPARE(repair->lstRepairs->count(), 2);
    QCOMPARE(repair->lstRepairs->item(0)->checkState(), Qt::Checked);
    QVERIFY(repair->lstRepairs->item(1)->text().contains("news/story.htm (moved)"));
    repair->lstRepairs->setCurrentRow(0);
    QVERIFY(repair->txbPreview->toPlainText().contains("+<a href=\"logo.gif\">"));

    repair->lstRepairs->item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(repair->cmdApply->isEnabled());
    QVERIFY(!repair->cmdUndo->isEnabled());
    repair->cmdApply->click();
    QVERIFY(wait());
    QVERIFY(repair->lblStatus->text().startsWith("Repaired 1 link in 1 page"));
    QCOMPARE(site.Read("old.htm"), std::string("<a href=\"story.htm\">\r\n"));
    QCOMPARE(site.Read("index.htm"),
             std::string("<p>\r\n<a href=\"logo.gif\">\r\n<a href=\"gone.htm\">\r\n"));
    QVERIFY(!repair->cmdApply->isEnabled());
    qvn::test::SaveScreenshot(repair, "repair_window_applied");

    repair->cmdUndo->click();
    QVERIFY(wait());
    QVERIFY(repair->lblStatus->text().startsWith("Restored 1 page"));
    QCOMPARE(site.Read("index.htm"), page);
    QVERIFY(!repair->cmdUndo->isEnabled());
    repair->cmdClose->click();
    QVERIFY(!repair->isVisible());
  }
};

QTEST_MAIN(RepairWindowTest)
#include "repair_window_test.moc"
