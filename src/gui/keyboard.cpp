#include "gui/keyboard.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

namespace qvn::gui {

void PressFocusedButtonOnEnter(QWidget* window) {
  // An auto-default button outside a dialog is pressed by Enter only while
  // it has the focus, and draws no default frame elsewhere.
  for (QPushButton* button : window->findChildren<QPushButton*>()) button->setAutoDefault(true);
}

void CloseOnEscape(QWidget* window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, window, &QWidget::hide);
}

}  // namespace qvn::gui
