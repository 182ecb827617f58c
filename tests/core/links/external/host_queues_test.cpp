#include "core/links/external/host_queues.h"

#include <gtest/gtest.h>

#include <string>

namespace qvn {
namespace {

// The targets Next hands out until it has none, as "host:target" words.
std::string Drain(HostQueues& queues) {
  std::string order;
  while (std::optional<QueuedRequest> next = queues.Next())
    order += std::to_string(next->host) + ":" + std::to_string(next->target) + " ";
  return order;
}

TEST(HostQueues, HostsTakeTurnsWithinBothLimits) {
  HostQueues queues(/*total*/ 3, /*per host*/ 2, /*hosts*/ 2);
  for (std::size_t t = 0; t < 4; ++t) queues.Push({t, 0, false});
  queues.Push({10, 1, false});
  EXPECT_EQ(Drain(queues), "0:0 1:10 0:1 ");  // the total limit stops the third from host 0
  queues.Done(1);
  EXPECT_EQ(Drain(queues), "");  // host 1 has nothing left, host 0 is at its limit
  queues.Done(0);
  queues.Push({5, 0, true}, /*front*/ true);
  EXPECT_EQ(Drain(queues), "0:5 ");
  EXPECT_EQ(queues.running(), 2u);
  EXPECT_EQ(queues.queued(), 2u);
}

}  // namespace
}  // namespace qvn
