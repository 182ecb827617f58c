#include "gui/view_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "core/platform/text_file.h"
#include "core/settings/catalogue.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

// Geometry in twips.
constexpr int kDesignWidth = 11670;  // inner size
constexpr int kDesignHeight = 6585;
constexpr int kMinWidth = 8000;  // outer size
constexpr int kMinHeight = 2000;
constexpr int kBoxMargin = 105;
constexpr int kButtonHeight = 330;
constexpr int kCopyWidth = 3270;
constexpr int kCopySelectedWidth = 4425;

// The box holds fewer characters than this; a longer file is shown cut, its
// head between two notes, so the user knows to open it elsewhere.
constexpr qsizetype kMaxWholeText = 65530;
const QString kHeadNote = QStringLiteral(
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n");
const QString kTailNote = QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");

QString TextToShow(const QString& file_text) {
  if (file_text.size() < kMaxWholeText) return file_text;
  const qsizetype head = kMaxWholeText - kHeadNote.size() - kTailNote.size();
  return kHeadNote + file_text.left(head) + QStringLiteral("\r\n\r\n") + kTailNote;
}

}  // namespace

ViewWindow::ViewWindow(const QString& object_name, const Catalogue& catalogue, QWidget* parent)
    : QWidget(parent, Qt::Window), catalogue_(catalogue) {
  setObjectName(object_name);
  setWindowTitle(QStringLiteral("Viewing"));
  setFont(ArialFont(9.75));
  CreateControls();
  resize(Px(kDesignWidth), Px(kDesignHeight));
  setMinimumSize(Px(kMinWidth), Px(kMinHeight));
}

void ViewWindow::CreateControls() {
  txbText1 = new QPlainTextEdit(this);
  txbText1->setObjectName("txbText1");
  txbText1->setGeometry(TwipsRect(kBoxMargin, kBoxMargin, 11460, 5760));
  txbText1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txbText1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // long paths too
  txbText1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txbText1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txbText1->setReadOnly(true);
  txbText1->viewport()->installEventFilter(this);

  cmdCopyToClipboard = new QPushButton(QStringLiteral("Copy to clipboard"), this);
  cmdCopyToClipboard->setObjectName("cmdCopyToClipboard");
  cmdCopyToClipboard->setGeometry(TwipsRect(120, 6000, 2220, kButtonHeight));
  cmdCopyToClipboard->setFont(TahomaFont(9.75));
  connect(cmdCopyToClipboard, &QPushButton::clicked, this, &ViewWindow::cmdCopyToClipboard_Click);

  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setGeometry(TwipsRect(9825, 6000, 1740, kButtonHeight));
  cmdClose->setFont(TahomaFont(9.75));
  connect(cmdClose, &QPushButton::clicked, this, &ViewWindow::cmdClose_Click);

  setTabOrder(txbText1, cmdClose);
  setTabOrder(cmdClose, cmdCopyToClipboard);
}

void ViewWindow::SetTextFontSize(double points) {
  QFont font = txbText1->font();
  font.setPointSizeF(points);
  txbText1->setFont(font);
}

void ViewWindow::setVisible(bool visible) {
  QWidget::setVisible(visible);
  // Only once the show is complete: reading may end in a message box and
  // hide the window again.
  if (visible) Form_Activate();
}

bool ViewWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    QTimer::singleShot(0, this, [this] {
      if (isVisible()) Form_Activate();  // it may have been hidden meanwhile
    });
  }
  return QWidget::event(event);
}

void ViewWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void ViewWindow::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

bool ViewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txbText1->viewport() && event->type() == QEvent::MouseButtonRelease) {
    // After the box has handled the release: a click inside a selection
    // clears it only then.
    QTimer::singleShot(0, this, [this] { txbText1_MouseUp(); });
  }
  return QWidget::eventFilter(watched, event);
}

void ViewWindow::Form_Activate() {
  if (blnFileDisplayed || loading_) return;  // loading_: a message box runs the event loop
  loading_ = true;
  PrepareForFile();
  LoadFile();
  blnFileDisplayed = true;
  loading_ = false;
}

