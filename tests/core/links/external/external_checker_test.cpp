#include "core/links/external/external_checker.h"

#include <gtest/gtest.h>

#include "core/links/external/external_cache.h"
#include "support/http_test_server.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using std::chrono::milliseconds;
using test::HttpTestServer;
using test::HttpTestServerOptions;

ExternalCheckOptions TestOptions() {
  ExternalCheckOptions options;
  options.loopback_only = true;
  options.per_host = 8;
  options.total_timeout = milliseconds(5000);
  options.retry_default = milliseconds(100);
  return options;
}

ExternalCheckResult Check(const std::vector<std::string>& addresses,
                          const ExternalCheckOptions& options) {
  return CheckExternalAddresses(addresses, options, {}, {});
}

TEST(ExternalChecker, AVerdictForEveryAnswer) {
  HttpTestServer server;
  using O = ExternalOutcome;
  struct Case {
    std::string address;
    O outcome;
    const char* note;
    int heads, gets;  // requests the server saw for the path; -1: not counted
  } cases[] = {
      {server.Url("/ok"), O::kOk, "", 4, 0},  // and as the end of the next three
      {server.Url("/found"), O::kOk, "", 1, 0},
      {server.Url("/moved"), O::kPermanentRedirect, "permanent redirect to /ok", 2, 0},  // and next
      {server.Url("/temporary-then-moved"), O::kPermanentRedirect, "permanent redirect to /ok", 1,
       0},
      {server.Url("/loop"), O::kError, "too many redirects", 11, 0},
      {server.Url("/missing"), O::kStatus, "404 Not Found", 1, 1},
      {server.Url("/gone"), O::kStatus, "410 Gone", 1, 1},
      {server.Url("/error"), O::kStatus, "500 Internal Server Error", 1, 1},
      {server.Url("/busy"), O::kStatus, "429 Too Many Requests", 3, 0},
      {server.Url("/unavailable"), O::kStatus, "503 Service Unavailable", 3, 0},
      {server.Url("/busy-once"), O::kOk, "", 2, 0},
      {server.Url("/no-head"), O::kOk, "", 1, 1},
      {server.Url("/no-head-501"), O::kOk, "", 1, 1},
      {server.Url("/bad-head"), O::kOk, "", -1, 1},
      {server.Url("/huge-get"), O::kOk, "", 1, 1},
      {server.ClosedPortUrl(), O::kError, "connection refused", -1, -1},
      {"http://192.0.2.1/", O::kError, "not a loopback address", -1, -1},
      {"http://bad port:x/", O::kError, "not a valid address", -1, -1},
  };
  std::vector<std::string> addresses;
  for (const Case& c : cases) addresses.push_back(c.address);
  const ExternalCheckResult result = Check(addresses, TestOptions());
  ASSERT_EQ(result.verdicts.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    const ExternalVerdict& v = result.verdicts[i];
    SCOPED_TRACE(c.address + ": " + v.error_text);
    EXPECT_EQ(v.outcome, c.outcome);
    std::string expected = c.note;
    if (v.outcome == O::kPermanentRedirect) expected = "permanent redirect to " + server.Url("/ok");
    EXPECT_EQ(ExternalNote(v), expected);
    const std::string path = c.address.substr(std::min(c.address.find('/', 8), c.address.size()));
    // A HEAD that the server drops may be sent twice by the library, on a fresh connection.
    if (c.heads >= 0) {
      EXPECT_EQ(server.Requests("HEAD", path), c.heads);
    }
    if (c.gets >= 0) {
      EXPECT_EQ(server.Requests("GET", path), c.gets);
    }
  }
  EXPECT_FALSE(result.stopped);
  EXPECT_LT(server.HugeBytesSent(), 256LL << 20);
}

