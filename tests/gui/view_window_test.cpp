// The viewer window on the offscreen platform: showing a file, the copy
// button with and without a selection. What it shows, and where, is the
// presenter's (tests/core/app/viewer_text_test.cpp).

#include "gui/view_window.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "gui/twips.h"
#include "support/gui_test_support.h"

using qvn::gui::Px;
using qvn::gui::ViewWindow;

namespace {

// What the box should show on screen for a text with our line ends.
QString OnScreen(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// Viewport point of the character at a position of the box.
QPoint PointAt(QPlainTextEdit* box, int position) {
  QTextCursor cursor(box->document());
  cursor.setPosition(position);
  return box->cursorRect(cursor).center();
}

void DragSelect(QPlainTextEdit* box, int from, int to) {
  QWidget* viewport = box->viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, PointAt(box, from));
  QTest::mouseMove(viewport, PointAt(box, to));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, PointAt(box, to));
}

}  // namespace

class ViewWindowTest : public QObject {
  Q_OBJECT

  // Opens the viewer on text as the main window does.
  static void Open(ViewWindow& window, const QString& text, bool copy_button = true) {
    window.ShowFile(QStringLiteral("/data/links_to.txt"),
                    QStringLiteral("Broken links sorted by link-from"), text,
                    QRect(40, 30, Px(11670), Px(6585)), copy_button);
    QVERIFY(window.isVisible());
  }
  static QPlainTextEdit* Box(ViewWindow& window) {
    return window.findChild<QPlainTextEdit*>("txbText1");
  }
  static QPushButton* CopyButton(ViewWindow& window) {
    return window.findChild<QPushButton*>("cmdCopyToClipboard");
  }

 private slots:
  void showsTheFileFromItsStart() {
    ViewWindow window("frmView");
    const QString text = QStringLiteral("alpha\r\nbravo\r\n");
    Open(window, text);
    QCOMPARE(window.windowTitle(), QStringLiteral("Broken links sorted by link-from"));
    QCOMPARE(window.path(), QStringLiteral("/data/links_to.txt"));
    QCOMPARE(window.BoxText(), text);
    QCOMPARE(Box(window)->toPlainText(), OnScreen(text));
    QVERIFY(Box(window)->isReadOnly());
    QCOMPARE(Box(window)->textCursor().position(), 0);
    QCOMPARE(window.pos(), QPoint(40, 30));
    qvn::test::SaveScreenshot(&window, "view_window");
  }

  void mouseSelectionIsCopiedWithItsLineEnds() {
    ViewWindow window("frmView");
    Open(window, QStringLiteral("alpha\r\nbravo\r\ncharlie\r\ndelta\r\n"));
    QPlainTextEdit* box = Box(window);
    box->setFocus();

    DragSelect(box, 2, 16);  // "pha", "bravo", "char"
    QTRY_COMPARE(CopyButton(window)->text(), QStringLiteral("Copy selected text to clipboard"));
    QVERIFY(CopyButton(window)->width() >
            CopyButton(window)->fontMetrics().horizontalAdvance(CopyButton(window)->text()));
    qvn::test::SaveScreenshot(&window, "view_window_selection");

    QTest::mouseClick(CopyButton(window), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pha\r\nbravo\r\nchar"));
    QCOMPARE(CopyButton(window)->text(), QStringLiteral("Copy to clipboard"));
    QCOMPARE(window.focusWidget(), window.findChild<QPushButton*>("cmdClose"));

    // A click that leaves no selection puts the caption back.
    DragSelect(box, 20, 24);
    QTRY_COMPARE(CopyButton(window)->text(), QStringLiteral("Copy selected text to clipboard"));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, PointAt(box, 22));
    QTRY_COMPARE(CopyButton(window)->text(), QStringLiteral("Copy to clipboard"));
  }

  void keyboardSelectionIsCopiedButKeepsTheCaption() {
    ViewWindow window("frmView");
    Open(window, QStringLiteral("one\r\ntwo\r\n"));
    Box(window)->setFocus();
    QTest::keyClick(Box(window), Qt::Key_End, Qt::ShiftModifier);
    QTest::qWait(20);
    QCOMPARE(CopyButton(window)->text(), QStringLiteral("Copy to clipboard"));
    QTest::mouseClick(CopyButton(window), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one"));
  }

  void copiesTheWholeBoxWithoutSelection() {
    ViewWindow window("frmView");
    const QString text = QStringLiteral("a.htm\r\nb.htm\r\n");
    Open(window, text);
    QTest::mouseClick(CopyButton(window), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
  }

  void helpTextHasNoCopyButtonUntilTheNextReport() {
    ViewWindow window("frmView");
    Open(window, QStringLiteral("Help\r\nMore help\r\n"), /*copy_button=*/false);
    QVERIFY(CopyButton(window)->isHidden());
    DragSelect(Box(window), 0, 8);
    QTest::qWait(20);
    QVERIFY(Box(window)->textCursor().hasSelection());
    QCOMPARE(CopyButton(window)->text(), QStringLiteral("Copy to clipboard"));
    Open(window, QStringLiteral("a.htm\r\n"));
    QVERIFY(!CopyButton(window)->isHidden());
  }

  void closeHidesIt() {
    ViewWindow window("frmView2");
    Open(window, QStringLiteral("x\r\n"));
    QTest::mouseClick(window.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  // Escape anywhere in it, or Enter on its focused Close button.
  void theKeyboardClosesIt() {
    ViewWindow window("frmView");
    const std::function<void()> keys[] = {
        [&] { QTest::keyClick(Box(window), Qt::Key_Escape); },
        [&] {
          auto* close = window.findChild<QPushButton*>("cmdClose");
          close->setFocus();
          QTest::keyClick(close, Qt::Key_Return);
        },
    };
    for (const auto& key : keys) {
      Open(window, QStringLiteral("x\r\n"));
      QVERIFY(QTest::qWaitForWindowActive(&window));
      Box(window)->setFocus();
      key();
      QVERIFY(!window.isVisible());
    }
  }

  // A report comes up in the same place and with the same inner layout
  // whatever the viewer showed before and however it was left.
  void aReportIsLaidOutAsInAFreshViewer() {
    ViewWindow used("frmView");
    used.ShowFile(QStringLiteral("help.txt"), QStringLiteral("Help"), QStringLiteral("h\r\n"),
                  QRect(300, 200, Px(9000), Px(5000)), false);
    used.showMaximized();
    QTest::qWait(20);
    Open(used, QStringLiteral("a.htm\r\n"));
    ViewWindow fresh("frmView2");
    Open(fresh, QStringLiteral("a.htm\r\n"));
    QCOMPARE(used.geometry(), fresh.geometry());
    for (const char* name : {"txbText1", "cmdCopyToClipboard", "cmdClose"}) {
      QWidget* one = used.findChild<QWidget*>(name);
      QWidget* other = fresh.findChild<QWidget*>(name);
      QCOMPARE(one->geometry(), other->geometry());
      QCOMPARE(one->isVisible(), other->isVisible());
    }
  }
};

QTEST_MAIN(ViewWindowTest)
#include "view_window_test.moc"
