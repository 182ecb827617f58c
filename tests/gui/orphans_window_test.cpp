// The orphans window, reached from the main window's "Orphan files" button,
// on the offscreen platform: the lists, the selection, Stop, and the layout.

#include "gui/orphans_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/main_window.h"
#include "gui/twips.h"

using qvn::gui::MainWindow;
using qvn::gui::Q;
using qvn::test::AnsweredBox;
using qvn::test::AnswerNextMessageBox;
using qvn::test::Native;
using qvn::test::TempDir;

class OrphansWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> data_;
  std::unique_ptr<MainWindow> window_;

  MainWindow& Start() {
    window_ = std::make_unique<MainWindow>();
    window_->browseForFolder = [] { return QString(); };
    window_->launchUrl = [](const QString&) { return true; };
    if (!window_->Form_Load()) qFatal("the catalogue did not load");
    return *window_;
  }
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
  void init() {
    data_ = std::make_unique<TempDir>();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data_->path()));
  }
  void cleanup() { window_.reset(); }

  void showsBothListsWithTheirCounts() {
    TempDir site;
    MakeSite(site);
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q("  " + site.path()));
    w.cmdOrphans->click();
    auto* orphans = w.findChild<qvn::gui::OrphansWindow*>("frmOrphans");
    QVERIFY(orphans != nullptr);
    QVERIFY(orphans->isVisible());
    QCOMPARE(w.txbTopFolder->text(), Q(site.path()));
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
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), totals);
    QVERIFY(orphans->txbNotLinked->isReadOnly());
    QVERIFY(orphans->txbOnlyFromOrphans->isReadOnly());
    QVERIFY(w.cmdOrphans->isEnabled());
    QVERIFY(!w.cmdStop->isVisible());
    qvn::test::SaveScreenshot(orphans, "orphans_window");
    orphans->cmdClose->click();
    QVERIFY(!orphans->isVisible());
  }

  void theMainWindowsSelectionIsSearched() {
    TempDir site;
    MakeSite(site);
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.txbExcludedFilepaths->setText(" css ");
    w.chkTopFolderOnly->setChecked(true);
    w.cmdOrphans->click();
    QCOMPARE(w.txbExcludedFilepaths->text(), QString("css"));
    QCOMPARE(w.frmOrphans->txbNotLinked->toPlainText(), Lines({"a.htm"}));
    QCOMPARE(w.frmOrphans->lblSummary->text(),
             QString("Files walked: 5; pages read: 5; roots: index.htm"));
  }

  void stopEndsTheSearchWithoutLists() {
    TempDir site;
    for (int i = 0; i < 300; ++i)
      site.Write("p" + std::to_string(i) + ".htm", "<a href=\"x.htm\">\r\n");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    AnsweredBox question;
    // Runs at the search's first look at pending events.
    QTimer::singleShot(0, &w, [&] {
      AnswerNextMessageBox(QMessageBox::Yes, &question);
      w.cmdStop->click();
    });
    w.cmdOrphans_Click();
    QVERIFY(question.seen);
    QCOMPARE(w.lblTotalNumFilesOrBrokenLinks->text(), QString("The orphan search was stopped."));
    QVERIFY(!w.frmOrphans->isVisible());
    QVERIFY(!w.blnStop);
    QVERIFY(w.cmdOrphans->isEnabled());
  }

  void aMissingTopFolderIsRefused() {
    MainWindow& w = Start();
    AnsweredBox box;
    AnswerNextMessageBox(QMessageBox::Ok, &box);
    w.cmdOrphans->click();
    QVERIFY(box.seen);
    QCOMPARE(box.title, QString("Orphan files"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY(!w.frmOrphans->isVisible());
  }

  void theButtonSitsInFreeSpace() {
    MainWindow& w = Start();
    QCOMPARE(w.cmdOrphans->text(), QString("Orphan files"));
    const QRect button = w.cmdOrphans->geometry();
    QVERIFY(w.rect().contains(button));
    for (QWidget* other : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == w.cmdOrphans || other->isWindow()) continue;
      QVERIFY2(!button.intersects(other->geometry()), qPrintable(other->objectName()));
    }
  }
};

QTEST_MAIN(OrphansWindowTest)
#include "orphans_window_test.moc"
