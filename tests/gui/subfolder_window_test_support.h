#pragma once
// Shared by the subfolder window's tests: a folder reader that refuses chosen
// folders, and reading the window's rows.

#include <QCheckBox>
#include <QLabel>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/site/folder_stats.h"
#include "gui/select_subfolders_window.h"
#include "support/temp_dir.h"

namespace qvn::test {

using gui::SelectSubfoldersWindow;

// Lists the disk, except that chosen folders are refused as the platform
// refuses an unreadable folder; optionally reports each folder listed.
class RefusingReader : public FolderReader {
 public:
  void Refuse(const std::string& folder) { refused_[Key(folder)] = true; }
  std::function<void(const std::string&)> on_list;

  bool List(const std::string& folder, std::vector<FolderEntry>& entries,
            SystemError* error) const override {
    if (on_list) on_list(Key(folder));
    if (!refused_.contains(Key(folder))) return FolderReader::List(folder, entries, error);
    entries.clear();
    *error = {EACCES, true, std::strerror(EACCES)};
    return false;
  }

 private:
  static std::string Key(std::string folder) {
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
  }
  std::map<std::string, bool> refused_;
};

inline QCheckBox* Row(const SelectSubfoldersWindow& window, int index) {
  return window.findChild<QCheckBox*>(QStringLiteral("chkSubfolder_%1").arg(index));
}

// Captions of the visible rows, with a "+" before each ticked one.
inline QStringList Rows(const SelectSubfoldersWindow& window) {
  QStringList rows;
  for (int i = 0; Row(window, i) != nullptr && Row(window, i)->isVisible(); ++i)
    rows << (Row(window, i)->isChecked() ? "+" : "") + Row(window, i)->text();
  return rows;
}

inline QString Summary(const SelectSubfoldersWindow& window) {
  return window.lblNumSubfolders->text();
}

// Clicks the row showing the subfolder name.
inline void Tick(const SelectSubfoldersWindow& window, const QString& name) {
  for (int i = 0; Row(window, i) != nullptr; ++i) {
    if (Row(window, i)->text().startsWith(name + " {")) return Row(window, i)->click();
  }
  QFAIL(qPrintable("no row for " + name));
}

// Folders each holding one file.
inline void MakeFolders(const TempDir& dir, const QStringList& names) {
  for (const QString& name : names) dir.Write(name.toStdString() + "/page.htm", "x");
}

// A window on dir, sizes omitted, as the main window sets it.
inline std::unique_ptr<SelectSubfoldersWindow> MakeWindow(const TempDir& dir,
                                                          const RefusingReader& reader) {
  auto window = std::make_unique<SelectSubfoldersWindow>(nullptr, &reader);
  window->strTopFolder = dir.path();
  window->blnOmitTotalFilesize = true;
  return window;
}

// Shows the window and waits until it has read the disk.
inline bool Open(SelectSubfoldersWindow& window) {
  window.show();
  return QTest::qWaitFor([&] { return !window.IsBusy(); });
}

}  // namespace qvn::test
