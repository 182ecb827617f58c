// End-to-end: what a check cannot read is skipped, counted on standard error
// and in the JSON document, and named with --verbose.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "support/posix/unprivileged.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::RunQvn;
using test::TempDir;

// Folders below site whose full paths pass the system's limit; returns the
// path of the first one too long to open, ending in a separator.
std::string MakeTooDeepFolders(const TempDir& site) {
  const std::string name(200, 'd');
  std::string path = site.path(), first_too_long;
  int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY);
  for (int level = 0; level < 24 && fd >= 0; ++level) {
    mkdirat(fd, name.c_str(), 0755);
    const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
    close(fd);
    fd = next;
    path += name + "/";
    if (first_too_long.empty() && path.size() >= 4096) first_too_long = path;
  }
  if (fd >= 0) {
    const int page = openat(fd, "deep.htm", O_WRONLY | O_CREAT, 0644);
    if (page >= 0) close(page);
    close(fd);
  }
  return first_too_long;
}

TEST(QvnSkipped, APathTooLongIsCountedAndNamed) {
  TempDir site, out;
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  const std::string deep = MakeTooDeepFolders(site);
  ASSERT_FALSE(deep.empty());
  const std::string summary = "qvn: could not read and skipped 1 path too long for the system";
  for (const bool verbose : {false, true}) {
    std::vector<std::string> args = {"check", site.path(), "--format",
                                     "json", "--out", "-", "--output-dir", out.path()};
    if (verbose) args.push_back("--verbose");
    const auto run = RunQvn(args);
    EXPECT_EQ(run.exit_code, 1) << run.err;
    EXPECT_NE(run.out.find("\"pathsTooLong\": 1"), std::string::npos) << run.out;
    const std::string named = "qvn: skipped path too long for the system " + deep + ": ";
    EXPECT_EQ(run.err.find(named) != std::string::npos, verbose) << run.err;
    EXPECT_NE(run.err.find(verbose ? summary + "\n" : summary + " (--verbose names them)\n"),
              std::string::npos)
        << run.err;
  }
}

// The child's exit codes: what it found wrong.
enum Found { kAsExpected = 0, kNotNamed = 1, kNotCounted = 2, kNoDocumentCount = 3 };

TEST(QvnSkipped, UnreadableFoldersAndPagesAreSkippedAndCounted) {
  TempDir site, out;
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  site.Write("secret.htm", "<a href=\"hidden.htm\">\r\n");
  site.Write("locked/page.htm", "<a href=\"hidden.htm\">\r\n");
  // The child is no owner of these folders: they must be open to anyone.
  chmod(site.path().c_str(), 0755);
  chmod(out.path().c_str(), 0777);
  chmod((site.path() + "secret.htm").c_str(), 0);
  chmod((site.path() + "locked").c_str(), 0);
  const int found = test::RunUnprivileged([&] {
    const auto run = RunQvn({"check", site.path(), "--format", "json", "--out", "-",
                             "--output-dir", out.path(), "--verbose"});
    for (const std::string& named : {"folder " + site.path() + "locked/: ",
                                    "page " + site.path() + "secret.htm: "})
      if (run.err.find("qvn: skipped " + named) == std::string::npos) return kNotNamed;
    if (run.err.find("qvn: could not read and skipped 1 folder, 1 page\n") == std::string::npos)
      return kNotCounted;
    const bool counted = run.out.find("\"folders\": 1") != std::string::npos &&
                         run.out.find("\"pagesRead\": 1") != std::string::npos &&
                         run.out.find("hidden.htm") == std::string::npos;
    return counted ? kAsExpected : kNoDocumentCount;
  });
  if (found == test::kNoUserNamespace) GTEST_SKIP() << "no user namespace to drop root in";
  EXPECT_EQ(found, kAsExpected) << "1: a path not named, 2: no count, 3: not in the document";
}

}  // namespace
}  // namespace qvn