TEST(ExternalChecker, EachAddressIsAskedOnceWithItsVerdictForEveryWriting) {
  HttpTestServer server;
  const std::string ok = server.Url("/ok");
  std::vector<std::pair<std::size_t, std::size_t>> progress;
  const ExternalCheckResult result = CheckExternalAddresses(
      {ok, ok + "#top", server.Url("/missing"), ok + "#end"}, TestOptions(), {},
      [&](std::size_t checked, std::size_t total) { progress.emplace_back(checked, total); });
  EXPECT_EQ(server.TotalRequests(), 3);  // /ok once, /missing by HEAD and GET
  EXPECT_EQ(result.requests, 3u);
  ASSERT_EQ(result.verdicts.size(), 4u);
  EXPECT_EQ(result.verdicts[3].outcome, ExternalOutcome::kOk);
  EXPECT_EQ(result.verdicts[2].status, 404);
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), std::make_pair(std::size_t{4}, std::size_t{4}));
  EXPECT_EQ(ExternalProgressText(1234, 10000), "1,234 of 10,000 addresses checked");
  EXPECT_EQ(server.LastUserAgent().rfind("Quorvane/", 0), 0u);
}

TEST(ExternalChecker, LimitsPerHostAndInAll) {
  HttpTestServerOptions slow;
  slow.addresses = {"127.0.0.1", "127.0.0.2", "127.0.0.3"};
  slow.delay = milliseconds(150);  // long enough for every request of a round to overlap
  struct Case {
    std::size_t jobs, per_host, hosts;
    int most;
  } cases[] = {{16, 2, 1, 2}, {3, 8, 3, 3}, {16, 2, 3, 6}};
  for (const Case& c : cases) {
    HttpTestServer server(slow);
    std::vector<std::string> addresses;
    for (int i = 0; i < 12; ++i)
      addresses.push_back(server.Url("/d/" + std::to_string(i), i % c.hosts));
    ExternalCheckOptions options = TestOptions();
    options.jobs = c.jobs;
    options.per_host = c.per_host;
    const ExternalCheckResult result = Check(addresses, options);
    for (const ExternalVerdict& verdict : result.verdicts)
      EXPECT_EQ(verdict.outcome, ExternalOutcome::kOk);
    EXPECT_EQ(server.MaxConcurrent(), c.most) << c.jobs << " jobs, " << c.per_host << " per host";
  }
}

TEST(ExternalChecker, StopEndsTheRequestsUnderWay) {
  HttpTestServer server;
  ExternalCheckOptions options = TestOptions();
  options.total_timeout = milliseconds(60000);
  const ExternalCheckResult result = CheckExternalAddresses(
      {server.Url("/ok"), server.Url("/slow")}, options,
      [&] { return server.Requests("HEAD", "/slow") > 0 && server.Requests("HEAD", "/ok") > 0; },
      {});
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.verdicts[1].outcome, ExternalOutcome::kNotChecked);
}

TEST(ExternalChecker, ASecondRunWithinTheCacheAgeAsksNothing) {
  HttpTestServer server;
  test::TempDir data;
  ExternalCheckOptions options = TestOptions();
  options.cache_folder = data.path() + "cache";
  const std::vector<std::string> addresses = {server.Url("/ok"), server.Url("/missing"),
                                              server.Url("/moved"), server.ClosedPortUrl()};
  const ExternalCheckResult first = Check(addresses, options);
  const int asked = server.TotalRequests();
  const ExternalCheckResult second = Check(addresses, options);
  EXPECT_EQ(server.TotalRequests(), asked);
  EXPECT_EQ(second.requests, 0u);
  EXPECT_EQ(second.from_cache, addresses.size());
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    EXPECT_TRUE(second.verdicts[i].from_cache);
    EXPECT_EQ(ExternalNote(second.verdicts[i]), ExternalNote(first.verdicts[i]));
  }
  options.cache_age = std::chrono::seconds(0);  // every entry has expired
  const ExternalCheckResult third = Check(addresses, options);
  EXPECT_EQ(third.requests, first.requests);
  EXPECT_GT(server.TotalRequests(), asked);
}

TEST(ExternalChecker, AnUnwritableCacheIsReportedNotFatal) {
  HttpTestServer server;
  test::TempDir data;
  data.Write("file", "x");
  ExternalCheckOptions options = TestOptions();
  options.cache_folder = data.path() + "file";  // a file, not a folder
  const ExternalCheckResult result = Check({server.Url("/ok")}, options);
  EXPECT_EQ(result.verdicts[0].outcome, ExternalOutcome::kOk);
  EXPECT_NE(result.cache_problem, "");
}

}  // namespace
}  // namespace qvn
