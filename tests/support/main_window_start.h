#pragma once
// A main window started as the program starts it, with its data folder in
// a scratch folder, for the window tests.

#include <QApplication>
#include <QString>
#include <QtTest>
#include <memory>

#include "core/app/main_controls.h"
#include "gui/main_window.h"
#include "gui/twips.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"

namespace qvn::test {

class StartedMainWindow {
 public:
  StartedMainWindow() : data_(std::make_unique<TempDir>()) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data_->path()));
    window_ = std::make_unique<gui::MainWindow>();
    if (!window_->Start()) qFatal("the catalogue did not load");
  }
  gui::MainWindow& operator*() { return *window_; }
  gui::MainWindow* operator->() { return window_.get(); }

  /// A file of the data folder.
  QString DataFile(const char* name) const {
    return gui::Q(data_->path() + "Quorvane/" + name);
  }
  /// Waits until the run under way has ended.
  bool WaitForRun() {
    return QTest::qWaitFor([this] { return !window_->presenter().running(); }, 60000);
  }

 private:
  std::unique_ptr<TempDir> data_;
  std::unique_ptr<gui::MainWindow> window_;
};

/// The window's control, found by its object name as a T.
template <typename T>
T* Widget(gui::MainWindow& w, app::Control control) {
  return Find<T>(&w, app::ObjectName(control));
}

}  // namespace qvn::test
