// Replacing files that are links, devices, pipes, or have their own permissions.

#include "core/platform/file_replacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <thread>

#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::TempDir;

mode_t ModeOf(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

TEST(FileReplacement, FollowsLinksAndKeepsPermissions) {
  TempDir dir;
  dir.Write("real.txt", "old");
  ASSERT_EQ(chmod((dir.path() + "real.txt").c_str(), 0640), 0);
  ASSERT_EQ(symlink("real.txt", (dir.path() + "link.txt").c_str()), 0);
  ASSERT_EQ(symlink("new.txt", (dir.path() + "dangling.txt").c_str()), 0);
  SystemError error;
  ASSERT_TRUE(WriteFileReplacing(dir.path() + "link.txt", "new", &error)) << error.description;
  ASSERT_TRUE(WriteFileReplacing(dir.path() + "dangling.txt", "made", &error));
  EXPECT_TRUE(S_ISLNK(ModeOf(dir.path() + "link.txt")));
  EXPECT_EQ(dir.Read("real.txt"), "new");
  EXPECT_EQ(ModeOf(dir.path() + "real.txt") & 07777, 0640u);
  EXPECT_EQ(dir.Read("new.txt"), "made");
}

TEST(FileReplacement, WritesIntoDevicesAndPipesInPlace) {
  SystemError error;
  EXPECT_TRUE(WriteFileReplacing("/dev/null", "nothing", &error)) << error.description;
  EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));
  TempDir dir;
  const std::string fifo = dir.path() + "pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string got;
  std::thread reader([&] {
    std::ifstream in(fifo);
    std::getline(in, got);
  });
  EXPECT_TRUE(WriteFileReplacing(fifo, "through the pipe\n", &error)) << error.description;
  reader.join();
  EXPECT_EQ(got, "through the pipe");
  EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
}

TEST(FileReplacement, AnUncommittedReplacementLeavesNoTrace) {
  TempDir dir;
  dir.Write("keep.txt", "old");
  {
    FileReplacement replacement;
    SystemError error;
    ASSERT_TRUE(replacement.Prepare(dir.path() + "keep.txt", "new", &error));
  }
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(ListFolder(dir.path(), entries, nullptr));
  EXPECT_EQ(entries.size(), 1u);
  EXPECT_EQ(dir.Read("keep.txt"), "old");
}

}  // namespace
}  // namespace qvn
