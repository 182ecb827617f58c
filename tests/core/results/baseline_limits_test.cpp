// What a baseline's numbers may be, and how much of a file is read.

#include <gtest/gtest.h>

#include "core/results/baseline.h"

namespace qvn {
namespace {

std::string Document(const std::string& version, const std::string& members) {
  return "{\"format\": \"quorvane-results\", \"version\": " + version +
         ", \"brokenLinks\": [{\"page\": \"a\", \"link\": \"b\", \"target\": \"c\"" + members +
         "}]}";
}

const std::string kBadLine = "broken link 1 has a line that is not a whole number from 0 to 2^53";
const std::string kBadColumn =
    "broken link 1 has a column that is not a whole number from 0 to 2^53";

// Lines and columns are counts: whole numbers from 0 that a double holds
// exactly; anything else would convert out of range.
TEST(BaselineLimits, LinesColumnsAndVersionAreRangeChecked) {
  const struct {
    std::string version, members;
    std::string problem;  // "" when read
    long long line = 0, column = 0;
  } cases[] = {
      {"1", ", \"line\": 12, \"column\": 3", "", 12, 3},
      {"1", "", "", 0, 0},
      {"1", ", \"line\": null, \"column\": \"3\"", "", 0, 0},
      {"1", ", \"line\": 0, \"column\": 9007199254740992", "", 0, 9007199254740992LL},
      {"1", ", \"line\": 1e300", kBadLine},
      {"1", ", \"line\": -1", kBadLine},
      {"1", ", \"line\": 9223372036854775808", kBadLine},
      {"1", ", \"line\": 2.5", kBadLine},
      {"1", ", \"column\": 1e300", kBadColumn},
      {"1", ", \"column\": -1", kBadColumn},
      {"1", ", \"column\": 0.5", kBadColumn},
      {"1e300", "", "the document has no version number"},
      {"9223372036854775808", "", "the document has no version number"},
      {"-1", "", "version -1 of the results document is not known to this qvn"},
  };
  for (const auto& c : cases) {
    const std::string text = Document(c.version, c.members);
    BrokenLinkTable links;
    std::string error;
    EXPECT_EQ(ParseBaseline(text, links, &error), c.problem.empty()) << text;
    EXPECT_EQ(error, c.problem) << text;
    if (!c.problem.empty()) continue;
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links.Link(0).line, c.line) << text;
    EXPECT_EQ(links.Link(0).column, c.column) << text;
  }
}

TEST(BaselineLimits, AnEndlessFileIsRefusedNamingTheLimit) {
  if (GetPathKind("/dev/zero") == PathKind::kNone) GTEST_SKIP() << "no /dev/zero";
  BrokenLinkTable links;
  std::string error;
  EXPECT_FALSE(ReadBaseline("/dev/zero", links, &error));
  EXPECT_EQ(error, "the file is larger than 64 MB, the most a baseline may hold");
}

}  // namespace
}  // namespace qvn
