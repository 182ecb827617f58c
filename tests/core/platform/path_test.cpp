#include "core/platform/path.h"

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;

TEST(Path, EnsureTrailingBackslash) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {{"/web///", "/web/"}, {"/web", "/web/"}, {"/", "/"}, {"", ""}, {"a", "a/"}};
  for (const auto& c : cases) {
    std::string path = Native(c.in);
    EnsureTrailingBackslash(path);
    EXPECT_EQ(path, Native(c.out)) << c.in;
  }
}

TEST(Path, Parts) {
  EXPECT_EQ(GetFileNamePart("index.htm", false), "");
  EXPECT_EQ(GetFileNamePart(Native("/a/Index.HTM"), true), "index.htm");
  EXPECT_EQ(GetFileNamePart(Native("/a/Index.HTM"), false), "Index.HTM");
  EXPECT_EQ(GetFolderPart(Native("/a/b.htm"), false), Native("/a/"));
  EXPECT_EQ(GetFolderPart("b.htm", false), "");
  EXPECT_EQ(GetFolderPart(Native("/A/\xC3\x84/b.htm"), true), Native("/a/\xC3\xA4/"));
  EXPECT_EQ(GetFileExtension(Native("/a.b/readme"), true), "");
  EXPECT_EQ(GetFileExtension(Native("/x/page.HTML"), true), "html");
  EXPECT_EQ(GetFileExtension(Native("/x/page.HTML"), false), "HTML");
  EXPECT_EQ(GetFileExtension("page.tar.gz", false), "gz");
  EXPECT_EQ(GetFileExtension(Native("/x/.htaccess"), false), "htaccess");
  EXPECT_EQ(NormalisePathCase("c:\\Web\\\xC3\x84" "BC"), "C:\\web\\\xC3\xA4" "bc");
  EXPECT_EQ(NormalisePathCase(Native("/Web/ABC")), Native("/web/abc"));
}

TEST(Path, ResolveDotSegments) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"/site/a/../b.htm", "/site/b.htm"},
      {"/site/./b.htm", "/site/b.htm"},
      {"/site//b.htm", "/site/b.htm"},
      {"/../x", "/x"},
      {"//srv/www/./a", "//srv/www/a"},
      {"site/../../x", "../x"},
      {"../site/a/../b", "../site/b"},
      {"./a", "a"},
      {".", "."},
      {"a/..", "."},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveDotSegments(Native(c.in)), Native(c.out)) << c.in;
  EXPECT_TRUE(EndsInNonFileComponent(Native("/site/page.htm/")));
  EXPECT_TRUE(EndsInNonFileComponent(Native("/site/.")));
  EXPECT_TRUE(EndsInNonFileComponent(Native("/site/..")));
  EXPECT_FALSE(EndsInNonFileComponent(Native("/site/..x")));
}

TEST(Path, ExistenceQueries) {
  test::TempDir dir;
  dir.Write("f.htm", "x");
  dir.MakeDir("sub");
  EXPECT_TRUE(DoesFileExist(dir.path() + "f.htm"));
  EXPECT_FALSE(DoesFileExist(dir.path() + "sub"));
  EXPECT_FALSE(DoesFileExist(""));
  EXPECT_TRUE(IsExistingFolder("  " + dir.path() + "sub  "));
  EXPECT_FALSE(IsExistingFolder(dir.path() + "f.htm"));
  EXPECT_FALSE(IsExistingFolder("   "));
}

TEST(Platform, WritingReplacesOnlyOnSuccess) {
  test::TempDir dir;
  SystemError error;
  ASSERT_TRUE(WriteFileReplacing(dir.path() + "r.txt", "old", &error));
  ASSERT_TRUE(WriteFileReplacing(dir.path() + "r.txt", "new", &error));
  EXPECT_EQ(dir.Read("r.txt"), "new");
  dir.Write("busy/inside.txt", "x");
  EXPECT_FALSE(WriteFileReplacing(dir.path() + "busy", "text", &error));
  EXPECT_NE(error.code, 0);
  EXPECT_FALSE(error.description.empty());
  EXPECT_EQ(dir.Read("busy/inside.txt"), "x");
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(ListFolder(dir.path(), entries, nullptr));
  EXPECT_EQ(entries.size(), 2u) << "a temporary file was left behind";
  EXPECT_TRUE(CreateFolders(dir.path() + "a/b/c", &error));
  EXPECT_FALSE(CreateFolders(dir.path() + "r.txt/x", &error));
}

}  // namespace
}  // namespace qvn
