#include "gui/popup_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "gui/twips.h"

namespace qvn::gui {

PopupWindow::PopupWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint) {
  setObjectName("frmPopUp");
  SetBackColour(this, Qt::white);

  lblMessage = new QLabel(this);
  lblMessage->setObjectName("lblMessage");
  lblMessage->setFont(TahomaFont(9.75, true));
  lblMessage->setAlignment(Qt::AlignCenter);
  lblMessage->setWordWrap(true);
  SetBackColour(lblMessage, Qt::white);
  QPalette palette = lblMessage->palette();
  palette.setColor(QPalette::WindowText, DarkBlue());
  lblMessage->setPalette(palette);
  lblMessage->installEventFilter(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &PopupWindow::Timer1_Timer);

  resize(Px(2000), Px(380));  // the size of the program's own notice
  lblMessage->setGeometry(rect());
}

void PopupWindow::PopUp(const QString& message, int width_twips, int height_twips,
                        int interval_ms, int top_twips, int left_twips) {
  lblMessage->setText(message);
  resize(Px(width_twips), Px(height_twips));
  lblMessage->resize(size());
  move(Px(left_twips), Px(top_twips));
  Show(interval_ms);
}

void PopupWindow::PopUpCenterScreen(const QString& message, int width_twips, int height_twips,
                                    int interval_ms) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->geometry() : QRect();
  // Centred on the new notice's size, not on the size of the one before.
  const auto centred = [](int start, int length, int size) {
    return Twips(start) + static_cast<int>(std::lround((Twips(length) - size) / 2.0));
  };
  PopUp(message, width_twips, height_twips, interval_ms,
        centred(area.y(), area.height(), height_twips),
        centred(area.x(), area.width(), width_twips));
}

void PopupWindow::PopUpInForm(QWidget* form, const QString& message, int width_twips,
                              int height_twips, int interval_ms, int top_twips, int left_twips) {
  lblMessage->setText(message);
  resize(Px(width_twips), Px(height_twips));
  lblMessage->resize(Px(width_twips), lblMessage->height());
  move(form->pos() + QPoint(Px(left_twips), Px(top_twips)));
  Show(interval_ms);
}

void PopupWindow::Show(int interval_ms) {
  // A fresh interval for every notice; none at all leaves only the click.
  Timer1->stop();
  Timer1->setInterval(interval_ms);
  if (interval_ms > 0) Timer1->start();
  exec();
}

bool PopupWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblMessage && event->type() == QEvent::MouseButtonRelease) lblMessage_MouseUp();
  return QDialog::eventFilter(watched, event);
}

void PopupWindow::reject() { CloseNotice(); }

void PopupWindow::lblMessage_MouseUp() { CloseNotice(); }

void PopupWindow::Timer1_Timer() { CloseNotice(); }

void PopupWindow::CloseNotice() {
  Timer1->stop();
  hide();  // ends the modal show
}

}  // namespace qvn::gui
