// The main window's binding on the offscreen platform: its controls by
// object name and where they stand, a check on the worker thread, Stop and
// its question, a message answered, and the windows it opens. Its rules
// are tested on the presenter (tests/core/app).

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <set>

#include "core/app/main_controls.h"
#include "core/settings/catalogue_texts.h"
#include "gui/more_checks_window.h"
#include "gui/results_window.h"
#include "gui/select_subfolders_window.h"
#include "gui/view_window.h"
#include "support/gui_test_support.h"
#include "support/main_window_start.h"
#include "support/temp_dir.h"

using qvn::app::Control;
using qvn::gui::MainWindow;
using qvn::gui::Q;
using qvn::test::AnsweredBox;
using qvn::test::AnswerNextMessageBox;
using qvn::test::Find;
using qvn::test::StartedMainWindow;
using qvn::test::TempDir;

namespace {

QPushButton* Button(MainWindow& w, Control control) {
  return Find<QPushButton>(&w, qvn::app::ObjectName(control));
}

QString Status(MainWindow& w) {
  return Find<QLabel>(&w, "lblTotalNumFilesOrBrokenLinks")->text();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<StartedMainWindow> w_;

 private slots:
  void init() { w_ = std::make_unique<StartedMainWindow>(); }
  void cleanup() { w_.reset(); }

  void everyControlHasItsObjectName() {
    MainWindow& w = **w_;
    QCOMPARE(w.objectName(), QString("frmMain"));
    for (int i = 0; i < qvn::app::kControlCount; ++i) {
      const char* name = qvn::app::ObjectName(static_cast<Control>(i));
      QVERIFY2(Find<QWidget>(&w, name) != nullptr, name);
    }
    QCOMPARE(Button(w, Control::kCheckLinksButton)->text(), QString("Check links"));
    QCOMPARE(Find<QComboBox>(&w, "cboSettings")->itemText(2), QString("Save in both ways"));
    QCOMPARE(Find<QLabel>(&w, "lblUserManualURL")->text(), QString("quorvane.example/manual/"));
    QVERIFY(!Button(w, Control::kStopButton)->isVisible());
    qvn::test::SaveScreenshot(&w, "main_window");
  }

  // Every control inside the window, and apart from the others except
  // where the design lays them over each other (never over a box).
  void controlsStayApartAndInside() {
    MainWindow& w = **w_;
    const std::set<std::pair<QString, QString>> designed = {
        // The page being read starts under the end of "Scanning file".
        {"lblFileBeingScanned", "lblScanningFile"},
        // The option rows overlap by their borders.
        {"chkShowRepeatedLinks", "chkTopFolderOnly"},
        {"chkIncludePHPfiles", "chkShowRepeatedLinks"},
    };
    const auto children = w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* one : children) {
      if (one->isWindow()) continue;
      QVERIFY2(w.rect().contains(one->geometry()), qPrintable(one->objectName()));
      for (QWidget* other : children) {
        if (other->isWindow() || one->objectName() >= other->objectName()) continue;
        if (!one->geometry().intersects(other->geometry())) continue;
        // Names held here: std::minmax returns references to its arguments.
        const QString a = one->objectName(), b = other->objectName();
        const auto pair = std::minmax(a, b);
        QVERIFY2(designed.contains({pair.first, pair.second}),
                 qPrintable(pair.first + " over " + pair.second));
      }
    }
  }

  void aCheckRunsOnTheWorkerAndShowsBothReports() {
    TempDir site;
    site.Write("index.htm", "<a href=\"gone.htm\">\r\n<img src=\"pic.gif\">\r\n");
    MainWindow& w = **w_;
    w.presenter().SetTopFolder(site.path());
    Button(w, Control::kCheckLinksButton)->click();
    QVERIFY(w.presenter().running());  // the window is free meanwhile
    QVERIFY(Button(w, Control::kStopButton)->isVisible());
    QVERIFY(!Button(w, Control::kCheckLinksButton)->isEnabled());
    QVERIFY(w_->WaitForRun());
    QCOMPARE(Status(w), QString("There are 2 broken local links."));
    auto* by_source = Find<qvn::gui::ViewWindow>(nullptr, "frmView");
    auto* by_target = Find<qvn::gui::ViewWindow>(nullptr, "frmView2");
    QVERIFY(by_source->isVisible() && by_target->isVisible());
    QCOMPARE(by_source->windowTitle(), QString("Broken links sorted by link-from"));
    QCOMPARE(by_target->windowTitle(), QString("Broken links sorted by link-to"));
    QCOMPARE(by_source->path(), w_->DataFile("links_to.txt"));
    QVERIFY(by_target->BoxText().contains(QString::fromUtf8("gone.htm <\xE2\x80\x94")));
    QVERIFY(!Button(w, Control::kStopButton)->isVisible());
    qvn::test::SaveScreenshot(by_source, "view_by_source");
    qvn::test::SaveScreenshot(by_target, "view_by_target");
    // The results button opens the table of the same links.
    Button(w, Control::kResultsButton)->click();
    auto* results = Find<qvn::gui::ResultsWindow>(nullptr, "frmResults");
    QVERIFY(results->isVisible());
    QCOMPARE(results->ShownRows(), 2);
    QVERIFY(results->windowTitle().contains(Q(site.path())));
    qvn::test::SaveScreenshot(&w, "main_window_results_button");
    qvn::test::SaveScreenshot(results, "results_window_after_check");
    // Another top folder empties it, saying why.
    TempDir other;
    w.presenter().SetTopFolder(other.path());
    QCOMPARE(results->ShownRows(), 0);
    QVERIFY(results->lblCounts->text().contains(Q(other.path())));
    QVERIFY(!results->windowTitle().contains(Q(site.path())));
    QCOMPARE(Status(w), QString());
  }

