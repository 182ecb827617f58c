// The subfolder selection window's binding on the offscreen platform, on
// real folders: the rows it lays out, clicks and the scroll bar reaching
// the presenter, leaving it, and where its controls stand. Its rules are
// tested on the presenter (tests/core/app/subfolder_presenter_test.cpp).

#include "gui/select_subfolders_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>
#include <memory>
#include <string>

#include "support/gui_test_support.h"
#include "support/refusing_reader.h"
#include "support/temp_dir.h"

using qvn::gui::SelectSubfoldersWindow;
using qvn::test::AnsweredBox;
using qvn::test::Find;
using qvn::test::TempDir;

namespace {

QCheckBox* Row(const SelectSubfoldersWindow& window, int index) {
  return Find<QCheckBox>(&window, qPrintable(QStringLiteral("chkSubfolder_%1").arg(index)));
}

// Captions of the visible rows, with a "+" before each ticked one.
QStringList Rows(const SelectSubfoldersWindow& window) {
  QStringList rows;
  for (int i = 0; Row(window, i) != nullptr && Row(window, i)->isVisible(); ++i)
    rows << (Row(window, i)->isChecked() ? "+" : "") + Row(window, i)->text();
  return rows;
}

QString Summary(const SelectSubfoldersWindow& window) {
  return Find<QLabel>(&window, "lblNumSubfolders")->text();
}

}  // namespace

class SelectSubfoldersWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TempDir> dir_;
  qvn::test::RefusingReader reader_;
  std::unique_ptr<SelectSubfoldersWindow> window_;

  // A window on `folders` subfolders of one file each, shown until read.
  SelectSubfoldersWindow& Open(int folders) {
    for (int i = 0; i < folders; ++i)
      dir_->Write("f" + std::to_string(10 + i) + "/page.htm", "x");
    qvn::app::SubfolderRequest request;
    request.top_folder = dir_->path();
    window_ = std::make_unique<SelectSubfoldersWindow>(request, nullptr, &reader_);
    window_->show();
    if (!QTest::qWaitFor([&] { return !window_->presenter().busy(); }))
      qFatal("the window did not read the disk");
    return *window_;
  }

 private slots:
  void init() { dir_ = std::make_unique<TempDir>(); }
  void cleanup() {
    window_.reset();
    dir_.reset();
  }

  void rowsTicksAndPaging() {
    SelectSubfoldersWindow& window = Open(20);
    QCOMPARE(window.objectName(), QString("frmSelectSubfolders"));
    QCOMPARE(Rows(window).size(), 13);
    QCOMPARE(Rows(window).first(), QString("f10 {1 file and no subfolders}"));
    QCOMPARE(Summary(window), QString("No subfolders selected."));
    Row(window, 1)->click();
    QCOMPARE(Summary(window), QString("One subfolder selected."));
    auto* bar = Find<QScrollBar>(&window, "vsbScrollBar");
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->maximum(), 7);
    QCOMPARE(bar->pageStep(), 12);
    bar->setValue(7);
    QCOMPARE(Rows(window).first(), QString("f17 {1 file and no subfolders}"));
    Find<QPushButton>(&window, "cmdSelectDeselectAllSubfolders_1")->click();
    QCOMPARE(Summary(window), QString("All 20 subfolders selected."));
    Find<QPushButton>(&window, "cmdSelectDeselectAllSubfolders_0")->click();
    Row(window, 12)->click();
    Find<QPushButton>(&window, "cmdAccept")->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(window.presenter().chosen(), std::vector<std::string>{"f29"});
  }

  void theWheelOverTheRowsPagesThem() {
    SelectSubfoldersWindow& window = Open(20);
    const QString first = Rows(window).first();
    QWidget* row = Row(window, 3);
    const QPointF at(row->width() / 2, row->height() / 2);
    QWheelEvent down(at, row->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(row, &down);
    QVERIFY(Find<QScrollBar>(&window, "vsbScrollBar")->value() > 0);
    QVERIFY(Rows(window).first() != first);
  }

  void withoutSubfoldersItSaysSoAndCloses() {
    dir_->Write("page.htm", "x");
    qvn::app::SubfolderRequest request;
    request.top_folder = dir_->path();
    SelectSubfoldersWindow window(request, nullptr, &reader_);
    AnsweredBox box;
    qvn::test::AnswerNextMessageBox(QMessageBox::Ok, &box);
    window.show();
    QVERIFY(QTest::qWaitFor([&] { return box.seen && !window.isVisible(); }));
    QCOMPARE(box.text, QString::fromStdString(request.none_text));
    QVERIFY(!window.presenter().accepted());
  }

  void aRowThatCannotBeTickedStaysUnticked() {
    dir_->MakeDir("empty");
    SelectSubfoldersWindow& window = Open(1);
    Row(window, 0)->click();  // "empty" sorts first
    QVERIFY(!Row(window, 0)->isChecked());
    QCOMPARE(Summary(window), QString("No subfolders selected."));
  }

  void escapeAndTheCloseBoxLeaveWithoutAnswer() {
    SelectSubfoldersWindow& window = Open(2);
    Row(window, 0)->click();
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.presenter().accepted());
    window.show();
    QVERIFY(QTest::qWaitFor([&] { return !window.presenter().busy(); }));
    AnsweredBox box;
    qvn::test::AnswerNextMessageBox(QMessageBox::Ok, &box);
    window.close();
    QVERIFY(box.seen);
    QCOMPARE(box.title, QString("Select Folders"));
    QVERIFY(!window.isVisible());
    QVERIFY(!window.presenter().accepted());
  }

  // Rows above the buttons, the summary between "Deselect all" and
  // "Accept", everything inside the window; also after it is widened.
  void controlsStayApartAndInside_data() {
    QTest::addColumn<int>("folders");
    QTest::newRow("5 rows") << 5;
    QTest::newRow("20 rows, paged") << 20;
  }

  void controlsStayApartAndInside() {
    QFETCH(int, folders);
    SelectSubfoldersWindow& window = Open(folders);
    for (int widen : {0, 150}) {
      const int wanted = window.width() + widen;
      window.resize(wanted, window.height());
      QTRY_COMPARE(window.width(), wanted);
      const QRect rows = Find<QLabel>(&window, "picSubfolders")->geometry();
      const QRect select_all = Find<QWidget>(&window, "cmdSelectDeselectAllSubfolders_1")->geometry();
      const QRect deselect_all =
          Find<QWidget>(&window, "cmdSelectDeselectAllSubfolders_0")->geometry();
      const QRect label = Find<QWidget>(&window, "lblNumSubfolders")->geometry();
      const QRect accept = Find<QWidget>(&window, "cmdAccept")->geometry();
      const QRect cancel = Find<QWidget>(&window, "cmdCancel")->geometry();
      QCOMPARE(rows.height(), std::min(folders, 13) * Row(window, 0)->height());
      QCOMPARE(Row(window, 0)->width(), rows.width());
      QVERIFY(rows.bottom() < select_all.top());
      QVERIFY(select_all.right() < deselect_all.left());
      QVERIFY(deselect_all.right() < label.left());
      QVERIFY(label.right() < accept.left());
      QVERIFY(accept.right() < cancel.left());
      QVERIFY(cancel.right() < window.width());
      QVERIFY(label.bottom() < window.height() && cancel.bottom() < window.height());
      if (folders > 13) {
        const QRect bar = Find<QWidget>(&window, "vsbScrollBar")->geometry();
        QVERIFY(bar.left() > rows.right() && bar.right() < window.width());
      }
    }
    if (folders > 13) qvn::test::SaveScreenshot(&window, "select_subfolders_window");
  }
};

QTEST_MAIN(SelectSubfoldersWindowTest)
#include "select_subfolders_window_test.moc"
