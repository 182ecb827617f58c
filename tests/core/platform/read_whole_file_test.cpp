// Reading a whole file within a limit: up to it is read, past it refused.

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

TEST(ReadWholeFile, RefusesMoreThanItsLimit) {
  test::TempDir dir;
  dir.Write("empty", "");
  dir.Write("ten", "0123456789");
  const struct {
    std::string path;
    std::uint64_t limit;
    bool read;
  } cases[] = {
      {dir.path() + "empty", 0, true},        {dir.path() + "ten", 10, true},
      {dir.path() + "ten", 9, false},         {dir.path() + "ten", 0, false},
      {dir.path() + "ten", UINT64_MAX, true}, {"/dev/zero", 1 << 20, false},
  };
  for (const auto& c : cases) {
    if (c.path == "/dev/zero" && GetPathKind(c.path) == PathKind::kNone) continue;
    std::string bytes = "left over";
    SystemError error;
    EXPECT_EQ(ReadWholeFile(c.path, bytes, &error, c.limit), c.read) << c.path << " " << c.limit;
    if (c.read) {
      EXPECT_EQ(bytes, dir.Read(c.path)) << c.path;
    } else {
      EXPECT_EQ(error.code, kErrorOverLimit) << c.path;
      EXPECT_EQ(bytes, "");
    }
  }
}

}  // namespace
}  // namespace qvn