  void stopAsksBeforeTheRunEnds() {
    TempDir site;
    std::string page;
    for (int i = 0; i < 2000; ++i) page += "<a href=\"missing.htm\">\r\n";
    for (int i = 0; i < 300; ++i) site.Write("p" + std::to_string(1000 + i) + ".htm", page);
    MainWindow& w = **w_;
    w.presenter().SetTopFolder(site.path());
    Button(w, Control::kCheckLinksButton)->click();
    AnsweredBox question;
    AnswerNextMessageBox(QMessageBox::Yes, &question);
    Button(w, Control::kStopButton)->click();
    QVERIFY(w_->WaitForRun());
    QCOMPARE(question.text, QString("Really stop?"));
    QCOMPARE(question.title, QString("Stop"));
    QCOMPARE(question.default_button, QMessageBox::No);
    QCOMPARE(Status(w), QString("Checking of links was stopped."));
    QCOMPARE(Find<QLabel>(&w, "lblFileBeingScanned")->text(), QString());
  }

  void aMessageIsAnswered() {
    MainWindow& w = **w_;
    AnsweredBox box;
    AnswerNextMessageBox(QMessageBox::Ok, &box);
    Button(w, Control::kCheckLinksButton)->click();
    QVERIFY(box.seen);
    QCOMPARE(box.text, Q(w.presenter().catalogue().Get(qvn::texts::kNoTopFolder)));
    QCOMPARE(box.title, QString("Check links"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY(!w.presenter().running());
  }

  void boxesListsAndTicksReachThePresenter() {
    MainWindow& w = **w_;
    auto* filepaths = Find<QLineEdit>(&w, "txbExcludedFilepaths");
    filepaths->setFocus();
    QTest::keyClicks(filepaths, "b/x,  A ,c");
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(filepaths, &out);
    QCOMPARE(filepaths->text(), QString("A, b/x, c"));
    Find<QCheckBox>(&w, "chkIncludePHPfiles")->click();
    QVERIFY(w.presenter().choices().include_php);
    // "Save for next run" chosen in its list: saved, with the notice.
    QString notice;
    qvn::test::OnNextModal([&](QWidget* popup) {
      notice = popup->findChild<QLabel*>("lblMessage")->text();
      popup->close();
    });
    auto* settings = Find<QComboBox>(&w, "cboSettings");
    emit settings->activated(0);
    QCOMPARE(notice, Q(w.presenter().catalogue().Get(qvn::texts::kSettingsSaved)));
    QVERIFY(QFile::exists(w_->DataFile("qvn.usr")));
  }

  void theSubfolderAndMoreChecksWindowsAnswer() {
    TempDir site;
    site.Write("a/page.htm", "x");
    site.Write("b/page.htm", "x");
    MainWindow& w = **w_;
    w.presenter().SetTopFolder(site.path());
    qvn::test::OnNextModal([](QWidget* modal) {
      auto* window = qobject_cast<qvn::gui::SelectSubfoldersWindow*>(modal);
      QVERIFY(window != nullptr);
      QVERIFY(QTest::qWaitFor([&] { return !window->presenter().busy(); }));
      Find<QCheckBox>(window, "chkSubfolder_0")->click();
      Find<QPushButton>(window, "cmdAccept")->click();
    });
    Button(w, Control::kSelectSubfoldersButton)->click();
    QCOMPARE(Find<QPlainTextEdit>(&w, "txbExcludedSubfolders")->toPlainText(), QString("a"));
    qvn::test::OnNextModal([](QWidget* modal) {
      QVERIFY(qobject_cast<qvn::gui::MoreChecksWindow*>(modal) != nullptr);
      Find<QCheckBox>(modal, "chkLetterCase")->click();
      Find<QCheckBox>(modal, "chkAllLinks")->click();
      Find<QPushButton>(modal, "cmdOK")->click();
    });
    QPushButton* more = Button(w, Control::kMoreChecksButton);
    more->click();
    QCOMPARE(more->text(), QString("More checks (2 on)..."));
    QVERIFY(more->fontMetrics().horizontalAdvance(more->text()) < more->width());
    qvn::test::SaveScreenshot(&w, "main_window_more_checks");
  }

  void helpIsShownWithoutCopyButton() {
    MainWindow& w = **w_;
    Button(w, Control::kHelpButton)->click();
    auto* help = Find<qvn::gui::ViewWindow>(nullptr, "frmView");
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QString("Help for Quorvane"));
    QVERIFY(Find<QPushButton>(help, "cmdCopyToClipboard")->isHidden());
    qvn::test::SaveScreenshot(help, "help");
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
