// The orphan search's text: the cases the end-to-end test does not show.

#include "core/results/orphan_report.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(OrphanReport, NoRootAndCountsInWords) {
  OrphanResult result;
  result.files = 1234;
  result.pages_read = 2;
  result.only_from_orphans = {"a.htm"};
  EXPECT_EQ(FormatOrphanReport(result, "site/"),
            "Top folder: site/\n"
            "Files walked: 1,234; pages read: 2\n"
            "Roots (0):\n"
            "  (no index page in the top folder: no file is reachable from a root)\n"
            "\n"
            "Not linked from any page (0):\n"
            "\n"
            "Reachable only from orphans (1):\n"
            "  a.htm\n"
            "\n"
            "1 orphan file: 0 not linked from any page, 1 reachable only from orphans.\n");
  result.only_from_orphans.clear();
  EXPECT_EQ(OrphanCountText(result), "No orphan files.");
  result.stopped = true;
  EXPECT_EQ(FormatOrphanReport(result, "site/"), "The orphan search was stopped.\n");
}

}  // namespace
}  // namespace qvn
