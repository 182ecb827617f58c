// The subfolder selection window on the offscreen platform, on real folders:
// captions, sizes, paging, ticking and the summary.

#include "gui/select_subfolders_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <string>

#include "gui/subfolder_window_test_support.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"

using qvn::gui::SelectSubfoldersWindow;
using qvn::test::MakeFolders;
using qvn::test::MakeWindow;
using qvn::test::Open;
using qvn::test::RefusingReader;
using qvn::test::Row;
using qvn::test::Rows;
using qvn::test::Summary;
using qvn::test::TempDir;
using qvn::test::Tick;

class SelectSubfoldersWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir_;
  RefusingReader reader_;
  std::unique_ptr<SelectSubfoldersWindow> window_;

  SelectSubfoldersWindow& Window() {
    window_ = MakeWindow(*dir_, reader_);
    return *window_;
  }

 private slots:
  void init() {
    dir_ = std::make_unique<TempDir>();
    reader_ = RefusingReader();
  }
  void cleanup() {
    window_.reset();
    dir_.reset();
  }

  void captionsTellWhatEachSubfolderHolds() {
    dir_->Write("alpha/a.htm", "");
    dir_->MakeDir("alpha/inner");
    dir_->MakeDir("empty");
    for (int i = 0; i < 1001; ++i) dir_->Write("many/f" + std::to_string(i), "");
    dir_->MakeDir("Beta/one");
    for (const char* sub : {"two/a", "two/b", "two/c"}) dir_->MakeDir(sub);
    dir_->Write("two/x.htm", "");
    dir_->Write("two/y.htm", "");
    dir_->Write("$RECYCLE.BIN/deleted.htm", "");
    dir_->Write("top.htm", "");  // a file of the top folder is no row
    SelectSubfoldersWindow& window = Window();
    QVERIFY(Open(window));

    QCOMPARE(
        Rows(window),
        QStringList({"alpha {1 file and 1 subfolder}", "Beta {no files and 1 subfolder}",
                     "empty {no files and no subfolders}", "many {1,001 files and no subfolders}",
                     "two {2 files and 3 subfolders}"}));
    QCOMPARE(window.NumSubfolders(), 5);
    QVERIFY(window.vsbScrollBar->isHidden());
    QCOMPARE(Summary(window), QStringLiteral("No subfolders selected."));
    QCOMPARE(window.windowTitle(), window.strCaption);
    QVERIFY(window.picSubfolders->text().isEmpty());
    const QImage picture = window.grab().toImage();
    const QRect rows = window.picSubfolders->geometry();
    QCOMPARE(QColor(picture.pixel(2, 2)), QColor(255, 255, 192));
    QCOMPARE(QColor(picture.pixel(rows.right() - 4, rows.top() + 4)), QColor(Qt::white));
    qvn::test::SaveScreenshot(&window, "select_subfolders_window");
  }

  void sizesAreShownWhenAskedFor() {
    dir_->Write("a/one", std::string(1000, 'x'));
    dir_->Write("a/two", std::string(2000, 'x'));
    for (int i = 0; i < 201; ++i) dir_->Write("b/sub/f" + std::to_string(i), "x");
    dir_->Write("c/x.htm", std::string(10, 'x'));
    dir_->Write("c/d/y.htm", std::string(20, 'x'));
    dir_->MakeDir("e");
    SelectSubfoldersWindow& window = Window();
    window.blnOmitTotalFilesize = false;
    window.strCaption = "Select subfolders to be Included";
    QVERIFY(Open(window));

    QCOMPARE(Rows(window), QStringList({"a {2 files and no subfolders, 2.93 Kb}",
                                        "b {no files and 1 subfolder, over 200 bytes}",
                                        "c {1 file and 1 subfolder, 30 bytes}",
                                        "e {no files and no subfolders}"}));
    window.cmdSelectDeselectAllSubfolders[1]->click();
    QCOMPARE(Summary(window), QStringLiteral("3 selected (of 4).\nA total of over 3.15 Kb."));
    QVERIFY(window.blnOver);
    Tick(window, "b");
    QCOMPARE(Summary(window), QStringLiteral("2 selected (of 4).\nA total of 2.96 Kb."));
  }

  void summaryCountsTheTickedRows_data() {
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("summary");
    QTest::newRow("none") << QStringList() << "No subfolders selected.";
    QTest::newRow("one") << QStringList({"c"}) << "One subfolder selected.";
    QTest::newRow("some") << QStringList({"a", "c", "e"}) << "3 selected (of 5).";
    QTest::newRow("all") << QStringList({"a", "b", "c", "d", "e"}) << "All 5 subfolders selected.";
  }

  void summaryCountsTheTickedRows() {
    QFETCH(QStringList, ticked);
    QFETCH(QString, summary);
    MakeFolders(*dir_, {"a", "b", "c", "d", "e"});
    SelectSubfoldersWindow& window = Window();
    QVERIFY(Open(window));
    for (const QString& name : ticked) Tick(window, name);
    QCOMPARE(Summary(window), summary);
  }

  void twentySubfoldersArePagedThirteenAtATime() {
    QStringList names;
    for (int i = 1; i <= 20; ++i) names << QStringLiteral("f%1").arg(i, 2, 10, QChar('0'));
    MakeFolders(*dir_, names);
    SelectSubfoldersWindow& window = Window();
    QVERIFY(Open(window));

    QCOMPARE(Rows(window).size(), 13);
    QVERIFY(Row(window, 13) == nullptr);
    QScrollBar* bar = window.vsbScrollBar;
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 7);
    QCOMPARE(bar->singleStep(), 1);
    QCOMPARE(bar->pageStep(), 12);
    QVERIFY(bar->x() >= window.picSubfolders->geometry().right());

    Tick(window, "f02");
    bar->setValue(7);
    QCOMPARE(Row(window, 0)->text(), QStringLiteral("f08 {1 file and no subfolders}"));
    QCOMPARE(Row(window, 12)->text(), QStringLiteral("f20 {1 file and no subfolders}"));
    QVERIFY(!Rows(window).join("").contains('+'));
    Tick(window, "f20");
    bar->setValue(1);
    QCOMPARE(Rows(window).first(), QStringLiteral("+f02 {1 file and no subfolders}"));
    QCOMPARE(Rows(window).last(), QStringLiteral("f14 {1 file and no subfolders}"));
    QCOMPARE(Summary(window), QStringLiteral("2 selected (of 20)."));
    window.cmdAccept->click();
    QCOMPARE(window.strFoldersReturnedFromSelectFoldersForm, std::string("f02\r\nf20\r\n"));
  }

  void controlsStayApartAndInside_data() {
    QTest::addColumn<int>("folders");
    QTest::newRow("5 rows") << 5;
    QTest::newRow("20 rows, paged") << 20;
  }

  // Rows above the buttons, the summary between "Deselect all" and "Accept",
  // everything inside the window; also after the window is widened.
  void controlsStayApartAndInside() {
    QFETCH(int, folders);
    QStringList names;
    for (int i = 0; i < folders; ++i) names << QStringLiteral("f%1").arg(i, 2, 10, QChar('0'));
    MakeFolders(*dir_, names);
    SelectSubfoldersWindow& window = Window();
    QVERIFY(Open(window));
    int right_margin = -1;
    for (int widen : {0, 150}) {
      const int wanted = window.width() + widen;
      window.resize(wanted, window.height());
      QTRY_COMPARE(window.width(), wanted);
      const QRect rows = window.picSubfolders->geometry();
      const QRect select_all = window.cmdSelectDeselectAllSubfolders[1]->geometry();
      const QRect deselect_all = window.cmdSelectDeselectAllSubfolders[0]->geometry();
      const QRect label = window.lblNumSubfolders->geometry();
      const QRect accept = window.cmdAccept->geometry();
      const QRect cancel = window.cmdCancel->geometry();
      QCOMPARE(rows.height(), std::min(folders, 13) * Row(window, 0)->height());
      QCOMPARE(Row(window, 0)->width(), rows.width());
      QVERIFY(rows.bottom() < select_all.top());
      QVERIFY(select_all.right() < deselect_all.left());
      QVERIFY(deselect_all.right() < label.left());
      QVERIFY(label.right() < accept.left());
      QVERIFY(accept.right() < cancel.left());
      QVERIFY(cancel.right() < window.width());
      QVERIFY(cancel.right() >= rows.right() - 2);
      if (right_margin < 0) right_margin = window.width() - cancel.right();
      QCOMPARE(window.width() - cancel.right(), right_margin);  // follows the window's width
      QVERIFY(label.bottom() < window.height() && cancel.bottom() < window.height());
      if (folders > 13) {
        const QRect bar = window.vsbScrollBar->geometry();
        QVERIFY(bar.left() > rows.right() && bar.right() < window.width());
        QCOMPARE(bar.height(), rows.height());
      }
    }
  }

  void emptyAndUnreadableRowsCannotBeTicked() {
    MakeFolders(*dir_, {"locked", "open"});
    dir_->MakeDir("empty");
    reader_.Refuse(dir_->path() + "locked");
    SelectSubfoldersWindow& window = Window();
    QVERIFY(Open(window));

    QCOMPARE(Rows(window), QStringList({"empty {no files and no subfolders}",
                                        "locked {" + QString(std::strerror(EACCES)) + "}",
                                        "open {1 file and no subfolders}"}));
    Tick(window, "empty");
    Tick(window, "locked");
    QCOMPARE(Summary(window), QStringLiteral("No subfolders selected."));
    QVERIFY(!Row(window, 0)->isChecked());
    QVERIFY(!Row(window, 1)->isChecked());
    Tick(window, "open");
    QCOMPARE(Summary(window), QStringLiteral("One subfolder selected."));
  }

  void selectAllLeavesOutUnreadableSubfolders() {
    QStringList names;
    for (int i = 0; i < 10; ++i) names << QStringLiteral("d%1").arg(i);
    MakeFolders(*dir_, names);
    reader_.Refuse(dir_->path() + "d4");
    SelectSubfoldersWindow& window = Window();
    QVERIFY(Open(window));

    window.cmdSelectDeselectAllSubfolders[1]->click();
    QCOMPARE(Summary(window), QStringLiteral("9 selected (of 10)."));
    QCOMPARE(Rows(window).filter(QRegularExpression("^\\+")).size(), 9);
    QVERIFY(!Row(window, 4)->isChecked());
    window.cmdSelectDeselectAllSubfolders[0]->click();
    QCOMPARE(Summary(window), QStringLiteral("No subfolders selected."));
    QCOMPARE(Rows(window).filter(QRegularExpression("^\\+")).size(), 0);
  }

  void namesChosenBeforeStartTicked() {
    MakeFolders(*dir_, {"alpha", "Gamma", "delta", "locked", "x y"});
    dir_->MakeDir("empty");
    dir_->MakeDir("x");  // read before "x y", listed after it: its flag must follow it
    reader_.Refuse(dir_->path() + "locked");
    SelectSubfoldersWindow& window = Window();
    window.strFoldersPassedToSelectFoldersForm =
        "ALPHA\r\nempty\r\n  gamma  \r\nlocked\r\nother\r\nx";
    QVERIFY(Open(window));

    const QStringList ticked = Rows(window).filter(QRegularExpression("^\\+"));
    QCOMPARE(ticked, QStringList({"+alpha {1 file and no subfolders}",
                                  "+Gamma {1 file and no subfolders}"}));
    QCOMPARE(Summary(window), QStringLiteral("2 selected (of 7)."));
  }

  void longCaptionsAreShortenedInTheMiddle_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    const QString counts = "{" + QString(28, 'c') + "}";  // 30 characters
    QTest::newRow("100 characters")
        << QString(70, 'n') + counts << QString(54, 'n') + " ... " + counts;
    QTest::newRow("84 characters")
        << QString(54, 'n') + counts << QString(54, 'n') + " ... " + counts;
    QTest::newRow("83 characters") << QString(53, 'n') + counts << QString(53, 'n') + counts;
    QTest::newRow("83 characters, more bytes")
        << QString(53, u'\u00e9') + counts << QString(53, u'\u00e9') + counts;
    QTest::newRow("no brace") << QString(100, 'n') << QString(100, 'n');
  }

  void longCaptionsAreShortenedInTheMiddle() {
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(
        QString::fromStdString(SelectSubfoldersWindow::FitSubfolderCaption(caption.toStdString())),
        shown);
  }

  void rowsShowLongNamesShortened() {
    const std::string name(90, 'x');
    MakeFolders(*dir_, {QString::fromStdString(name)});
    SelectSubfoldersWindow& window = Window();
    QVERIFY(Open(window));
    const QString counts = "{1 file and no subfolders}";
    QCOMPARE(Rows(window), QStringList({QString(84 - counts.size(), 'x') + " ... " + counts}));
    Row(window, 0)->click();
    window.cmdAccept->click();
    QCOMPARE(window.strFoldersReturnedFromSelectFoldersForm, name + "\r\n");
  }
};

QTEST_MAIN(SelectSubfoldersWindowTest)
#include "select_subfolders_window_test.moc"
