// A run on a worker as a window drives it: the pause while "Really stop?"
// is open, the stop flag, and progress at most once per interval.

#include "core/app/run_control.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace qvn::app {
namespace {

using std::chrono::milliseconds;
using TimePoint = std::chrono::steady_clock::time_point;

TEST(RunControl, APauseHoldsTheWorkerUntilTheAnswer) {
  for (bool stop : {false, true}) {
    RunControl control;
    control.Pause();
    std::atomic<bool> returned{false};
    bool answer = !stop;
    std::thread worker([&] {
      answer = control.ShouldStop();
      returned = true;
    });
    while (!control.WorkerWaiting()) std::this_thread::yield();
    EXPECT_FALSE(returned);
    if (stop) {
      control.RequestStop();  // also ends the pause
    } else {
      control.Resume();
    }
    worker.join();
    EXPECT_EQ(answer, stop);
    EXPECT_FALSE(control.WorkerWaiting());
  }
}

TEST(Throttle, AtMostOncePerInterval) {
  TimePoint now{};
  Throttle throttle(milliseconds(50), [&] { return now; });
  EXPECT_TRUE(throttle.Due());  // the first at once
  now += milliseconds(49);
  EXPECT_FALSE(throttle.Due());
  now += milliseconds(1);
  EXPECT_TRUE(throttle.Due());
  EXPECT_FALSE(throttle.Due());
}

TEST(ThrottledStatus, HandsOnTheLatestProgressAndTheLastState) {
  TimePoint now{};
  RunControl control;
  std::vector<RunProgress> delivered;
  ThrottledStatus status(control, [&](const RunProgress& p) { delivered.push_back(p); },
                         Throttle(milliseconds(50), [&] { return now; }));
  status.PageStarted(1, "a.htm");
  status.BrokenLinksFound(1);
  status.PageStarted(2, "b.htm");
  EXPECT_FALSE(status.ShouldStop());
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].page, ScanningText(1, "a.htm"));
  EXPECT_EQ(delivered[0].totals, "");
  now += milliseconds(50);
  EXPECT_FALSE(status.ShouldStop());
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_EQ(delivered[1].page, ScanningText(2, "b.htm"));
  EXPECT_EQ(delivered[1].totals, BrokenSoFarText(1));
  status.FileListed(3);
  status.Finish();
  ASSERT_EQ(delivered.size(), 3u);
  EXPECT_EQ(delivered[2].totals, FilesSoFarText(3));
  status.Finish();  // nothing new
  EXPECT_EQ(delivered.size(), 3u);
  control.RequestStop();
  EXPECT_TRUE(status.ShouldStop());
}

}  // namespace
}  // namespace qvn::app
