#include "gui/view_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "core/app/viewer_layout.h"
#include "core/app/viewer_text.h"
#include "gui/keyboard.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

using namespace app::viewer_layout;

}  // namespace

ViewWindow::ViewWindow(const QString& object_name, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setObjectName(object_name);
  setWindowTitle(QStringLiteral("Viewing"));
  setFont(ArialFont(9.75));
  CreateControls();
  PressFocusedButtonOnEnter(this);
  CloseOnEscape(this);
  resize(Px(kDesignWidth), Px(kDesignHeight));
  setMinimumSize(Px(kMinWidth), Px(kMinHeight));
}

void ViewWindow::CreateControls() {
  textBox_ = new QPlainTextEdit(this);
  textBox_->setObjectName("txbText1");
  textBox_->setGeometry(
      TwipsRect(kBoxMargin, kBoxMargin, kDesignWidth - 2 * kBoxMargin, kBoxHeight));
  textBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  textBox_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // long paths too
  textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  textBox_->setReadOnly(true);
  // Read-only, yet the keyboard can still move the caret and select.
  textBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QFont font = textBox_->font();
  font.setPointSizeF(10);
  textBox_->setFont(font);
  textBox_->viewport()->installEventFilter(this);

  copyButton_ = new QPushButton(Q(app::CopyButtonCaption(false)), this);
  copyButton_->setObjectName("cmdCopyToClipboard");
  copyButton_->setGeometry(TwipsRect(120, 6000, kCopyWidth, kButtonHeight));
  copyButton_->setFont(TahomaFont(9.75));
  connect(copyButton_, &QPushButton::clicked, this, &ViewWindow::copyClicked);

  closeButton_ = new QPushButton(QStringLiteral("Close"), this);
  closeButton_->setObjectName("cmdClose");
  closeButton_->setGeometry(TwipsRect(9825, 6000, 1740, kButtonHeight));
  closeButton_->setFont(TahomaFont(9.75));
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::hide);

  setTabOrder(textBox_, closeButton_);
  setTabOrder(closeButton_, copyButton_);
}

void ViewWindow::ShowFile(const QString& path, const QString& caption, const QString& text,
                          const QRect& place, bool copy_button) {
  // Whatever the viewer showed before, and however the user left it.
  if (isMinimized() || isMaximized() || isFullScreen()) showNormal();
  hide();
  path_ = path;
  setWindowTitle(caption);
  move(place.topLeft());
  resize(place.size());
  SetBoxText(text);
  SetCopyCaption(false);
  copyButton_->setVisible(copy_button);
  textBox_->moveCursor(QTextCursor::Start);
  LayOut();  // also when the size did not change
  show();
  raise();
  activateWindow();
}

void ViewWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

bool ViewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == textBox_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    // After the box has handled the release: a click inside a selection
    // clears it only then.
    QTimer::singleShot(0, this, &ViewWindow::selectionMayHaveChanged);
  }
  return QWidget::eventFilter(watched, event);
}

// The box follows the window's inner size, the buttons its bottom corners.
// The inner size alone counts: the frame is unknown until the window is
// first shown, and the layout must not change with it.
void ViewWindow::LayOut() {
  if (isMinimized()) return;
  // The minimum holds for the outer size; Qt's minimum is for the inner one.
  const QSize frame = frameGeometry().size() - size();
  const QSize minimum = QSize(Px(kMinWidth), Px(kMinHeight)) - frame;
  if (minimumSize() != minimum) setMinimumSize(minimum);  // grows the window when below it

  textBox_->setGeometry(Px(kBoxMargin), Px(kBoxMargin), width() - Px(2 * kBoxMargin),
                        height() - Px(kBoxMargin + kBelowBox));
  const QRect box = textBox_->geometry();
  const int top = box.y() + box.height() + Px(kButtonGap);
  copyButton_->move(box.x(), top);
  closeButton_->move(box.x() + box.width() - closeButton_->width(), top);
}

void ViewWindow::SetBoxText(const QString& text) {
  box_text_ = text;
  QString shown = text;
  textBox_->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void ViewWindow::selectionMayHaveChanged() {
  if (copyButton_->isHidden()) return;
  SetCopyCaption(textBox_->textCursor().hasSelection());
}

void ViewWindow::SetCopyCaption(bool selection) {
  copyButton_->setText(Q(app::CopyButtonCaption(selection)));
  copyButton_->resize(Px(selection ? kCopySelectedWidth : kCopyWidth), Px(kButtonHeight));
}

void ViewWindow::copyClicked() {
  if (!box_text_.isEmpty()) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(textBox_->textCursor().hasSelection() ? SelectedText() : box_text_);
    SetCopyCaption(false);
  }
  closeButton_->setFocus();
}

QString ViewWindow::SelectedText() const {
  const QTextCursor cursor = textBox_->textCursor();
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

}  // namespace qvn::gui
