// Files the user names read as streams: a FIFO, and a pipe as /dev/stdin or
// <(...) give it, each written by a thread that pauses between its parts.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "core/platform/platform.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using namespace std::chrono_literals;

// A reader that does not wait for data sees an end, or EAGAIN, before the second part.
void WriteInTwoParts(int fd) {
  if (fd < 0) return;
  EXPECT_EQ(write(fd, "first part, ", 12), 12);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(write(fd, "second part", 11), 11);
  close(fd);
}

// Opens a FIFO for writing once a reader has it open; gives up after a few
// seconds rather than hang when the reader never comes.
int OpenFifoWriter(const std::string& path) {
  for (int tries = 0; tries < 500; ++tries) {
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) {
      fcntl(fd, F_SETFL, 0);
      return fd;
    }
    std::this_thread::sleep_for(10ms);
  }
  ADD_FAILURE() << "no reader opened " << path;
  return -1;
}

TEST(ReadWholeFile, ReadsFifosAndPipesAsStreams) {
  test::TempDir dir;
  const std::string fifo = dir.path() + "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  int pipe_fds[2];
  ASSERT_EQ(pipe(pipe_fds), 0);
  const struct {
    std::string path;
    std::function<int()> writer;
  } cases[] = {
      {fifo, [&] { return OpenFifoWriter(fifo); }},
      {"/dev/fd/" + std::to_string(pipe_fds[0]), [&] { return pipe_fds[1]; }},
  };
  for (const auto& c : cases) {
    std::thread writer([&] { WriteInTwoParts(c.writer()); });
    std::string bytes;
    SystemError error;
    EXPECT_TRUE(ReadWholeFile(c.path, bytes, &error, 1 << 20))
        << c.path << ": " << error.description;
    writer.join();
    EXPECT_EQ(bytes, "first part, second part") << c.path;
  }
  close(pipe_fds[0]);
}

}  // namespace
}  // namespace qvn
