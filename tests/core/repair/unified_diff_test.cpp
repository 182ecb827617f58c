#include "core/repair/unified_diff.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(UnifiedDiff, HunksHoldTheChangesWithThreeLinesAround) {
  struct Case {
    const char* name;
    std::string before, after, diff;
  } cases[] = {
      {"no change", "a\nb\n", "a\nb\n", ""},
      {"one line, CR LF ends not shown", "1\r\n2\r\n3\r\n", "1\r\nX\r\n3\r\n",
       "--- a/p.htm\n+++ b/p.htm\n@@ -1,3 +1,3 @@\n 1\n-2\n+X\n 3\n"},
      {"a run of lines: old ones first", "1\n2\n3\n", "1\nA\nB\n",
       "--- a/p.htm\n+++ b/p.htm\n@@ -1,3 +1,3 @@\n 1\n-2\n-3\n+A\n+B\n"},
      {"changes far apart make two hunks", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n",
       "A\n2\n3\n4\n5\n6\n7\n8\n9\nB\n",
       "--- a/p.htm\n+++ b/p.htm\n@@ -1,4 +1,4 @@\n-1\n+A\n 2\n 3\n 4\n"
       "@@ -7,4 +7,4 @@\n 7\n 8\n 9\n-10\n+B\n"},
      {"a Windows-1252 line shown as UTF-8", "caf\xE9\n<a>\n", "caf\xE9\n<b>\n",
       "--- a/p.htm\n+++ b/p.htm\n@@ -1,2 +1,2 @@\n caf\xC3\xA9\n-<a>\n+<b>\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UnifiedDiff("p.htm", c.before, c.after), c.diff);
  }
}

}  // namespace
}  // namespace qvn
