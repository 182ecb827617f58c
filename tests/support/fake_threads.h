#pragma once
// A window thread for presenter tests: work runs inline or on a thread of
// its own, and posted tasks wait in a queue until the test runs them, as a
// window's event loop would.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace qvn::test {

class FakeThreads {
 public:
  enum class Mode {
    kInline,  ///< work runs inside RunInBackground
    kThread,  ///< work runs on a thread of its own
  };
  Mode mode = Mode::kInline;
  /// With kThread: the worker waits after its first post until Release,
  /// so a test can act while the run is surely under way.
  bool hold_after_first_post = false;

  ~FakeThreads();

  void Run(std::function<void()> work, std::function<void()> done);
  void Post(std::function<void()> task);
  /// Waits until a task has been posted.
  void WaitForPost();
  /// Lets a held worker go on.
  void Release();
  /// Runs the oldest posted task; false when none waits.
  bool RunOne();
  /// Waits for the work under way, then runs every posted task; a next
  /// run is held again.
  void Finish();
  /// Works started so far.
  int runs() const { return runs_; }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> tasks_;
  std::vector<std::thread> threads_;
  const std::thread::id owner_ = std::this_thread::get_id();  ///< the "window" thread
  bool held_once_ = false;
  bool released_ = false;
  int runs_ = 0;
};

}  // namespace qvn::test
