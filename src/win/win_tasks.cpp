#include "win/win_tasks.h"

namespace qvn::win {
namespace {

constexpr UINT kRunTasks = WM_APP + 1;
constexpr wchar_t kClassName[] = L"QvnWindowTasks";

void RegisterOnce(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
}

}  // namespace

WindowTasks::WindowTasks() {
  RegisterOnce(&WindowTasks::Procedure);
  hwnd_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

WindowTasks::~WindowTasks() {
  WaitForAll();
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void WindowTasks::RunInBackground(std::function<void()> work, std::function<void()> done) {
  // done is queued behind whatever the work posted, so it comes last.
  workers_.emplace_back([this, work = std::move(work), done = std::move(done)]() mutable {
    work();
    PostToWindow(std::move(done));
  });
}

void WindowTasks::PostToWindow(std::function<void()> task) {
  bool first = false;
  {
    const std::lock_guard lock(mutex_);
    first = queue_.empty();
    queue_.push_back(std::move(task));
  }
  // One message runs every task queued until it arrives.
  if (first) PostMessageW(hwnd_, kRunTasks, 0, 0);
}

void WindowTasks::WaitForAll() {
  for (auto& worker : workers_)
    if (worker.joinable()) worker.join();
  workers_.clear();
}

void WindowTasks::RunQueued() {
  for (;;) {
    std::function<void()> task;
    {
      const std::lock_guard lock(mutex_);
      if (queue_.empty()) return;
      task = std::move(queue_.front());
      queue_.pop_front();
    }
    task();
  }
}

LRESULT CALLBACK WindowTasks::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* tasks = reinterpret_cast<WindowTasks*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == kRunTasks && tasks != nullptr) {
    tasks->RunQueued();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace qvn::win
