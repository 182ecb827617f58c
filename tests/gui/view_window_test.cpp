// The viewer window on the offscreen platform: reading, cutting, failures,
// the copy button and the layout.

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <string>

#include "gui/view_window.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "core/settings/catalogue.h"
#include "gui/twips.h"

using qvn::gui::Px;
using qvn::gui::ViewWindow;

namespace {

const QString kHeadNote = QStringLiteral(
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n");
const QString kTailNote = QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");

// A text of exactly `length` UTF-16 units in CR LF lines, each line holding `letter`.
QString LinesOfLength(qsizetype length, QChar letter) {
  QString text;
  for (int line = 1; text.size() < length; ++line)
    text += QString::number(line) + QStringLiteral(" ") + QString(20, letter) + QStringLiteral("\r\n");
  return text.left(length);
}

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

 private:
  qvn::Catalogue catalogue_;
  std::unique_ptr<qvn::test::TempDir> dir_;

  QString Write(const std::string& name, const std::string& bytes) {
    dir_->Write(name, bytes);
    return QString::fromStdString(dir_->path() + name);
  }

  // Sets the viewer up as the openers do and shows it: the file is read then.
  static void Open(ViewWindow& window, const QString& path, bool help = false) {
    window.hide();
    window.strFilename = path;
    window.setWindowTitle(QStringLiteral("Broken links sorted by link-from"));
    window.blnCopyToClipboardInvisible = help;
    window.SetTextFontSize(10);
    window.blnFileDisplayed = false;
    window.show();
    QVERIFY(window.blnFileDisplayed);
  }

 private slots:
  void initTestCase() {
    QVERIFY(catalogue_.Load(QVN_SOURCE_DIR "/data/qvn.dat") > 0);
  }
  void init() { dir_ = std::make_unique<qvn::test::TempDir>(); }
  void cleanup() { dir_.reset(); }

  void showsShortFilesWholeAndCutsLongOnes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("cut");
    const QString ascii_short = LinesOfLength(65529, u'a');
    const QString accented_short = LinesOfLength(65529, u'\u00e9');  // more bytes than characters
    const QString ascii_long = LinesOfLength(65530, u'a');
    const QString ansi_long = LinesOfLength(70000, u'\u00e9');
    QTest::newRow("65,529 characters") << ascii_short << ascii_short.toUtf8() << false;
    QTest::newRow("65,529 two-byte characters") << accented_short << accented_short.toUtf8() << false;
    QTest::newRow("65,530 characters") << ascii_long << ascii_long.toUtf8() << true;
    QTest::newRow("Windows-1252, longer") << ansi_long << ansi_long.toLatin1() << true;
  }

