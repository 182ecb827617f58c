#pragma once
// Helpers for driving the windows in Qt Test on the offscreen platform.

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <functional>

namespace qvn::test {

/// What a message box showed before it was answered.
struct AnsweredBox {
  bool seen = false;
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
};

/// Arranges for the next modal message box to be answered with `answer`
/// (polling until it appears); what it showed is stored in *seen.
void AnswerNextMessageBox(QMessageBox::StandardButton answer, AnsweredBox* seen);

/// Arranges for `action` to run on the next modal widget that appears.
void OnNextModal(std::function<void(QWidget*)> action);

/// Saves a picture of the widget into the build folder's screenshots folder.
void SaveScreenshot(QWidget* widget, const QString& name);

/// The child of parent named name, or the top-level window of that name when
/// parent is nullptr; nullptr when there is none of type T.
template <typename T>
T* Find(const QWidget* parent, const char* name) {
  if (parent != nullptr) return parent->findChild<T*>(QString::fromUtf8(name));
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == QString::fromUtf8(name)) return qobject_cast<T*>(window);
  return nullptr;
}

}  // namespace qvn::test
