#include "core/links/external/external_cache.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn {
namespace {

using std::chrono::seconds;

ExternalVerdict Verdict(ExternalOutcome outcome, int status, const char* text,
                        HttpError error = HttpError::kNone) {
  ExternalVerdict verdict;
  verdict.outcome = outcome;
  verdict.status = status;
  verdict.error = error;
  if (outcome == ExternalOutcome::kPermanentRedirect)
    verdict.final_url = text;
  else if (outcome == ExternalOutcome::kError)
    verdict.error_text = text;
  else
    verdict.reason = text;
  return verdict;
}

TEST(ExternalCache, KeepsEachVerdictThroughTheFileUntilItsAge) {
  test::TempDir dir;
  const std::string path = dir.path() + ExternalCache::kFileName;
  const ExternalVerdict verdicts[] = {
      Verdict(ExternalOutcome::kOk, 200, "OK"),
      Verdict(ExternalOutcome::kPermanentRedirect, 200, "https://new.example/"),
      Verdict(ExternalOutcome::kStatus, 404, "Not\tFound"),
      Verdict(ExternalOutcome::kError, 0, "Could not resolve host", HttpError::kDns),
  };
  ExternalCache written;
  for (std::size_t i = 0; i < std::size(verdicts); ++i)
    written.Store("http://a.example/" + std::to_string(i), verdicts[i], 1000);
  written.Store("http://a.example/stopped", ExternalVerdict{}, 1000);
  ASSERT_TRUE(written.Save(path, nullptr));
  ExternalCache read;
  read.Load(path);
  EXPECT_EQ(read.size(), std::size(verdicts));
  for (std::size_t i = 0; i < std::size(verdicts); ++i) {
    const std::string url = "http://a.example/" + std::to_string(i);
    const std::optional<ExternalVerdict> found = read.Find(url, 1000 + 59, seconds(60));
    ASSERT_TRUE(found.has_value()) << url;
    EXPECT_TRUE(found->from_cache);
    EXPECT_EQ(found->outcome, verdicts[i].outcome);
    EXPECT_EQ(found->status, verdicts[i].status);
    EXPECT_EQ(found->error, verdicts[i].error);
    EXPECT_EQ(ExternalNote(*found), i == 2 ? "404 Not Found" : ExternalNote(verdicts[i]));
    EXPECT_FALSE(read.Find(url, 1000 + 60, seconds(60)).has_value()) << url;
    EXPECT_FALSE(read.Find(url, 999, seconds(60)).has_value()) << "from the future: " << url;
  }
}

TEST(ExternalCache, AFileOfAnotherKindOrBadLinesAreIgnored) {
  test::TempDir dir;
  const std::string good = "1000\thttp://a.example/\tok\t200\t\tOK\n";
  struct Case {
    std::string bytes;
    std::size_t entries;
  } cases[] = {
      {"quorvane-external-cache 1\n" + good, 1},
      {"quorvane-external-cache 2\n" + good, 0},
      {good, 0},
      {"", 0},
      {std::string("\0\xFF\n", 3) + good, 0},
      {"quorvane-external-cache 1\n1000\thttp://b.example/\tok\t200\tOK\n" + good,
       1},  // five fields
      {"quorvane-external-cache 1\nx\thttp://b.example/\tok\t200\t\tOK\n" + good, 1},  // no time
      {"quorvane-external-cache 1\n1\thttp://b.example/\tmaybe\t200\t\tOK\n" + good,
       1},  // no outcome
      {"quorvane-external-cache 1\n1\thttp://b.example/\terror\t0\tgremlins\tx\n" + good, 1},
      {"quorvane-external-cache 1\n" + good.substr(0, 20), 0},
  };
  for (const Case& c : cases) {
    dir.Write("cache", c.bytes);
    ExternalCache cache;
    cache.Load(dir.path() + "cache");
    EXPECT_EQ(cache.size(), c.entries) << c.bytes;
  }
  ExternalCache missing;
  missing.Load(dir.path() + "none");
  EXPECT_EQ(missing.size(), 0u);
}

TEST(ExternalCache, KeepsTheNewestEntriesWithinItsSize) {
  test::TempDir dir;
  ExternalCache cache(3);
  for (int i = 0; i < 5; ++i)
    cache.Store("http://a.example/" + std::to_string(i), Verdict(ExternalOutcome::kOk, 200, "OK"),
                100 + i);
  ASSERT_TRUE(cache.Save(dir.path() + "cache", nullptr));
  ExternalCache read;
  read.Load(dir.path() + "cache");
  EXPECT_EQ(read.size(), 3u);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(read.Find("http://a.example/" + std::to_string(i), 105, seconds(100)).has_value(),
              i >= 2)
        << i;
}

}  // namespace
}  // namespace qvn
