#include "core/app/run_control.h"

#include "core/links/external/external_checker.h"

namespace qvn::app {

void RunControl::RequestStop() {
  std::lock_guard lock(mutex_);
  stop_ = true;
  paused_ = false;
  resumed_.notify_all();
}

void RunControl::Abandon() {
  abandoned_ = true;
  RequestStop();
}

void RunControl::Pause() {
  std::lock_guard lock(mutex_);
  paused_ = true;
}

void RunControl::Resume() {
  std::lock_guard lock(mutex_);
  paused_ = false;
  resumed_.notify_all();
}

bool RunControl::ShouldStop() {
  // Asked between pages: no lock unless a question is open.
  if (paused_) {
    std::unique_lock lock(mutex_);
    waiting_ = true;
    resumed_.wait(lock, [this] { return !paused_; });
    waiting_ = false;
  }
  return stop_;
}

bool RunControl::WorkerWaiting() const {
  std::lock_guard lock(mutex_);
  return waiting_;
}

bool Throttle::Due() {
  const auto now = clock_();
  if (started_ && now - last_ < interval_) return false;
  started_ = true;
  last_ = now;
  return true;
}

ThrottledStatus::ThrottledStatus(RunControl& control,
                                 std::function<void(const RunProgress&)> deliver,
                                 Throttle throttle)
    : control_(control), deliver_(std::move(deliver)), throttle_(std::move(throttle)) {}

void ThrottledStatus::PageStarted(long long number, std::string_view relative_path) {
  latest_.page = ScanningText(number, relative_path);
  dirty_ = true;
  DeliverWhenDue();
}

void ThrottledStatus::BrokenLinksFound(long long count) {
  latest_.totals = BrokenSoFarText(count);
  dirty_ = true;
  DeliverWhenDue();
}

void ThrottledStatus::FileListed(long long count) {
  latest_.totals = FilesSoFarText(count);
  dirty_ = true;
  DeliverWhenDue();
}

void ThrottledStatus::AddressesChecked(long long checked, long long total) {
  latest_.totals = ExternalProgressText(static_cast<std::size_t>(checked),
                                        static_cast<std::size_t>(total));
  dirty_ = true;
  DeliverWhenDue();
}

bool ThrottledStatus::ShouldStop() {
  DeliverWhenDue();
  return control_.ShouldStop();
}

void ThrottledStatus::Finish() {
  if (!dirty_) return;
  deliver_(latest_);
  dirty_ = false;
}

void ThrottledStatus::DeliverWhenDue() {
  if (dirty_ && throttle_.Due()) Finish();
}

}  // namespace qvn::app
