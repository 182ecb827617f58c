// End-to-end: where qvn's results go, and what it refuses: standard output
// checked, "-", links and devices as --out, the output folder's lock, line
// numbers of explain, signals.

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "cli/cli_run.h"
#include "core/app/result_files.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace qvn {
namespace {

using test::RunQvn;
using test::TempDir;

void MakeSite(const TempDir& site) { site.Write("index.htm", "<a href=\"gone.htm\">\r\n"); }

// A stream whose every write fails, as on a full disk.
class FullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(QvnOutput, StandardOutputThatFailsIsAnError) {
  TempDir site, out;
  MakeSite(site);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"qvn", "check", site.path(), "--format", "sarif"},
        std::vector<std::string>{"qvn", "check", site.path(), "--output-dir", out.path()}}) {
    FullBuffer full;
    std::ostream stdout_full(&full);
    std::ostringstream err;
    EXPECT_EQ(cli::RunCli(args, stdout_full, err), 2);
    EXPECT_NE(err.str().find("cannot write to standard output"), std::string::npos) << err.str();
  }
}

TEST(QvnOutput, DashAndLinksAsTheDocumentsFile) {
  TempDir site, files;
  MakeSite(site);
  const auto dash = RunQvn({"check", site.path(), "--format", "json", "--out", "-"});
  EXPECT_EQ(dash.exit_code, 1);
  EXPECT_EQ(dash.out.rfind("{", 0), 0u) << dash.out;
#ifndef _WIN32
  files.Write("real.json", "old");
  ASSERT_EQ(chmod((files.path() + "real.json").c_str(), 0600), 0);
  ASSERT_EQ(symlink("real.json", (files.path() + "link.json").c_str()), 0);
  const auto linked =
      RunQvn({"check", site.path(), "--format", "json", "--out", files.path() + "link.json"});
  EXPECT_EQ(linked.exit_code, 1) << linked.err;
  struct stat st;
  ASSERT_EQ(lstat((files.path() + "link.json").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(files.Read("real.json").rfind("{", 0), 0u);
  ASSERT_EQ(stat((files.path() + "real.json").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  const auto device = RunQvn({"check", site.path(), "--format", "csv", "--out", "/dev/null"});
  EXPECT_EQ(device.exit_code, 1) << device.err;
  ASSERT_EQ(stat("/dev/null", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
#endif
}

TEST(QvnOutput, AnOutputFolderInUseWaitsOrFails) {
  TempDir site, out;
  MakeSite(site);
  EXPECT_EQ(RunQvn({"check", site.path(), "--output-dir", ""}).exit_code, 2);
  auto lock = std::make_unique<app::OutputFolderLock>();
  SystemError error;
  bool busy = false;
  ASSERT_TRUE(lock->TryLock(out.path(), &error, &busy));
  const auto refused = RunQvn({"check", site.path(), "--output-dir", out.path(), "--no-wait"});
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_NE(refused.err.find("another run"), std::string::npos) << refused.err;
  EXPECT_FALSE(out.Exists("links_to.txt"));
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1300));
    lock.reset();
  });
  const auto waited = RunQvn({"check", site.path(), "--output-dir", out.path()});
  release.join();
  EXPECT_EQ(waited.exit_code, 1) << waited.err;
  EXPECT_NE(waited.err.find("waiting for another run"), std::string::npos) << waited.err;
  EXPECT_TRUE(out.Exists("links_to.txt"));
}

TEST(QvnOutput, ExplainTakesDecimalLineNumbersOnly) {
  TempDir site;
  std::string page;
  for (int i = 1; i <= 10; ++i) page += "<a href=\"p" + std::to_string(i) + ".htm\">\r\n";
  site.Write("p.htm", page);
  const auto decimal = RunQvn({"explain", site.path() + "p.htm", "010"});
  EXPECT_EQ(decimal.exit_code, 0) << decimal.err;
  EXPECT_NE(decimal.out.find("p10.htm"), std::string::npos) << decimal.out;
  for (const char* line : {"0x10", "+3", "0", "99999999999999999999999"}) {
    const auto refused = RunQvn({"explain", site.path() + "p.htm", line});
    EXPECT_EQ(refused.exit_code, 2) << line;
    EXPECT_LT(refused.err.size(), 200u) << refused.err;
  }
}

TEST(QvnOutput, TheTerminalSeesControlCharactersEscaped) {
  TempDir site;
  const auto run = RunQvn({"check", site.path() + "\x1b[2J"});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("\\x1b[2J"), std::string::npos) << run.err;
}

#ifndef _WIN32
TEST(QvnOutput, TerminateAndHangUpStopAsCtrlCDoes) {
  TempDir site;
  std::string lines;
  for (int i = 0; i < 5000; ++i) lines += "<li><a href=\"gone.htm\">a</a></li>\r\n";
  for (int i = 0; i < 100; ++i) site.Write("p/" + std::to_string(i) + ".htm", lines);
  for (const auto& [signal, status] : {std::pair{SIGTERM, 143}, std::pair{SIGHUP, 129}}) {
    TempDir out;
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      freopen("/dev/null", "w", stdout);
      execl(QVN_BINARY, "qvn", "check", site.path().c_str(), "--output-dir", out.path().c_str(),
            "--show-repeated", nullptr);
      _exit(127);
    }
    test::WaitUntilCatching(pid, signal);
    kill(pid, signal);
    int wait_status = 0;
    waitpid(pid, &wait_status, 0);
    ASSERT_TRUE(WIFEXITED(wait_status));
    if (WEXITSTATUS(wait_status) == 1) GTEST_SKIP() << "the run finished before the signal";
    EXPECT_EQ(WEXITSTATUS(wait_status), status);
  }
}
#endif

}  // namespace
}  // namespace qvn
