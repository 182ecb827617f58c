// Times the external link check against the loopback test server: COUNT
// distinct addresses spread over HOSTS loopback addresses (127.0.0.1 and up),
// each answered after DELAY, checked with JOBS requests at once, against the
// ideal COUNT × DELAY / JOBS. With --site DIR it also writes a site whose
// pages link every address and, with --linkchecker, times that program's
// check of the site against the same server in the same run; with --qvn
// PATH, that qvn's `check --external` of the site too.
//
//   external_bench [--count N] [--delay-ms D] [--jobs J] [--hosts H]
//                  [--site DIR] [--linkchecker] [--qvn PATH]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/links/external/external_checker.h"
#include "support/http_test_server.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Settings {
  int count = 10000;
  int delay_ms = 20;
  int jobs = 16;
  int hosts = 8;
  std::string site;
  bool linkchecker = false;
  std::string qvn;
};

bool ParseArguments(int argc, char** argv, Settings& s) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--linkchecker")
      s.linkchecker = true;
    else if (arg == "--count" && has_value)
      s.count = std::atoi(argv[++i]);
    else if (arg == "--delay-ms" && has_value)
      s.delay_ms = std::atoi(argv[++i]);
    else if (arg == "--jobs" && has_value)
      s.jobs = std::atoi(argv[++i]);
    else if (arg == "--hosts" && has_value)
      s.hosts = std::atoi(argv[++i]);
    else if (arg == "--site" && has_value)
      s.site = argv[++i];
    else if (arg == "--qvn" && has_value)
      s.qvn = argv[++i];
    else
      return false;
  }
  return s.count > 0 && s.delay_ms >= 0 && s.jobs > 0 && s.hosts > 0 && s.hosts < 255;
}

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// index.html links pages of 100 addresses each, one link a line.
void WriteSite(const std::string& folder, const std::vector<std::string>& addresses) {
  std::filesystem::create_directories(folder);
  std::ofstream index(folder + "/index.html");
  index << "<html><body>\n";
  const std::size_t per_page = 100;
  for (std::size_t page = 0; page * per_page < addresses.size(); ++page) {
    const std::string name = "p" + std::to_string(page) + ".html";
    index << "<a href=\"" << name << "\">" << name << "</a><br>\n";
    std::ofstream out(folder + "/" + name);
    out << "<html><body>\n";
    for (std::size_t i = page * per_page; i < addresses.size() && i < (page + 1) * per_page; ++i)
      out << "<a href=\"" << addresses[i] << "\">" << i << "</a><br>\n";
    out << "</body></html>\n";
  }
  index << "</body></html>\n";
}

}  // namespace

int main(int argc, char** argv) {
  Settings s;
  if (!ParseArguments(argc, argv, s)) {
    std::fprintf(stderr,
                 "usage: external_bench [--count N] [--delay-ms D] [--jobs J] [--hosts H] "
                 "[--site DIR] [--linkchecker] [--qvn PATH]\n");
    return 2;
  }
  qvn::test::HttpTestServerOptions server_options;
  server_options.addresses.clear();
  for (int h = 1; h <= s.hosts; ++h)
    server_options.addresses.push_back("127.0.0." + std::to_string(h));
  server_options.delay = std::chrono::milliseconds(s.delay_ms);
  qvn::test::HttpTestServer server(server_options);
  std::vector<std::string> addresses;
  for (int i = 0; i < s.count; ++i)
    addresses.push_back(
        server.Url("/d/" + std::to_string(i), static_cast<std::size_t>(i % s.hosts)));

  qvn::ExternalCheckOptions options;
  options.jobs = static_cast<std::size_t>(s.jobs);
  options.loopback_only = true;
  const Clock::time_point start = Clock::now();
  const qvn::ExternalCheckResult result = qvn::CheckExternalAddresses(addresses, options, {}, {});
  const double engine = Seconds(Clock::now() - start);
  int ok = 0;
  for (const qvn::ExternalVerdict& verdict : result.verdicts)
    ok += verdict.outcome == qvn::ExternalOutcome::kOk;
  const double ideal = s.count * (s.delay_ms / 1000.0) / s.jobs;
  std::printf(
      "external check engine: %d addresses on %d hosts, %d ms each, %d jobs: %.2f s "
      "(ideal %.2f s, %.2fx the ideal); %d answered 200, %zu requests\n",
      s.count, s.hosts, s.delay_ms, s.jobs, engine, ideal, engine / ideal, ok, result.requests);
  std::fflush(stdout);  // before linkchecker's long run
  if (s.site.empty()) return ok == s.count ? 0 : 1;

  WriteSite(s.site, addresses);
  if (!s.qvn.empty()) {
    const int asked_before = server.TotalRequests();
    const std::string command = "'" + s.qvn + "' check '" + s.site +
                                "' --external --external-loopback-only --external-cache 0 "
                                "--external-jobs " + std::to_string(s.jobs) +
                                " --format json --out /dev/null >/dev/null 2>&1";
    const Clock::time_point qvn_start = Clock::now();
    const int status = std::system(command.c_str());
    const double qvn = Seconds(Clock::now() - qvn_start);
    std::printf("qvn check --external: %.2f s (%.2fx the ideal; exit status %d, %d requests)\n",
                qvn, qvn / ideal, status, server.TotalRequests() - asked_before);
    std::fflush(stdout);
  }
  if (!s.linkchecker) return ok == s.count ? 0 : 1;
  const int before = server.TotalRequests();
  const std::string command = "linkchecker --no-status -o none --check-extern -t " +
                              std::to_string(s.jobs) + " '" + s.site +
                              "/index.html' >/dev/null 2>&1";
  const Clock::time_point lc_start = Clock::now();
  const int status = std::system(command.c_str());
  const double lc = Seconds(Clock::now() - lc_start);
  std::printf(
      "linkchecker --check-extern -t %d: %.2f s (exit status %d, %d requests); "
      "the engine was %.1fx faster\n",
      s.jobs, lc, status, server.TotalRequests() - before, lc / engine);
  return ok == s.count ? 0 : 1;
}