void ViewWindow::PrepareForFile() {
  cmdClose->setText(QStringLiteral("Close"));
  SetBoxText(QString());
  SetCopyCaption(false);
  cmdCopyToClipboard->setVisible(!blnCopyToClipboardInvisible);
  if (!blnCopyToClipboardInvisible) cmdCopyToClipboard->setEnabled(true);
  txbText1->setReadOnly(true);
  // Read-only, yet the keyboard can still move the caret and select.
  txbText1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Form_Resize();
}

void ViewWindow::LoadFile() {
  std::string text;
  SystemError error;
  if (!ReadTextFile(U(strFilename), text, &error)) {
    ShowMessage(this,
                QStringLiteral("Error ") + QString::number(error.code) + QStringLiteral(".  ") +
                    Q(error.description),
                QMessageBox::Warning, Q(catalogue_.Get(53)));
    hide();
    return;
  }
  if (text.empty()) {
    ShowMessage(this, Q(catalogue_.Get(17)), QMessageBox::Warning, Q(catalogue_.Get(52)));
    hide();
    return;
  }
  SetBoxText(TextToShow(Q(text)));
  txbText1->moveCursor(QTextCursor::Start);
  txbText1->viewport()->update();
}

void ViewWindow::SetBoxText(const QString& text) {
  box_text_ = text;
  QString shown = text;
  txbText1->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void ViewWindow::Form_Resize() {
  if (isMinimized()) return;
  // The minimum holds for the outer size; Qt's minimum is for the inner one.
  const QSize frame = frameGeometry().size() - size();
  const QSize minimum = QSize(Px(kMinWidth), Px(kMinHeight)) - frame;
  if (minimumSize() != minimum) setMinimumSize(minimum);  // grows the window when below it

  const QSize outer = frameGeometry().size();
  txbText1->setGeometry(Px(kBoxMargin), Px(kBoxMargin), outer.width() - Px(450),
                        outer.height() - Px(1200));
  const QRect box = txbText1->geometry();
  const int top = box.y() + box.height() + Px(100);
  cmdCopyToClipboard->move(box.x(), top);
  cmdClose->move(box.x() + box.width() - cmdClose->width(), top);
}

void ViewWindow::txbText1_MouseUp() {
  if (cmdCopyToClipboard->isHidden() || !cmdCopyToClipboard->isEnabled()) return;
  SetCopyCaption(txbText1->textCursor().hasSelection());
}

void ViewWindow::SetCopyCaption(bool selection) {
  cmdCopyToClipboard->setText(selection ? QStringLiteral("Copy selected text to clipboard")
                                        : QStringLiteral("Copy to clipboard"));
  cmdCopyToClipboard->resize(Px(selection ? kCopySelectedWidth : kCopyWidth),
                             Px(kButtonHeight));
}

void ViewWindow::cmdCopyToClipboard_Click() {
  if (!box_text_.isEmpty()) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txbText1->textCursor().hasSelection() ? SelectedText() : box_text_);
    SetCopyCaption(false);
  }
  cmdClose->setFocus();
}

QString ViewWindow::SelectedText() const {
  const QTextCursor cursor = txbText1->textCursor();
  const qsizetype start = BoxTextIndex(cursor.selectionStart());
  return box_text_.mid(start, BoxTextIndex(cursor.selectionEnd()) - start);
}

// The index in box_text_ of a position in the box, where each CR LF was one
// character, so a copied selection keeps the file's own line ends.
qsizetype ViewWindow::BoxTextIndex(int position) const {
  qsizetype index = 0;
  for (int at = 0; at < position && index < box_text_.size(); ++at) {
    const bool crlf = box_text_[index] == u'\r' && index + 1 < box_text_.size() &&
                      box_text_[index + 1] == u'\n';
    index += crlf ? 2 : 1;
  }
  return index;
}

void ViewWindow::cmdClose_Click() { hide(); }

void ViewWindow::Form_Unload() {
  blnFileDisplayed = false;
  cmdClose_Click();
}

}  // namespace qvn::gui
