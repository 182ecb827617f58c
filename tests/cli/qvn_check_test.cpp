// End-to-end: the qvn program on small sites, result files compared byte for byte.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <fstream>
#include <thread>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;
using test::InOurEncoding;
using test::Native;
using test::RunQvn;
using test::TempDir;

const std::string kSamples = std::string(QVN_SOURCE_DIR) + "/examples";
const std::string kExpected = std::string(QVN_SOURCE_DIR) + "/tests/cli/expected/";

TEST(QvnCheck, SampleSiteMatchesTheExpectedReports) {
  TempDir out;
  const auto run = test::RunQvnBinary({"check", "site", "--output-dir", out.path()}, kSamples);
  EXPECT_EQ(run.exit_code, 1) << run.err;
#ifdef _WIN32
  // 'Images/Logo.GIF' finds images\logo.gif; the reports are in Windows-1252.
  const std::string count = "6", suffix = "_windows.txt";
#else
  const std::string count = "7", suffix = ".txt";
#endif
  EXPECT_EQ(run.out, out.path() + "links_to.txt\n" + out.path() + "links_from.txt\n" +
                         "There are " + count + " broken local links.\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(out.Read("links_to.txt"), out.Read(kExpected + "sample_links_to" + suffix));
  EXPECT_EQ(out.Read("links_from.txt"), out.Read(kExpected + "sample_links_from" + suffix));
}

TEST(QvnCheck, OutcomesAndExitStatus) {
  TempDir site, out;
  site.Write("index.htm", "<a href=\"about.htm\">\r\n<img src=\"logo.gif\">\r\n");
  site.Write("about.htm", "<a href=\"index.htm\">\r\n");
  site.Write("logo.gif", "");
  auto run = RunQvn({"check", site.path(), "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "Congratulations!  There are no broken local links.\n");
  EXPECT_FALSE(out.Exists("links_to.txt"));
  EXPECT_FALSE(out.Exists("links_from.txt"));

  site.Write("about.htm", "<a href=\"index.htm\">\r\n<a href=\"Index.htm\">\r\n");
  run = RunQvn({"check", site.path(), "--output-dir", out.path()});
#ifdef _WIN32
  // Letter case does not matter to Windows names: 'Index.htm' is there.
  EXPECT_EQ(run.exit_code, 0);
  return;
#endif
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_TRUE(run.out.ends_with("\nThere is only one broken local link.\n")) << run.out;
  EXPECT_EQ(out.Read("links_to.txt"),
            CrLf({"Top folder is", site.path(), "", "There is one broken link:", "",
                  "about.htm \xE2\x80\x94>", "     Index.htm"}));
}

TEST(QvnCheck, OptionsReachTheRun) {
  TempDir site, out;
  site.Write("index.htm", "<a href=\"a.htm\">\r\n<a href=\"a.htm\">\r\n<a href=\"old/x.htm\">\r\n");
  site.Write("page.php", "<a href=\"php-target.htm\">\r\n");
  site.Write("images/i.htm", "<a href=\"gone.gif\">\r\n");
  site.Write("Archive/old.htm", "<a href=\"gone.htm\">\r\n");
  const auto run = RunQvn({"check", site.path(), "--output-dir", out.path(), "--exclude-subfolder",
                           Native("images/"), "--exclude-paths", " ARCHIVE , backup",
                           "--exclude-links", "old", "--show-repeated", "--php"});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(out.Read("links_to.txt"),
            InOurEncoding(CrLf({"Top folder is", site.path(), "", "There are 3 broken links:", "",
                                "index.htm \xE2\x80\x94>", "     a.htm", "     a.htm",
                                "page.php \xE2\x80\x94>", "     php-target.htm", "",
                                "There is one repeated-in-file broken link."})));
  const auto top_only =
      RunQvn({"check", site.path(), "--output-dir", out.path(), "--top-folder-only"});
  EXPECT_EQ(top_only.out.substr(top_only.out.rfind('\n', top_only.out.size() - 2) + 1),
            "There are 3 broken local links.\n");
}

#ifndef _WIN32
// On Windows the default output folder is the application-data folder (qvn_windows_test.cpp).
TEST(QvnCheck, RelativeTopFolderAndDefaultOutputFolder) {
  TempDir work, data;
  work.Write("web/p.htm", "<a href=\"gone.htm\">\r\n");
  const auto run = RunQvn({"check", "  web  "}, work.path(), {"XDG_DATA_HOME=" + data.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  const std::string report = data.path() + "Quorvane/links_to.txt";
  EXPECT_TRUE(run.out.starts_with(report + "\n")) << run.out;
  EXPECT_EQ(data.Read(report), CrLf({"Top folder is", "web/", "", "There is one broken link:", "",
                                     "p.htm \xE2\x80\x94>", "     gone.htm"}));
}
#endif

TEST(QvnCheck, BadInputIsRefusedWithNothingWritten) {
  TempDir site, out;
  site.Write("p.htm", "<a href=\"gone.htm\">\r\n");
  site.Write("file", "x");
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"check"}, "top folder"},
      {{"check", "   "}, "top folder"},
      {{"check", site.path() + "missing"}, "missing"},
      {{"check", site.path() + "file"}, "file"},
      {{"check", site.path(), "--no-such-option"}, "no-such-option"},
      {{"check", site.path(), "--output-dir"}, "output-dir"},
      {{"check", site.path(), "--output-dir", site.path() + "file/sub"}, "file/sub"},
      {{"frobnicate", site.path()}, "subcommand"},
      {{}, "subcommand"},
  };
  for (auto& c : cases) {
    if (c.args.size() > 1 && c.args.back() == site.path()) {
      c.args.push_back("--output-dir");
      c.args.push_back(out.path());
    }
    const auto run = RunQvn(c.args);
    EXPECT_EQ(run.exit_code, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(out.Exists("links_to.txt"));
}

#ifndef _WIN32
TEST(QvnCheck, HomeDataFolderAndInstalledLayout) {
  TempDir site, home, prefix;
  site.Write("p.htm", "<a href=\"gone.htm\">\r\n");
  // An installed qvn finds its catalogue in ../share/quorvane.
  prefix.Write("bin/qvn", prefix.Read(QVN_BINARY));
  ASSERT_EQ(chmod((prefix.path() + "bin/qvn").c_str(), 0755), 0);
  prefix.Write("share/quorvane/qvn.dat", prefix.Read(std::string(QVN_SOURCE_DIR) + "/data/qvn.dat"));
  const auto run = test::RunCommand(prefix.path() + "bin/qvn", {"check", site.path()}, "",
                                    {"XDG_DATA_HOME=", "HOME=" + home.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_TRUE(home.Exists(".local/share/Quorvane/links_to.txt"));
}
#endif

TEST(QvnCheck, RawFileNamesAndUnwritableReports) {
  TempDir site, out;
#ifdef _WIN32
  // Windows names are UTF-16: no name holds raw bytes.
  site.Write("p.htm", "<a href=\"gone.htm\">\r\n");
  test::CommandResult run;
#else
  site.Write("caf\xE9.htm", "<a href=\"na\xEFve.htm\">\r\n");
  auto run = RunQvn({"check", site.path(), "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 1);
  // The page's name is not UTF-8 and is written as it is; its line is Windows-1252.
  EXPECT_EQ(out.Read("links_to.txt"),
            CrLf({"Top folder is", site.path(), "", "There is one broken link:", "",
                  "caf\xE9.htm \xE2\x80\x94>", "     na\xC3\xAFve.htm"}));
#endif
  TempDir blocked;
  blocked.Write("links_from.txt/blocker", "x");
  run = RunQvn({"check", site.path(), "--output-dir", blocked.path()});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.err.find(blocked.path() + "links_from.txt"), std::string::npos) << run.err;
}

TEST(QvnCheck, HelpAndVersion) {
  auto run = test::RunQvnBinary({"--help"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_NE(run.out.find("check"), std::string::npos);
  run = RunQvn({"check", "--help"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_NE(run.out.find("--exclude-links"), std::string::npos);
  run = RunQvn({"--version"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_NE(run.out.find("qvn"), std::string::npos);
}

#ifndef _WIN32
TEST(QvnCheck, InterruptStopsAndKeepsWhatWasFound) {
  TempDir site, out;
  site.Write("a.htm", "<a href=\"gone.htm\">\r\n");
  std::string lines;
  for (int i = 0; i < 20000; ++i) lines += "<li><a href=\"../a.htm\">a</a></li>\r\n";
  for (int i = 0; i < 300; ++i) site.Write("p/" + std::to_string(i) + ".htm", lines);

  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    freopen("/dev/null", "w", stdout);
    execl(QVN_BINARY, "qvn", "check", site.path().c_str(), "--output-dir", out.path().c_str(),
          nullptr);
    _exit(127);
  }
  test::WaitUntilCatching(pid, SIGINT);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  kill(pid, SIGINT);
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 1) GTEST_SKIP() << "the run finished before the interrupt";
  EXPECT_EQ(WEXITSTATUS(status), 130);
  // On a loaded machine the interrupt may come before the first page is read.
  if (out.Read("links_to.txt").find("a.htm") == std::string::npos)
    GTEST_SKIP() << "interrupted before the first page was read";
  EXPECT_EQ(out.Read("links_to.txt"),
            CrLf({"Link checking was stopped, so this list is incomplete.", "", "Top folder is",
                  site.path(), "", "There is one broken link:", "", "a.htm \xE2\x80\x94>",
                  "     gone.htm"}));
  EXPECT_TRUE(out.Read("links_from.txt").starts_with("Link checking was stopped"));
}
#endif

}  // namespace
}  // namespace qvn
