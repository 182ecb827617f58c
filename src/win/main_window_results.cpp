// The windows the main window opens over its results: the subfolder and
// more checks windows (modal), the results table and the orphan files
// window (kept, shown on demand).

#include "win/main_window.h"
#include "win/view_window.h"

// TEMPORARY until the four windows are merged in: with their headers absent,
// the choices are cancelled and the two kept windows are plain frames.
#if __has_include("win/results_window.h")
#define QVN_WIN_RESULT_WINDOWS 1
#include "win/more_checks_window.h"
#include "win/orphans_window.h"
#include "win/results_window.h"
#include "win/select_subfolders_window.h"
#endif

namespace qvn::win {

#ifndef QVN_WIN_RESULT_WINDOWS
namespace {

class PendingWindow : public Window {
 public:
  PendingWindow(HWND owner, const char* caption) {
    Create(L"QvnPending", caption, WS_OVERLAPPEDWINDOW, 0, owner, {0, 0, 9000, 5000}, kWhite);
  }
  void SetCaption(const std::string& caption) { SetWindowTextW(Handle(), Wide(caption).c_str()); }
  void SetResults(std::shared_ptr<const CheckResult>) {}
  void Clear(const std::string&) {}
  void SetOrphans(const OrphanResult&, const std::string&) {}

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message != WM_CLOSE) return Window::OnMessage(message, wparam, lparam);
    ::ShowWindow(Handle(), SW_HIDE);
    return 0;
  }
};

struct ResultsWindow : PendingWindow {
  explicit ResultsWindow(HWND owner) : PendingWindow(owner, "Results") {}
};
struct OrphansWindow : PendingWindow {
  explicit OrphansWindow(HWND owner) : PendingWindow(owner, "Orphan files") {}
};

std::optional<std::vector<std::string>> ChooseSubfoldersWindow(HWND, const app::SubfolderRequest&) {
  return std::nullopt;
}
std::optional<MoreChecks> ChooseMoreChecksWindow(HWND, const MoreChecks&) { return std::nullopt; }

}  // namespace
#endif

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
