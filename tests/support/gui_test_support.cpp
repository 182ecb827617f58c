#include "support/gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace qvn::test {

void OnNextModal(std::function<void(QWidget*)> action) {
  QTimer::singleShot(10, [action]() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      OnNextModal(action);  // not up yet: look again shortly
      return;
    }
    action(modal);
  });
}

namespace {

// Another modal window (the one that will ask) may be up before the box is:
// keep looking for a while rather than giving up on the first look.
void AnswerBox(QMessageBox::StandardButton answer, AnsweredBox* seen, int looks_left) {
  OnNextModal([answer, seen, looks_left](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
      if (looks_left > 0) AnswerBox(answer, seen, looks_left - 1);
      return;
    }
    if (seen != nullptr) {
      seen->seen = true;
      seen->text = box->text();
      seen->title = box->windowTitle();
      seen->icon = box->icon();
      seen->buttons = box->standardButtons();
      QAbstractButton* def = box->defaultButton();
      seen->default_button = def != nullptr ? box->standardButton(def) : QMessageBox::NoButton;
    }
    if (QAbstractButton* button = box->button(answer)) button->click();
  });
}

}  // namespace

void AnswerNextMessageBox(QMessageBox::StandardButton answer, AnsweredBox* seen) {
  AnswerBox(answer, seen, 1000);
}

void SaveScreenshot(QWidget* widget, const QString& name) {
  const QString folder = QStringLiteral(QVN_BUILD_DIR) + "/screenshots";
  QDir().mkpath(folder);
  widget->grab().save(folder + "/" + name + ".png");
}

}  // namespace qvn::test
