#pragma once
// A main window started as the program starts it, with its data folder in a
// scratch folder and nothing launched outside the test.

#include <QString>
#include <memory>

#include "support/temp_dir.h"
#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::test {

class MainWindowFixture {
 protected:
  std::unique_ptr<TempDir> data_;
  std::unique_ptr<gui::MainWindow> window_;

  void SetUpData() {
    data_ = std::make_unique<TempDir>();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data_->path()));
  }
  gui::MainWindow& Start() {
    window_ = std::make_unique<gui::MainWindow>();
    window_->browseForFolder = [] { return QString(); };
    window_->launchUrl = [](const QString&) { return true; };
    if (!window_->Form_Load()) qFatal("the catalogue did not load");
    return *window_;
  }
  QString DataFile(const char* name) const { return gui::Q(data_->path() + "Quorvane/" + name); }
  QString Read(const QString& path) const { return gui::Q(data_->Read(path.toStdString())); }
};

}  // namespace qvn::test
