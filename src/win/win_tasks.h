#pragma once
// Work off the window thread and back: a WindowThread for Win32 windows.
// Tasks reach the window thread as a message to a message-only window, so
// any message loop (the program's, a modal window's, a test's) runs them.

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "core/app/view_types.h"

namespace qvn::win {

class WindowTasks : public app::WindowThread {
 public:
  /// Made on the window thread, whose message loop will run the tasks.
  WindowTasks();
  /// Waits for the work under way; tasks not yet run are dropped.
  ~WindowTasks() override;
  WindowTasks(const WindowTasks&) = delete;
  WindowTasks& operator=(const WindowTasks&) = delete;

  void RunInBackground(std::function<void()> work, std::function<void()> done) override;
  void PostToWindow(std::function<void()> task) override;
  /// Waits until every work started has ended (its done may still be queued).
  void WaitForAll();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void RunQueued();

  HWND hwnd_ = nullptr;
  std::mutex mutex_;
  std::deque<std::function<void()>> queue_;
  std::vector<std::thread> workers_;
};

}  // namespace qvn::win
