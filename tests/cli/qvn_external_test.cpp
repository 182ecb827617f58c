// End-to-end: `qvn check --external` against the loopback test server (the
// hidden loopback-only switch keeps every run on this machine): the reports,
// the formats, the baseline, the settings file and the answer cache.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "core/results/json_reader.h"
#include "support/http_test_server.h"
#include "support/json_schema.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::HttpTestServer;
using test::RunQvn;
using test::TempDir;

struct Expected {
  std::string path;  // on the server; "" for the closed port
  std::string kind;  // "" when the link is not broken
  std::string note;
};

// Every answer the server gives, each once, and the local link in between.
const Expected kLinks[] = {
    {"/ok", "", ""},
    {"/missing", "external-status", "404 Not Found"},
    {"/gone", "external-status", "410 Gone"},
    {"/error", "external-status", "500 Internal Server Error"},
    {"/found", "", ""},
    {"/moved", "", ""},
    {"/loop", "external-error", "too many redirects"},
    {"/busy", "external-status", "429 Too Many Requests"},
    {"/busy-once", "", ""},
    {"/no-head", "", ""},
    {"/huge-get", "", ""},
    {"/slow", "external-error", "timeout"},
    {"/outside", "external-error", "not a loopback address"},
    {"", "external-error", "connection refused"},
};

class QvnExternal : public ::testing::Test {
 protected:
  std::string Address(const Expected& link) const {
    return link.path.empty() ? server.ClosedPortUrl() : server.Url(link.path);
  }
  void SetUp() override {
    std::string page;
    for (const Expected& link : kLinks) page += "<a href=\"" + Address(link) + "\">\r\n";
    // The same address again (with a fragment), an excluded one, a local one.
    page += "<a href=\"" + server.Url("/missing") + "#top\">\r\n";
    page += "<a href=\"" + server.Url("/skip-me") + "\">\r\n";
    page += "<a href=\"gone.htm\">\r\n";
    site.Write("index.htm", page);
  }
  test::CommandResult Check(std::vector<std::string> flags) {
    std::vector<std::string> args = {"check",        site.path(),         "--output-dir",
                                     out.path(),     "--exclude-links",   "skip-me",
                                     "--external-loopback-only", "--external-timeout", "2"};
    args.insert(args.end(), flags.begin(), flags.end());
    return RunQvn(args, "", {"XDG_DATA_HOME=" + data.path()});
  }
  static JsonValue Parse(const std::string& text) {
    std::string error;
    auto value = ParseJson(text, &error);
    EXPECT_TRUE(value) << error << "\n" << text;
    return value.value_or(JsonValue());
  }

  HttpTestServer server;
  TempDir site, out, data;
};

TEST_F(QvnExternal, EveryAnswerBecomesItsKindWithItsNoteInPageOrder) {
  const auto run = Check({"--external", "--external-cache", "0", "--format", "json"});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  const JsonValue document = Parse(run.out);
  TempDir scratch;
  const JsonValue schema =
      Parse(scratch.Read(std::string(QVN_SOURCE_DIR) + "/docs/results.schema.json"));
  const auto problems = test::JsonSchemaValidator(schema).Validate(document);
  EXPECT_TRUE(problems.empty()) << problems.front();

  std::vector<std::pair<std::string, std::string>> expected;  // target, note
  for (const Expected& link : kLinks)
    if (!link.kind.empty()) expected.emplace_back(Address(link), link.note);
  expected.emplace_back(server.Url("/missing"), "404 Not Found");
  expected.emplace_back("gone.htm", "no such file");
  const auto& links = document.Find("brokenLinks")->items;
  ASSERT_EQ(links.size(), expected.size());
  for (std::size_t i = 0; i < links.size(); ++i) {
    EXPECT_EQ(links[i].Find("target")->text, expected[i].first) << i;
    EXPECT_EQ(links[i].Find("note")->text, expected[i].second) << i;
  }
  const JsonValue* by_kind = document.Find("counts")->Find("byKind");
  EXPECT_EQ(by_kind->Find("external-status")->number, 5);
  EXPECT_EQ(by_kind->Find("external-error")->number, 4);

  // Permanent redirects are listed apart, with where they end.
  const auto& redirects = document.Find("redirects")->items;
  ASSERT_EQ(redirects.size(), 1u);
  EXPECT_EQ(redirects[0].Find("link")->text, server.Url("/moved"));
  EXPECT_EQ(redirects[0].Find("finalAddress")->text, server.Url("/ok"));
}

TEST_F(QvnExternal, EachAddressIsAskedOnceAndExcludedOnesNever) {
  Check({"--external", "--external-cache", "0", "--format", "json"});
  EXPECT_EQ(server.Requests("HEAD", "/missing"), 1);
  EXPECT_EQ(server.Requests("GET", "/missing"), 1);  // a HEAD error is asked again with GET
  EXPECT_EQ(server.Requests("HEAD", "/gone"), 1);
  EXPECT_EQ(server.Requests("HEAD", "/no-head"), 1);
  EXPECT_EQ(server.Requests("GET", "/no-head"), 1);
  EXPECT_EQ(server.Requests("HEAD", "/skip-me") + server.Requests("GET", "/skip-me"), 0);
  EXPECT_LT(server.HugeBytesSent(), 1 << 26);  // the huge body is not read whole
  EXPECT_NE(server.LastUserAgent().find("Quorvane/"), std::string::npos);
}

