#include "core/links/external/retry_after.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(RetryAfter, SecondsOrADateInAnyOfItsThreeForms) {
  const long long nov6 = 784111777;  // Sun, 06 Nov 1994 08:49:37 GMT
  struct Case {
    const char* value;
    long long wait;  // -1: not a Retry-After value
  } cases[] = {
      {"120", 120},
      {" 0 ", 0},
      {"Sun, 06 Nov 1994 08:49:47 GMT", 10},
      {"Sunday, 06-Nov-94 08:49:47 GMT", 10},
      {"Sun Nov  6 08:49:47 1994", 10},
      {"Sun, 06 Nov 1994 08:49:27 GMT", 0},  // a date past: at once
      {"Mon, 07 Nov 1994 08:49:37 GMT", 86400},
      {"Thu, 01 Mar 2096 00:00:00 GMT", 3197286623},
      {"-5", -1},
      {"1.5", -1},
      {"soon", -1},
      {"", -1},
      {"Sun, 06 Nov 1994 25:49:37 GMT", -1},
      {"Sun, 06 Foo 1994 08:49:37 GMT", -1},
      {"Sun, 06 Nov 1994", -1},
  };
  for (const Case& c : cases) {
    const std::optional<std::chrono::seconds> wait = ParseRetryAfter(c.value, nov6);
    if (c.wait < 0) {
      EXPECT_FALSE(wait.has_value()) << c.value;
    } else {
      ASSERT_TRUE(wait.has_value()) << c.value;
      EXPECT_EQ(wait->count(), c.wait) << c.value;
    }
  }
}

}  // namespace
}  // namespace qvn
