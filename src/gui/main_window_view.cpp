// The main window as the presenter's MainView: its controls, its place,
// the windows it keeps, and its worker thread.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>

#include "gui/main_window.h"
#include "gui/orphans_window.h"
#include "gui/results_window.h"
#include "gui/twips.h"
#include "gui/view_window.h"

namespace qvn::gui {
namespace {

app::TwipsRect InTwips(const QRect& rect) {
  return {Twips(rect.x()), Twips(rect.y()), Twips(rect.width()), Twips(rect.height())};
}

}  // namespace

void MainWindow::SetText(app::Control control, const std::string& text) {
  QWidget* widget = Widget(control);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(Q(text));
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setText(Q(text));
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
    box->setPlainText(Q(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(Q(text));
  }
}

void MainWindow::SetEnabled(app::Control control, bool enabled) {
  Widget(control)->setEnabled(enabled);
}

void MainWindow::SetVisible(app::Control control, bool visible) {
  Widget(control)->setVisible(visible);
}

void MainWindow::SetChecked(app::Control control, bool checked) {
  if (auto* box = qobject_cast<QCheckBox*>(Widget(control))) box->setChecked(checked);
}

void MainWindow::SetItems(app::Control control, const std::vector<std::string>& items,
                          int selected) {
  auto* list = qobject_cast<QComboBox*>(Widget(control));
  if (list == nullptr) return;
  const QSignalBlocker quiet(list);  // the presenter knows what it selects
  list->clear();
  for (const std::string& item : items) list->addItem(Q(item));
  list->setCurrentIndex(selected);
}

void MainWindow::Focus(app::Control control) { Widget(control)->setFocus(); }

app::TwipsRect MainWindow::PlaceOf(app::Control control) {
  return InTwips(Widget(control)->geometry());
}

app::MainPlace MainWindow::Place() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screen_height = screen != nullptr ? screen->availableGeometry().height() : 768;
  return {InTwips(frameGeometry()), Twips(width()), Twips(height()), Twips(screen_height)};
}

void MainWindow::MoveMainWindow(const app::TwipsRect& frame) {
  move(Px(frame.left), Px(frame.top));
}

QWidget* MainWindow::WindowOf(app::Window window) {
  switch (window) {
    case app::Window::kMain:
      return this;
    case app::Window::kViewer:
      return viewer_;
    case app::Window::kViewer2:
      return viewer2_;
    case app::Window::kResults:
      return resultsWindow_;
    case app::Window::kOrphans:
      break;
  }
  return orphansWindow_;
}

void MainWindow::ShowWindow(app::Window window, const std::optional<app::TwipsRect>& place) {
  QWidget* shown = WindowOf(window);
  if (place) {
    shown->move(Px(place->left), Px(place->top));
    shown->setWindowIcon(windowIcon());
  }
  shown->show();
  shown->raise();
  shown->activateWindow();
  if (window == app::Window::kResults) resultsWindow_->txbFilter->setFocus();
}

void MainWindow::HideWindow(app::Window window) { WindowOf(window)->hide(); }

bool MainWindow::IsShown(app::Window window) { return WindowOf(window)->isVisible(); }

void MainWindow::ShowFile(app::Window viewer, const app::ViewerOpening& opening) {
  auto* shown = static_cast<ViewWindow*>(WindowOf(viewer));
  shown->setWindowIcon(windowIcon());
  const app::TwipsRect& place = opening.place;
  shown->ShowFile(Q(opening.path), Q(opening.caption), Q(opening.text),
                  QRect(Px(place.left), Px(place.top), Px(place.width), Px(place.height)),
                  opening.copy_button);
}

void MainWindow::RunInBackground(std::function<void()> work, std::function<void()> done) {
  worker_.Run(std::move(work), std::move(done));
}

void MainWindow::PostToWindow(std::function<void()> task) { worker_.Post(std::move(task)); }

}  // namespace qvn::gui
