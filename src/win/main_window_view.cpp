// The main window as the presenter's MainView: its controls, its place,
// the windows it keeps, and its worker threads.

#include "core/app/main_layout.h"
#include "win/main_window.h"
#include "win/view_window.h"

namespace qvn::win {


void MainWindow::SetText(app::Control control, const std::string& text) {
  HWND window = ControlOf(control);
  setting_text_ = true;
  SetTextOf(window, text);
  setting_text_ = false;
  // Owner-drawn links draw their text themselves.
  if (app::DesignOf(control).kind == app::ControlKind::kLink) InvalidateRect(window, nullptr, TRUE);
}

void MainWindow::SetEnabled(app::Control control, bool enabled) {
  EnableWindow(ControlOf(control), enabled ? TRUE : FALSE);
}

void MainWindow::SetVisible(app::Control control, bool visible) {
  ::ShowWindow(ControlOf(control), visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::SetChecked(app::Control control, bool checked) {
  SendMessageW(ControlOf(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::SetItems(app::Control control, const std::vector<std::string>& items, int selected) {
  HWND list = ControlOf(control);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  // CB_SETCURSEL sends no notification: the presenter knows what it selects.
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void MainWindow::Focus(app::Control control) { SetFocus(ControlOf(control)); }

app::TwipsRect MainWindow::PlaceOf(app::Control control) {
  const ControlPlan* plan = PlanOf(ControlOf(control));
  return plan != nullptr ? plan->rect : app::TwipsRect{};
}

app::MainPlace MainWindow::Place() {
  const app::TwipsRect place = WindowPlace(Handle());
  RECT frame{};
  GetWindowRect(Handle(), &frame);
  const int dpi = DpiOf(Handle());
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  return {{place.left, place.top, Twips(frame.right - frame.left, dpi),
           Twips(frame.bottom - frame.top, dpi)},
          place.width, place.height, Twips(work.bottom - work.top, dpi)};
}

void MainWindow::MoveMainWindow(const app::TwipsRect& frame) {
  MoveWindowTo(Handle(), frame.left, frame.top);
}

void MainWindow::ShowWindow(app::Window window, const std::optional<app::TwipsRect>& place) {
  HWND shown = HandleOf(window);
  if (place) MoveWindowTo(shown, place->left, place->top);
  if (IsIconic(shown)) ::ShowWindow(shown, SW_RESTORE);
  ::ShowWindow(shown, SW_SHOW);
  SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(shown);
}

void MainWindow::HideWindow(app::Window window) { ::ShowWindow(HandleOf(window), SW_HIDE); }

bool MainWindow::IsShown(app::Window window) { return IsWindowVisible(HandleOf(window)) != FALSE; }

ViewWindow& MainWindow::viewer(app::Window which) const {
  return which == app::Window::kViewer2 ? *viewer2_ : *viewer_;
}

void MainWindow::ShowFile(app::Window which, const app::ViewerOpening& opening) {
  viewer(which).ShowFile(opening);
}

void MainWindow::RunInBackground(std::function<void()> work, std::function<void()> done) {
  tasks_->Run(std::move(work), std::move(done));
}

void MainWindow::PostToWindow(std::function<void()> task) { tasks_->Post(std::move(task)); }

}  // namespace qvn::win
