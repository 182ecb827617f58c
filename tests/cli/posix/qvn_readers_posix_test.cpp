// End-to-end: settings and baselines given as pipes, endless devices, and a
// run out of memory.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::RunQvn;
using test::TempDir;

class QvnReaders : public ::testing::Test {
 protected:
  void SetUp() override { site.Write("index.htm", "<a href=\"gone.htm\">\r\n"); }

  TempDir site, files;
};

// As `--settings <(...)` gives it: a FIFO whose writer comes a moment later.
TEST_F(QvnReaders, SettingsAndBaselineAreReadFromAFifo) {
  const std::string settings =
      test::CrLf({"\"" + site.path() + "\"", "\"\"", "\"\"", "\"\"", " 0 ", " 0 ", " 0 "});
  const std::string baseline =
      "{\"format\": \"quorvane-results\", \"version\": 1, \"brokenLinks\": [{\"page\": "
      "\"index.htm\", \"link\": \"gone.htm\", \"target\": \"gone.htm\"}]}";
  const std::string fifo = files.path() + "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::vector<std::string> args;
    std::string contents;
  } cases[] = {
      {{"check", "--settings", fifo}, settings},
      {{"check", site.path(), "--baseline", fifo}, baseline},
  };
  for (const auto& c : cases) {
    std::thread writer([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      const int fd = open(fifo.c_str(), O_WRONLY);
      EXPECT_EQ(write(fd, c.contents.data(), c.contents.size()),
                static_cast<ssize_t>(c.contents.size()));
      close(fd);
    });
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--output-dir", files.path()});
    const auto run = RunQvn(args);
    writer.join();
    EXPECT_EQ(run.err, "") << c.contents;
    EXPECT_TRUE(run.out.ends_with("There is only one broken local link.\n")) << run.out;
  }
}

// (The baseline's limit is held in the core's tests: 64 MB take a while.)
TEST_F(QvnReaders, AnEndlessDeviceIsRefusedNamingTheLimit) {
  const auto run = RunQvn({"check", "--settings", "/dev/zero"});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(run.err,
            "qvn: cannot read the settings file /dev/zero: the file is larger than 16 MB, the "
            "most a settings file may hold\n");
  EXPECT_EQ(run.out, "");
}

#if defined(__SANITIZE_ADDRESS__)
#define QVN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QVN_ADDRESS_SANITIZER 1
#endif
#endif

// A baseline within the limits that still needs more memory than the
// process may have: a clear message and exit status 2, not an abort.
TEST_F(QvnReaders, OutOfMemoryEndsWithAMessage) {
#ifdef QVN_ADDRESS_SANITIZER
  GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
  std::string baseline = "{\"format\": \"quorvane-results\", \"version\": 1, \"brokenLinks\": [";
  for (int i = 0; i < 3'900'000; ++i) baseline += "{},";
  baseline.back() = ']';
  baseline += '}';
  files.Write("big.json", baseline);
  const auto run = test::RunCommand(
      "/bin/sh", {"-c", "ulimit -v 262144 && exec \"$0\" \"$@\"", QVN_BINARY, "check", site.path(),
                  "--baseline", files.path() + "big.json", "--output-dir", files.path()});
  EXPECT_EQ(run.exit_code, 2) << run.err;
  EXPECT_EQ(run.err, "qvn: out of memory; stopped without finishing\n");
#endif
}

}  // namespace
}  // namespace qvn
