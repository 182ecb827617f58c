#include "core/platform/http_client.h"

#include <gtest/gtest.h>

#include "support/http_client_run.h"
#include "support/http_test_server.h"

namespace qvn {
namespace {

using std::chrono::milliseconds;
using test::HttpTestServer;
using test::RunRequests;

HttpRequest Ask(const std::string& url, const char* method = "HEAD") {
  HttpRequest request;
  request.method = method;
  request.url = url;
  request.user_agent = "QvnTest/1";
  request.total_timeout = milliseconds(5000);
  return request;
}

std::unique_ptr<HttpClient> LoopbackClient() {
  return MakeHttpClient({/*loopback_only=*/true});
}

TEST(HttpClient, EveryAnswerOfTheTestServer) {
  HttpTestServer server;
  struct Case {
    const char* path;
    const char* method;
    int status;
    HttpError error;
    const char* final_path;      // "" when the request failed
    std::vector<int> redirects;  // statuses of the redirects followed
  } cases[] = {
      {"/ok", "HEAD", 200, HttpError::kNone, "/ok", {}},
      {"/ok", "GET", 200, HttpError::kNone, "/ok", {}},
      {"/moved", "HEAD", 200, HttpError::kNone, "/ok", {301}},
      {"/permanent", "GET", 200, HttpError::kNone, "/ok", {308}},
      {"/found", "HEAD", 200, HttpError::kNone, "/ok", {302}},
      {"/temporary-then-moved", "HEAD", 200, HttpError::kNone, "/ok", {307, 301}},
      {"/loop", "HEAD", 0, HttpError::kTooManyRedirects, "", std::vector<int>(10, 308)},
      {"/missing", "HEAD", 404, HttpError::kNone, "/missing", {}},
      {"/missing", "GET", 404, HttpError::kNone, "/missing", {}},
      {"/gone", "GET", 410, HttpError::kNone, "/gone", {}},
      {"/error", "HEAD", 500, HttpError::kNone, "/error", {}},
      {"/busy", "HEAD", 429, HttpError::kNone, "/busy", {}},
      {"/no-head", "HEAD", 405, HttpError::kNone, "/no-head", {}},
      {"/no-head", "GET", 200, HttpError::kNone, "/no-head", {}},
      {"/no-head-501", "HEAD", 501, HttpError::kNone, "/no-head-501", {}},
      {"/bad-head", "HEAD", 0, HttpError::kBadReply, "", {}},
      {"/huge", "GET", 200, HttpError::kNone, "/huge", {}},
  };
  std::vector<HttpRequest> requests;
  for (const Case& c : cases) requests.push_back(Ask(server.Url(c.path), c.method));
  const std::unique_ptr<HttpClient> client = LoopbackClient();
  const std::vector<HttpResult> results = RunRequests(*client, requests);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    const HttpResult& r = results[i];
    SCOPED_TRACE(std::string(c.method) + " " + c.path + ": " + r.error_text);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.status, c.status);
    if (*c.final_path != '\0') {
      EXPECT_EQ(r.final_url, server.Url(c.final_path));
    }
    std::vector<int> statuses;
    for (const HttpRedirect& redirect : r.redirects) statuses.push_back(redirect.status);
    EXPECT_EQ(statuses, c.redirects);
  }
  EXPECT_EQ(results[3].redirects.at(0).to, server.Url("/ok"));
  EXPECT_EQ(results[7].reason, "Not Found");
  EXPECT_EQ(server.LastUserAgent(), "QvnTest/1");
  // The huge body was left unread: the server got no further than what fills the socket buffers.
  EXPECT_LT(server.HugeBytesSent(), 256LL << 20);
}

TEST(HttpClient, RetryAfterIsPassedOn) {
  HttpTestServer server;
  const std::unique_ptr<HttpClient> client = LoopbackClient();
  const std::vector<HttpResult> results = RunRequests(*client, {Ask(server.Url("/busy"))});
  EXPECT_EQ(results[0].retry_after, "1");
}

TEST(HttpClient, FailuresWithoutAnAnswer) {
  HttpTestServer server;
  HttpRequest slow = Ask(server.Url("/slow"));
  slow.total_timeout = milliseconds(300);
  const std::unique_ptr<HttpClient> client = LoopbackClient();
  const std::vector<HttpResult> results =
      RunRequests(*client, {slow, Ask(server.ClosedPortUrl()), Ask("http://example.com:8x/")});
  EXPECT_EQ(results[0].error, HttpError::kTimeout) << results[0].error_text;
  EXPECT_EQ(results[1].error, HttpError::kRefused) << results[1].error_text;
  EXPECT_EQ(results[2].error, HttpError::kBadAddress);
}

TEST(HttpClient, TheLoopbackSwitchStopsAddressesAndRedirectsOffThisMachine) {
  HttpTestServer server;
  const std::unique_ptr<HttpClient> client = LoopbackClient();
  const std::vector<HttpResult> results = RunRequests(
      *client,
      {Ask("http://192.0.2.1/ok"), Ask("https://example.com/"), Ask(server.Url("/outside"))});
  for (const HttpResult& result : results) EXPECT_EQ(result.error, HttpError::kNotLoopback);
  ASSERT_EQ(results[2].redirects.size(), 1u);
  EXPECT_EQ(results[2].final_url, "http://192.0.2.1/ok");
  EXPECT_EQ(server.TotalRequests(), 1);
}

TEST(HttpClient, CancelEndsRequestsAtOnceAndNoneIsReturnedLater) {
  HttpTestServer server;
  const std::unique_ptr<HttpClient> client = LoopbackClient();
  HttpRequest slow = Ask(server.Url("/slow"));
  slow.total_timeout = milliseconds(60000);
  client->Start(slow);
  client->Start(slow);
  while (server.Requests("HEAD", "/slow") < 2) client->Wait(milliseconds(20));
  EXPECT_EQ(client->Pending(), 2u);
  client->CancelAll();
  EXPECT_EQ(client->Pending(), 0u);
  EXPECT_TRUE(client->Wait(milliseconds(100)).empty());
  // The client still works after a cancel.
  const std::vector<HttpResult> after = RunRequests(*client, {Ask(server.Url("/ok"))});
  EXPECT_EQ(after[0].status, 200);
}

}  // namespace
}  // namespace qvn
