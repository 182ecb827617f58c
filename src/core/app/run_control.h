#pragma once
// A run on a worker thread as a window drives it: Stop sets a flag the run
// reads between pages, a pause holds the run while the window asks "Really
// stop?", and progress goes back to the window at most once per interval.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>

#include "core/site/status.h"

namespace qvn::app {

/// How often progress reaches a window at most.
inline constexpr std::chrono::milliseconds kProgressInterval{50};

/// Stop and pause of one run, shared by the window thread and the worker.
class RunControl {
 public:
  /// Asks the run to end after the current page; also ends a pause.
  void RequestStop();
  bool StopRequested() const { return stop_; }
  /// Stops the run and tells its worker to keep nothing of it (the window
  /// is going).
  void Abandon();
  bool Abandoned() const { return abandoned_; }
  /// Holds the worker at its next ShouldStop until Resume.
  void Pause();
  void Resume();
  /// For the worker: waits while paused, then tells whether to stop.
  bool ShouldStop();
  /// True while the worker waits in ShouldStop.
  bool WorkerWaiting() const;

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> abandoned_{false};
  std::atomic<bool> paused_{false};
  mutable std::mutex mutex_;
  std::condition_variable resumed_;
  bool waiting_ = false;
};

/// Says yes at most once per interval; the first time at once.
class Throttle {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  explicit Throttle(std::chrono::milliseconds interval = kProgressInterval,
                    Clock clock = std::chrono::steady_clock::now)
      : interval_(interval), clock_(std::move(clock)) {}
  /// True when the interval has passed since the last true (which restarts it).
  bool Due();

 private:
  std::chrono::milliseconds interval_;
  Clock clock_;
  bool started_ = false;
  std::chrono::steady_clock::time_point last_{};
};

/// The latest progress texts of a run; an empty one has not changed.
struct RunProgress {
  std::string page;    ///< the page being read ('#12  news/a.htm')
  std::string totals;  ///< broken links or files so far, or addresses checked
};

/// The Status a worker's run reports to: it keeps the latest progress and
/// hands it to deliver (on the worker) when the throttle allows, and answers
/// ShouldStop from control.
class ThrottledStatus : public Status {
 public:
  ThrottledStatus(RunControl& control, std::function<void(const RunProgress&)> deliver,
                  Throttle throttle = Throttle());

  void PageStarted(long long number, std::string_view relative_path) override;
  void BrokenLinksFound(long long count) override;
  void FileListed(long long count) override;
  void AddressesChecked(long long checked, long long total) override;
  bool ShouldStop() override;

  /// Hands on the progress not handed on yet: the last state always arrives.
  void Finish();

 private:
  void DeliverWhenDue();

  RunControl& control_;
  std::function<void(const RunProgress&)> deliver_;
  Throttle throttle_;
  RunProgress latest_;
  bool dirty_ = false;
};

}  // namespace qvn::app
