// Reading pages on worker threads must not change what a run finds, nor the
// order in which it is told.

#include <gtest/gtest.h>

#include "core/check/run.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::TempDir;

// Remembers the progress calls; stops after `stop_after` pages when set.
class RecordingStatus : public Status {
 public:
  explicit RecordingStatus(long long stop_after = 0) : stop_after_(stop_after) {}
  void PageStarted(long long number, std::string_view path) override {
    pages.push_back(std::to_string(number) + " " + std::string(path));
  }
  void BrokenLinksFound(long long count) override { last_count = count; }
  bool ShouldStop() override {
    return stop_after_ > 0 && static_cast<long long>(pages.size()) >= stop_after_;
  }
  std::vector<std::string> pages;
  long long last_count = 0;

 private:
  long long stop_after_;
};

std::vector<std::string> Entries(const CheckResult& result) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < result.broken_links.size(); ++i)
    out.push_back(result.broken_links.Source(i) + " -> " + result.broken_links.Target(i));
  return out;
}

// Pages of very different sizes, so that workers finish out of order.
void MakeSite(const TempDir& site) {
  for (int i = 0; i < 300; ++i) {
    std::string page;
    const int lines = (i % 7 == 0) ? 4000 : 1 + i % 5;
    for (int k = 0; k < lines; ++k)
      page += "<a href=\"missing" + std::to_string(k % 3) + ".htm\">\r\n";
    site.Write("f" + std::to_string(i % 9) + "/p" + std::to_string(1000 + i) + ".htm", page);
  }
  site.Write("f0/empty.htm", "");
}

TEST(PagePipeline, WorkersGiveTheSameResultsInWalkOrder) {
  TempDir site;
  MakeSite(site);
  Selection selection;
  selection.top_folder = site.path();
  RecordingStatus serial_status, parallel_status;
  const CheckResult serial = RunCheck(selection, serial_status, 0);
  const CheckResult parallel = RunCheck(selection, parallel_status, 4);
  EXPECT_EQ(serial.pages_read, 300);
  EXPECT_EQ(parallel.pages_read, 300);
  EXPECT_EQ(Entries(parallel), Entries(serial));
  EXPECT_EQ(parallel_status.pages, serial_status.pages);
  EXPECT_EQ(parallel_status.last_count, static_cast<long long>(serial.broken_links.size()));
  // Empty pages are not counted: numbers run on without a gap.
  EXPECT_EQ(serial_status.pages.front(), test::Native("1 f0/p1000.htm"));
  EXPECT_EQ(serial_status.pages.back(), test::Native("300 f8/p1296.htm"));
}

TEST(PagePipeline, StopLeavesAWholePrefixOfTheWalk) {
  TempDir site;
  MakeSite(site);
  Selection selection;
  selection.top_folder = site.path();
  RecordingStatus serial_status;
  const CheckResult serial = RunCheck(selection, serial_status, 0);
  for (long long stop_after : {1, 17, 150}) {
    RecordingStatus status(stop_after);
    const CheckResult stopped = RunCheck(selection, status, 3);
    EXPECT_TRUE(stopped.stopped);
    ASSERT_GE(stopped.pages_read, stop_after);
    ASSERT_LT(stopped.pages_read, 300);
    const auto entries = Entries(stopped);
    const auto all = Entries(serial);
    ASSERT_LE(entries.size(), all.size());
    EXPECT_TRUE(std::equal(entries.begin(), entries.end(), all.begin()));
    // Whole pages only: the next entry, if any, belongs to a later page.
    if (entries.size() < all.size() && !entries.empty()) {
      EXPECT_NE(serial.broken_links.Source(entries.size()),
                stopped.broken_links.Source(entries.size() - 1));
    }
  }
}

}  // namespace
}  // namespace qvn
