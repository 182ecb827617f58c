// Leaving the subfolder selection window (Accept, Cancel, Escape, the close
// box), a top folder it cannot list, and the reading itself.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gui/select_subfolders_window.h"
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

class SelectSubfoldersWindowLeavingTest : public QObject {
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

  void acceptReturnsTheTickedNamesInListOrder_data() {
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("returned");
    QTest::addColumn<bool>("nested");
    QTest::newRow("none") << QStringList() << "" << false;
    QTest::newRow("two without subfolders") << QStringList({"c", "a"}) << "a\r\nc\r\n" << false;
    QTest::newRow("one with subfolders") << QStringList({"c", "b"}) << "b\r\nc\r\n" << true;
  }

  void acceptReturnsTheTickedNamesInListOrder() {
    QFETCH(QStringList, ticked);
    QFETCH(QString, returned);
    QFETCH(bool, nested);
    MakeFolders(*dir_, {"a", "c", "b/inner"});
    SelectSubfoldersWindow& window = Window();
    window.strFoldersReturnedFromSelectFoldersForm = "stale";
    QVERIFY(Open(window));
    for (const QString& name : ticked) Tick(window, name);
    window.cmdAccept->click();

    QVERIFY(window.blnFolderSelectionAccepted);
    QCOMPARE(QString::fromStdString(window.strFoldersReturnedFromSelectFoldersForm), returned);
    QCOMPARE(window.blnSomeSubfolderHasSubfolders, nested);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(Row(window, 1) == nullptr);
  }

  void cancelAndEscapeChangeNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
  }

  void cancelAndEscapeChangeNothing() {
    QFETCH(bool, escape);
    MakeFolders(*dir_, {"a", "b"});
    SelectSubfoldersWindow& window = Window();
    window.blnFolderSelectionAccepted = true;
    window.strFoldersReturnedFromSelectFoldersForm = "earlier\r\n";
    QVERIFY(Open(window));
    Tick(window, "a");
    if (escape) {
      QTest::keyClick(&window, Qt::Key_Escape);
    } else {
      window.cmdCancel->click();
    }
    QVERIFY(!window.blnFolderSelectionAccepted);
    QCOMPARE(window.strFoldersReturnedFromSelectFoldersForm, std::string("earlier\r\n"));
    QVERIFY(!window.isVisible());
  }

  void closeBoxAsksForAcceptOrCancel() {
    MakeFolders(*dir_, {"a"});
    SelectSubfoldersWindow& window = Window();
    window.blnFolderSelectionAccepted = true;
    QVERIFY(Open(window));
    qvn::test::AnsweredBox box;
    qvn::test::AnswerNextMessageBox(QMessageBox::Ok, &box);
    window.close();

    QVERIFY(box.seen);
    QCOMPARE(box.text,
             QStringLiteral("Please exit this window only by clicking on 'Accept' or 'Cancel'."));
    QCOMPARE(box.title, QStringLiteral("Select Folders"));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!window.isVisible());
    QVERIFY(window.blnFolderSelectionAccepted);
  }

  void topFolderThatCannotBeCountedIsReported_data() {
    QTest::addColumn<bool>("refused");
    QTest::newRow("refused") << true;
    QTest::newRow("missing") << false;
  }

  void topFolderThatCannotBeCountedIsReported() {
    QFETCH(bool, refused);
    SelectSubfoldersWindow& window = Window();
    if (refused) {
      reader_.Refuse(dir_->path());
    } else {
      window.strTopFolder = dir_->path() + "gone";
    }
    qvn::test::AnsweredBox box;
    qvn::test::AnswerNextMessageBox(QMessageBox::Ok, &box);
    window.show();

    QTRY_VERIFY(box.seen);
    QCOMPARE(box.text, QString(std::strerror(refused ? EACCES : ENOENT)));
    QCOMPARE(box.title, QStringLiteral("Select subfolders"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QTRY_VERIFY(!window.isVisible());
  }

  void topFolderWithoutSubfoldersLeavesOnlyCancel() {
    dir_->Write("page.htm", "");
    SelectSubfoldersWindow& window = Window();
    window.show();
    QTRY_COMPARE(window.picSubfolders->text(), QStringLiteral("Reading disk . . ."));
    QVERIFY(window.IsBusy());
    window.cmdAccept->click();
    window.cmdSelectDeselectAllSubfolders[1]->click();
    QVERIFY(window.isVisible());
    QVERIFY(!window.blnFolderSelectionAccepted);
    window.cmdCancel->click();
    QVERIFY(!window.isVisible());
  }

  void readingShowsProgressAndStopsOnCancel() {
    MakeFolders(*dir_, {"a", "b", "c", "d"});
    SelectSubfoldersWindow& window = Window();
    QStringList progress;
    std::vector<std::string> listed;
    reader_.on_list = [&](const std::string& folder) {
      listed.push_back(folder);
      if (folder != dir_->path() + "c" || !progress.isEmpty()) return;
      progress << window.picSubfolders->text();
      QTimer::singleShot(0, window.cmdCancel, &QPushButton::click);  // runs between rows
    };
    window.show();
    QTRY_VERIFY(!window.isVisible());

    QCOMPARE(progress, QStringList({"Reading disk . . . . ."}));
    QVERIFY(std::find(listed.begin(), listed.end(), dir_->path() + "d") == listed.end());
    QVERIFY(window.IsBusy());
    QVERIFY(!window.blnFolderSelectionAccepted);
  }

  void eachShowingReadsTheDiskAfresh() {
    MakeFolders(*dir_, {"a"});
    SelectSubfoldersWindow& window = Window();
    QVERIFY(Open(window));
    window.cmdCancel->click();
    MakeFolders(*dir_, {"b"});
    QVERIFY(Open(window));
    QCOMPARE(Rows(window),
             QStringList({"a {1 file and no subfolders}", "b {1 file and no subfolders}"}));
  }
};

QTEST_MAIN(SelectSubfoldersWindowLeavingTest)
#include "select_subfolders_window_leaving_test.moc"
