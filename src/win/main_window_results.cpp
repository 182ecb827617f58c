// The windows the main window opens over its results: the subfolder and
// more checks windows (modal), the results table and the orphan files
// window (kept, shown on demand).

#include "win/main_window.h"
#include "win/view_window.h"

#include "win/more_checks_window.h"
#include "win/orphans_window.h"
#include "win/results_window.h"
#include "win/select_subfolders_window.h"

namespace qvn::win {

struct MainWindow::ResultWindows {
  explicit ResultWindows(HWND owner) : results(owner), orphans(owner) {}
  ResultsWindow results;
  OrphansWindow orphans;
};

void MainWindow::ResultWindowsDeleter::operator()(ResultWindows* windows) const { delete windows; }

void MainWindow::CreateResultWindows() { result_windows_.reset(new ResultWindows(Handle())); }

HWND MainWindow::HandleOf(app::Window window) const {
  switch (window) {
    case app::Window::kMain:
      return Handle();
    case app::Window::kViewer:
      return viewer_->Handle();
    case app::Window::kViewer2:
      return viewer2_->Handle();
    case app::Window::kResults:
      return result_windows_->results.Handle();
    case app::Window::kOrphans:
      break;
  }
  return result_windows_->orphans.Handle();
}

std::optional<std::vector<std::string>> MainWindow::ChooseSubfolders(
    const app::SubfolderRequest& request) {
  return ChooseSubfoldersWindow(Handle(), request);
}

std::optional<MoreChecks> MainWindow::ChooseMoreChecks(const MoreChecks& current) {
  return ChooseMoreChecksWindow(Handle(), current);
}

void MainWindow::SetResults(std::shared_ptr<const CheckResult> result) {
  result_windows_->results.SetRepairSource(presenter_.choices(), presenter_.RepairsFolderPath());
  result_windows_->results.SetResults(std::move(result));
}

void MainWindow::SetResultsCaption(const std::string& caption) {
  result_windows_->results.SetCaption(caption);
}

void MainWindow::ClearResults(const std::string& reason) {
  result_windows_->results.Clear(reason);
}

void MainWindow::SetOrphans(const OrphanResult& result, const std::string& top_folder) {
  result_windows_->orphans.SetOrphans(result, top_folder);
}

}  // namespace qvn::win
