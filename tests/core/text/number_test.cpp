#include "core/text/number.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace qvn {
namespace {

TEST(Number, GroupedAndInWords) {
  struct Case {
    long long n;
    const char *grouped, *words;
  } cases[] = {{0, "0", "No"},
               {7, "7", "Seven"},
               {20, "20", "Twenty"},
               {21, "21", "Twenty one"},
               {40, "40", "Forty"},
               {58, "58", "Fifty eight"},
               {99, "99", "Ninety nine"},
               {100, "100", "100"},
               {999, "999", "999"},
               {1000, "1,000", "1,000"},
               {1234567, "1,234,567", "1,234,567"},
               {-1234, "-1,234", "-1,234"},
               {LLONG_MIN, "-9,223,372,036,854,775,808", "-9,223,372,036,854,775,808"}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatGrouped(c.n), c.grouped) << c.n;
    EXPECT_EQ(NumberInWords(c.n), c.words) << c.n;
  }
}

TEST(Number, ByteSizes) {
  struct Case {
    double bytes;
    int decimals;
    const char *size, *up_to_gb;
  } cases[] = {{0, 1, "0 bytes", "0 bytes"},
               {1, 1, "1 bytes", "1 bytes"},
               {1023, 1, "1023 bytes", "1023 bytes"},
               {1024, 1, "1.0 Kb", "1.0 Kb"},
               {1536, 1, "1.5 Kb", "1.5 Kb"},
               {1280, 1, "1.3 Kb", "1.3 Kb"},  // 1.25: halves round away from zero
               {2560, 0, "3 Kb", "3 Kb"},
               {1048575, 1, "1,024.0 Kb", "1,024.0 Kb"},
               {1048576, 2, "1.00 Mb", "1.00 Mb"},
               {12897485, 1, "12.3 Mb", "12.3 Mb"},
               {1073741823, 1, "1,024.0 Mb", "1,024.0 Mb"},  // just below 1024 Mb
               {1073741824, 1, "1,024.0 Mb", "1.0 Gb"},
               {5.0 * 1099511627776.0, 0, "5,242,880 Mb", "5,120 Gb"},
               {-5, 1, "", "-5 bytes"},
               {std::nan(""), 1, "", ""},
               {INFINITY, 1, "", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormatByteSize(c.bytes, c.decimals), c.size) << c.bytes;
    EXPECT_EQ(FormatByteSizeUpToGb(c.bytes, c.decimals), c.up_to_gb) << c.bytes;
  }
}

}  // namespace
}  // namespace qvn
