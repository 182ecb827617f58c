// Stress: report pairs stay matched when qvn is killed while writing, when
// two runs share an output folder, and when the disk fills up.

#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "core/platform/platform.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::TempDir;

// A site whose reports are large, so that writing them takes a while.
void MakeSite(const TempDir& site, const std::string& tag, int pages) {
  std::string page;
  for (int i = 0; i < 200; ++i) page += "<a href=\"" + tag + std::to_string(i) + ".htm\">\r\n";
  for (int i = 0; i < pages; ++i) site.Write("p" + std::to_string(i) + ".htm", page);
}

pid_t StartQvn(const std::string& top, const std::string& out) {
  const pid_t pid = fork();
  if (pid == 0) {
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    execl(QVN_BINARY, "qvn", "check", top.c_str(), "--output-dir", out.c_str(), "--show-repeated",
          nullptr);
    _exit(127);
  }
  return pid;
}

int Wait(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The top folder a report names ("" when there is no report).
std::string TopOf(const TempDir& out, const char* report) {
  if (!out.Exists(report)) return {};
  const std::string text = out.Read(report);
  const std::size_t at = text.find("Top folder is\r\n");
  return at == std::string::npos ? "?" : text.substr(at + 15, text.find("\r\n", at + 15) - at - 15);
}

void ExpectMatchedPair(const TempDir& out) {
  EXPECT_EQ(TopOf(out, "links_to.txt"), TopOf(out, "links_from.txt"));
}

TEST(QvnStress, KilledWhileWritingLeavesMatchedReports) {
  TempDir a, b, out;
  MakeSite(a, "a", 300);
  MakeSite(b, "b", 300);
  std::mt19937 random(12345);
  for (int run = 0; run < 16; ++run) {
    const pid_t pid = StartQvn(run % 2 ? a.path() : b.path(), out.path());
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 400));
    kill(pid, SIGKILL);
    Wait(pid);
    ExpectMatchedPair(out);
  }
  // A whole run clears the temporary files the killed ones left.
  EXPECT_EQ(Wait(StartQvn(a.path(), out.path())), 1);
  ExpectMatchedPair(out);
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(ListFolder(out.path(), entries, nullptr));
  EXPECT_EQ(entries.size(), 2u);
}

TEST(QvnStress, RunsSharingAnOutputFolderTakeTurns) {
  TempDir a, b, out;
  MakeSite(a, "a", 100);
  MakeSite(b, "b", 100);
  for (int pair = 0; pair < 4; ++pair) {
    const pid_t first = StartQvn(a.path(), out.path()), second = StartQvn(b.path(), out.path());
    EXPECT_EQ(Wait(first), 1);
    EXPECT_EQ(Wait(second), 1);
    ExpectMatchedPair(out);
  }
}

// In a private mount namespace (the child is root there, or the test is
// skipped), a small tmpfs as the output folder: the reports do not fit.
// The child's exit code tells what it found.
enum FullDisk { kAsExpected = 0, kNoNamespace = 77, kNotRefused = 1, kOldLost = 2, kLeftovers = 3 };

int FullDiskChild(const std::string& top, const std::string& out) {
  if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      mount("tmpfs", out.c_str(), "tmpfs", 0, "size=64k") != 0)
    return kNoNamespace;
  FILE* to = fopen((out + "links_to.txt").c_str(), "w");
  FILE* from = fopen((out + "links_from.txt").c_str(), "w");
  if (to == nullptr || from == nullptr) return kNoNamespace;
  fputs("old", to);
  fputs("old", from);
  fclose(to);
  fclose(from);
  if (Wait(StartQvn(top, out)) != 2) return kNotRefused;
  std::vector<FolderEntry> entries;
  ListFolder(out, entries, nullptr);
  if (entries.size() != 2) return kLeftovers;
  std::string bytes;
  for (const char* name : {"links_to.txt", "links_from.txt"})
    if (!ReadWholeFile(out + name, bytes, nullptr, 1 << 10) || bytes != "old") return kOldLost;
  return kAsExpected;
}

TEST(QvnStress, AFullDiskKeepsTheOldReports) {
  TempDir site, out;
  MakeSite(site, "x", 40);
  const pid_t pid = fork();
  if (pid == 0) _exit(FullDiskChild(site.path(), out.path()));
  const int found = Wait(pid);
  if (found == kNoNamespace) GTEST_SKIP() << "no private mount namespace with a tmpfs here";
  EXPECT_EQ(found, kAsExpected) << "1: not refused, 2: old reports lost, 3: files left behind";
}

}  // namespace
}  // namespace qvn