  void showsShortFilesWholeAndCutsLongOnes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, cut);
    ViewWindow window("frmView", catalogue_);
    Open(window, Write("links_to.txt", bytes.toStdString()));

    const QString expected =
        cut ? kHeadNote + text.left(65306) + QStringLiteral("\r\n\r\n") + kTailNote : text;
    QCOMPARE(window.BoxText(), expected);
    if (cut) QCOMPARE(window.BoxText().size(), 65534);
    QCOMPARE(window.txbText1->toPlainText(), OnScreen(expected));
    QVERIFY(window.txbText1->isReadOnly());
    QCOMPARE(window.txbText1->textCursor().position(), 0);
    QVERIFY(window.isVisible());
  }

  void reportsFilesItCannotShowAndHides_data() {
    QTest::addColumn<bool>("empty");
    QTest::newRow("empty file") << true;
    QTest::newRow("missing file") << false;
  }

  void reportsFilesItCannotShowAndHides() {
    QFETCH(bool, empty);
    const QString path =
        empty ? Write("files.txt", "") : QString::fromStdString(dir_->path() + "deleted.txt");
    ViewWindow window("frmView2", catalogue_);
    qvn::test::AnsweredBox box;
    qvn::test::AnswerNextMessageBox(QMessageBox::Ok, &box);
    Open(window, path);

    QVERIFY(box.seen);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    if (empty) {
      QCOMPARE(box.text, QString::fromStdString(catalogue_.Get(17)));
      QCOMPARE(box.title, QString::fromStdString(catalogue_.Get(52)));
    } else {
      QCOMPARE(box.title, QString::fromStdString(catalogue_.Get(53)));
#ifdef _WIN32
      QVERIFY2(QRegularExpression("^Error \\d+\\.  \\S").match(box.text).hasMatch(),
               qPrintable(box.text));
#else
      QCOMPARE(box.text, QStringLiteral("Error %1.  %2").arg(ENOENT).arg(std::strerror(ENOENT)));
#endif
    }
    QVERIFY(!window.isVisible());
    QVERIFY(window.BoxText().isEmpty());
  }

  void readsOnlyOncePerOpening() {
    const std::string first = "first version\r\n";
    const QString path = Write("links_from.txt", first);
    ViewWindow window("frmView2", catalogue_);
    Open(window, path);
    Write("links_from.txt", "second version\r\n");

    // Activated again, or closed with Close and shown again: the same text.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    QTest::mouseClick(window.cmdClose, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    window.show();
    QTest::qWait(50);
    QCOMPARE(window.BoxText(), QString::fromStdString(first));

    // The close box ends this opening: the next show reads the file again.
    window.close();
    QVERIFY(!window.isVisible());
    QVERIFY(!window.blnFileDisplayed);
    window.show();
    QCOMPARE(window.BoxText(), QStringLiteral("second version\r\n"));
  }

  void mouseSelectionIsCopiedWithItsLineEnds() {
    ViewWindow window("frmView", catalogue_);
    Open(window, Write("links_to.txt", "alpha\r\nbravo\r\ncharlie\r\ndelta\r\n"));
    window.txbText1->setFocus();

    DragSelect(window.txbText1, 2, 16);  // "pha", "bravo", "char"
    QTRY_COMPARE(window.cmdCopyToClipboard->text(), QStringLiteral("Copy selected text to clipboard"));
    QCOMPARE(window.cmdCopyToClipboard->width(), Px(4425));
    qvn::test::SaveScreenshot(&window, "view_window_selection");

    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pha\r\nbravo\r\nchar"));
    QCOMPARE(window.cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));
    QCOMPARE(window.cmdCopyToClipboard->width(), Px(3270));
    QCOMPARE(window.focusWidget(), window.cmdClose);

    // A click that leaves no selection puts the caption back.
    DragSelect(window.txbText1, 20, 24);
    QTRY_COMPARE(window.cmdCopyToClipboard->width(), Px(4425));
    QTest::mouseClick(window.txbText1->viewport(), Qt::LeftButton, {}, PointAt(window.txbText1, 22));
    QTRY_COMPARE(window.cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));
    QCOMPARE(window.cmdCopyToClipboard->width(), Px(3270));
  }

  void keyboardSelectionIsCopiedButKeepsTheCaption() {
    ViewWindow window("frmView", catalogue_);
    Open(window, Write("files.txt", "one\r\ntwo\r\n"));
    window.txbText1->setFocus();
    QTest::keyClick(window.txbText1, Qt::Key_End, Qt::ShiftModifier);
    QTest::qWait(20);
    QCOMPARE(window.cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));

    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one"));
  }

  void copiesTheWholeBoxWithoutSelection() {
    const QString text = LinesOfLength(70000, u'x');
    ViewWindow window("frmView", catalogue_);
    Open(window, Write("links_to.txt", text.toStdString()));

    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, window.BoxText());
    QVERIFY(copied.startsWith(kHeadNote) && copied.endsWith(kTailNote));
  }

  void copyWithAnEmptyBoxOnlyMovesTheFocus() {
    ViewWindow window("frmView", catalogue_);
    window.blnFileDisplayed = true;  // as after a failed reading
    window.show();
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::mouseClick(window.cmdCopyToClipboard, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(window.focusWidget(), window.cmdClose);
  }

  void helpTextHasNoCopyButton() {
    ViewWindow window("frmView", catalogue_);
    Open(window, Write("qvn_help.txt", "Help\r\nMore help\r\n"), /*help=*/true);
    QVERIFY(window.cmdCopyToClipboard->isHidden());

    DragSelect(window.txbText1, 0, 8);
    QTest::qWait(20);
    QVERIFY(window.txbText1->textCursor().hasSelection());
    QVERIFY(window.cmdCopyToClipboard->isHidden());
    QCOMPARE(window.cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));

    // The next report opening shows the button again.
    Open(window, Write("files.txt", "a.htm\r\n"));
    QVERIFY(!window.cmdCopyToClipboard->isHidden());
  }

  // Sizes asked for (inside the frame), and what the window keeps of them.
  void keepsItsMinimumSizeAndLayout_data() {
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<bool>("keeps_width");
    QTest::addColumn<bool>("keeps_height");
    QTest::newRow("design size") << QSize() << true << true;
    QTest::newRow("larger") << QSize(900, 700) << true << true;
    QTest::newRow("too small") << QSize(50, 40) << false << false;
    QTest::newRow("too narrow") << QSize(50, 700) << false << true;
    QTest::newRow("too low") << QSize(900, 20) << true << false;
  }

  void keepsItsMinimumSizeAndLayout() {
    QFETCH(QSize, requested);
    QFETCH(bool, keeps_width);
    QFETCH(bool, keeps_height);
    ViewWindow window("frmView", catalogue_);
    Open(window, Write("files.txt", "a.htm\r\n"));
    if (requested.isValid())
      window.resize(requested);
    else
      requested = QSize(Px(11670), Px(6585));
    // The minimum, 8000 x 2000 twips, holds for the size with the frame.
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize expected(keeps_width ? requested.width() + frame.width() : Px(8000),
                         keeps_height ? requested.height() + frame.height() : Px(2000));
    QTRY_COMPARE(window.frameGeometry().size(), expected);

    const QRect box = window.txbText1->geometry();
    const QRect copy = window.cmdCopyToClipboard->geometry();
    const QRect close = window.cmdClose->geometry();
    QCOMPARE(box.width(), expected.width() - Px(450));
    QCOMPARE(box.height(), expected.height() - Px(1200));
    QCOMPARE(copy.top(), box.bottom() + 1 + Px(100));
    QCOMPARE(close.top(), copy.top());
    QCOMPARE(copy.left(), box.left());
    QCOMPARE(close.right(), box.right());
    if (QTest::currentDataTag() == QStringLiteral("design size"))
      qvn::test::SaveScreenshot(&window, "view_window");
  }
};

QTEST_MAIN(ViewWindowTest)
#include "view_window_test.moc"
