// The check of links to other sites inside a check run: which links each
// scan hands over, where the broken ones land among the local ones, the
// progress it reports, and a stop that ends the requests under way.

#include <gtest/gtest.h>

#include <thread>

#include "support/check_run.h"
#include "support/http_test_server.h"

namespace qvn {
namespace {

using test::HttpTestServer;
using test::TempDir;

MoreChecks External(bool all_links) {
  MoreChecks more;
  more.external = true;
  more.external_cache_seconds = 0;
  more.external_loopback_only = true;
  more.all_links = all_links;
  return more;
}

TEST(ExternalLinksInACheck, EachScanHandsOverTheLinksItFinds) {
  HttpTestServer server;
  TempDir site;
  site.Write("index.htm",
             "<a href=\"" + server.Url("/missing") + "\"> <a href=\"gone.htm\">\r\n" +
                 "<a href='" + server.Url("/gone") + "'>\r\n" +
                 "<img srcset=\"" + server.Url("/error") + " 1x\">\r\n" +
                 "<a href=\"HTTPS://skip.example/\">\r\n" +
                 "<a href=\"" + server.Url("/d/q?a=1&amp;b=2") + "\">\r\n");
  const std::string missing = "index.htm:1:10 " + server.Url("/missing") + "  [404 Not Found]";
  // The line scan takes one double-quoted link a line; only the every-link
  // scan sees the second link of a line, single quotes and srcset.
  EXPECT_EQ(test::CheckedLinks(site, External(false), 2, {"skip"}),
            (std::vector<std::string>{missing}));
  EXPECT_EQ(test::CheckedLinks(site, External(true), 2, {"skip"}),
            (std::vector<std::string>{
                missing,
                "index.htm:1:" + std::to_string(server.Url("/missing").size() + 22) + " gone.htm",
                "index.htm:2:10 " + server.Url("/gone") + "  [410 Gone]",
                "index.htm:3:14 " + server.Url("/error") + "  [500 Internal Server Error]"}));
  EXPECT_EQ(server.Requests("HEAD", "/d/q?a=1&b=2"), 2);  // the escape undone, once a run
}

class StopDuringRequests : public Status {
 public:
  explicit StopDuringRequests(const HttpTestServer& server) : server_(server) {}
  void AddressesChecked(long long checked, long long total) override {
    progress.emplace_back(checked, total);
  }
  // Stops once the slow address's request has reached the server.
  bool ShouldStop() override { return !progress.empty() && server_.Requests("HEAD", "/slow") > 0; }

  std::vector<std::pair<long long, long long>> progress;

 private:
  const HttpTestServer& server_;
};

TEST(ExternalLinksInACheck, AStopEndsTheRequestsUnderWay) {
  HttpTestServer server;
  TempDir site;
  site.Write("index.htm", "<a href=\"" + server.Url("/missing") + "\">\r\n<a href=\"" +
                              server.Url("/slow") + "\">\r\n");
  Selection selection;
  selection.top_folder = site.path();
  selection.more = External(false);
  selection.more.external_timeout_seconds = 3600;  // only the stop can end it
  StopDuringRequests status(server);
  const CheckResult result = RunCheck(selection, status, 2);
  EXPECT_TRUE(result.stopped);
  ASSERT_FALSE(status.progress.empty());
  EXPECT_EQ(status.progress.front(), std::make_pair(0LL, 2LL));
  // The slow address was never answered, so it is not reported.
  for (std::size_t i = 0; i < result.broken_links.size(); ++i)
    EXPECT_EQ(result.broken_links.Link(i).target, server.Url("/missing"));
}

}  // namespace
}  // namespace qvn