TEST_F(QvnExternal, WithoutTheOptionNoServerIsAsked) {
  const auto run = Check({});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(server.TotalRequests(), 0);
  const std::string report = out.Read("links_to.txt");
  EXPECT_EQ(report.find("http://"), std::string::npos) << report;
}

TEST_F(QvnExternal, TextReportsGiveTheNoteInBrackets) {
  const auto run = Check({"--external", "--external-cache", "0"});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  for (const char* report : {"links_to.txt", "links_from.txt"}) {
    const std::string text = out.Read(report);
    EXPECT_NE(text.find(server.Url("/gone") + "  [410 Gone]"), std::string::npos) << text;
    EXPECT_NE(text.find(server.ClosedPortUrl() + "  [connection refused]"), std::string::npos)
        << text;
  }
}

TEST_F(QvnExternal, EveryFormatNamesTheKindAndNote) {
  struct Case {
    const char* format;
    std::string wanted;
  };
  const Case cases[] = {
      {"csv", ",external-status,404 Not Found,"},
      {"sarif", "\"ruleId\": \"external-error\""},
      {"markdown", "(404 Not Found)"},
  };
  for (const Case& c : cases) {
    const auto run = Check({"--external", "--external-cache", "0", "--format", c.format});
    EXPECT_NE(run.out.find(c.wanted), std::string::npos) << c.format << "\n" << run.out;
  }
}

TEST_F(QvnExternal, BaselineKnowsTheExternalLinks) {
  const std::string baseline = out.path() + "baseline.json";
  Check({"--external", "--external-cache", "0", "--format", "json", "--write-baseline", baseline});
  const auto run = Check({"--external", "--external-cache", "0", "--format", "json", "--baseline",
                          baseline});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  const JsonValue document = Parse(run.out);
  EXPECT_EQ(document.Find("baseline")->Find("new")->number, 0);
}

TEST_F(QvnExternal, ASecondRunWithinTheCacheAgeAsksNothing) {
  // Refusals of the loopback switch are not kept: the one redirect off this
  // machine is asked each time.
  const auto asked = [this] { return server.TotalRequests() - server.Requests("HEAD", "/outside"); };
  Check({"--external", "--format", "json"});
  const int first = asked();
  const auto again = Check({"--external", "--format", "json"});
  EXPECT_EQ(asked(), first);
  EXPECT_NE(again.out.find("410 Gone"), std::string::npos);
  Check({"--external", "--external-cache", "0", "--format", "json"});
  EXPECT_GT(asked(), first);
}

TEST_F(QvnExternal, ASettingsFileTurnsItOn) {
  // Fifteen fields: the seven, the more checks at their defaults, then the tick.
  std::string settings = "\"" + site.path() + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 0 \r\n 0 \r\n 0 \r\n";
  settings += " 0 \r\n 0 \r\n\"\"\r\n 0 \r\n\"index.html\"\r\n 0 \r\n 0 \r\n 1 \r\n";
  site.Write("s.usr", settings);
  const auto run = RunQvn({"check", "--settings", site.path() + "s.usr", "--output-dir",
                           out.path(), "--external-loopback-only", "--external-timeout", "2",
                           "--external-cache", "0"},
                          "", {"XDG_DATA_HOME=" + data.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(run.err.find("could be read only"), std::string::npos) << run.err;
  EXPECT_GT(server.Requests("HEAD", "/ok"), 0);
}

TEST(QvnExternalOptions, RefusesBadValues) {
  TempDir site;
  site.Write("index.htm", "x");
  for (const std::vector<std::string>& flags :
       {std::vector<std::string>{"--external-jobs", "0"},
        std::vector<std::string>{"--external-timeout", "x"},
        std::vector<std::string>{"--external-cache", "3y"}}) {
    std::vector<std::string> args = {"check", site.path(), "--external"};
    args.insert(args.end(), flags.begin(), flags.end());
    EXPECT_EQ(RunQvn(args).exit_code, 2) << flags[0];
  }
}

#ifndef _WIN32
TEST(QvnExternalInterrupt, CtrlCEndsTheRequestsUnderWay) {
  HttpTestServer server;
  TempDir site, out;
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n<a href=\"" + server.Url("/slow") + "\">\r\n");
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    freopen("/dev/null", "w", stdout);
    execl(QVN_BINARY, "qvn", "check", site.path().c_str(), "--output-dir", out.path().c_str(),
          "--external", "--external-loopback-only", "--external-cache", "0",
          "--external-timeout", "3600", nullptr);
    _exit(127);
  }
  // Once the slow request has reached the server only Ctrl-C can end the run.
  for (int i = 0; i < 1000 && server.Requests("HEAD", "/slow") == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_GT(server.Requests("HEAD", "/slow"), 0);
  kill(pid, SIGINT);
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 130);
  // What the pages gave is kept; the unanswered address is not reported.
  const std::string report = out.Read("links_to.txt");
  EXPECT_NE(report.find("gone.htm"), std::string::npos) << report;
  EXPECT_EQ(report.find("/slow"), std::string::npos) << report;
}
#endif

}  // namespace
}  // namespace qvn
