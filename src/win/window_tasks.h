#pragma once
// A window's worker threads and the tasks they send back: work runs on a
// thread of its own; tasks come back to the window's thread, in the order
// posted, through one message the window passes to RunPosted. This is
// WindowThread for the Win32 windows.

#include <windows.h>

#include <deque>
#include <functional>
#include <list>
#include <mutex>
#include <thread>

namespace qvn::win {

class WindowTasks {
 public:
  /// window receives message (no parameters) whenever tasks wait; it then
  /// calls RunPosted.
  WindowTasks(HWND window, UINT message) : window_(window), message_(message) {}
  /// Waits for the work still running.
  ~WindowTasks() { WaitForAll(); }
  WindowTasks(const WindowTasks&) = delete;
  WindowTasks& operator=(const WindowTasks&) = delete;

  /// Runs work on a new thread, then done on the window thread after every
  /// task the work posted.
  void Run(std::function<void()> work, std::function<void()> done);
  /// Runs task on the window thread soon; callable from any thread.
  void Post(std::function<void()> task);
  /// On the window thread: runs the tasks waiting, in order.
  void RunPosted();
  /// True while work runs or its done task has not run yet (window thread).
  bool Busy() const { return !threads_.empty(); }
  /// Waits for the work still running; tasks not yet run are dropped (the
  /// window is going).
  void WaitForAll();

 private:
  HWND window_;
  UINT message_;
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
  std::list<std::thread> threads_;  ///< on the window thread only
};

}  // namespace qvn::win
