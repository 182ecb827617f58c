// Windows only: paths with drive letters and "\", names through the wide
// functions, our files in Windows-1252.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/platform/text_file.h"
#include "core/results/report_by_source.h"
#include "core/results/report_by_target.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;
using test::TempDir;

// Names outside Windows-1252: Greek and Japanese.
const std::string kGreek = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1";  // Ωμέγα
const std::string kJapanese = "\xE6\x97\xA5\xE6\x9C\xAC";               // 日本

TEST(WindowsPath, RoutinesOnDrivePaths) {
  struct Case {
    const char* in;
    const char* out;
  } trailing[] = {{"C:\\web\\\\\\", "C:\\web\\"},
                  {"C:\\web", "C:\\web\\"},
                  {"\\", "\\"},
                  {"", ""},
                  {"C:\\site\\", "C:\\site\\"}};
  for (const auto& c : trailing) {
    std::string path = c.in;
    EnsureTrailingBackslash(path);
    EXPECT_EQ(path, c.out) << c.in;
  }
  EXPECT_EQ(GetFileNamePart("index.htm", false), "");
  EXPECT_EQ(GetFileNamePart("C:\\a\\Index.HTM", true), "index.htm");
  EXPECT_EQ(GetFolderPart("C:\\a\\Index.HTM", false), "C:\\a\\");
  EXPECT_EQ(GetFileExtension("C:\\a.b\\readme", false), "");
  EXPECT_EQ(GetFileExtension("C:\\x\\page.HTML", true), "html");
  // 'c:\Web\ÄBC' gives 'C:\web\äbc'.
  const std::string upper = "c:\\Web\\\xC3\x84", lower = "C:\\web\\\xC3\xA4";
  EXPECT_EQ(NormalisePathCase(upper + "BC"), lower + "bc");
  EXPECT_EQ(GetFolderPart(upper + "BC\\x.htm", true), lower + "bc\\");
}

TEST(WindowsPath, DotSegmentsKeepTheDriveRoot) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"C:\\site\\a\\..\\b.htm", "C:\\site\\b.htm"},
      {"C:\\site\\.\\img\\\\x.gif", "C:\\site\\img\\x.gif"},
      {"C:\\..\\x.htm", "C:\\x.htm"},
      {"C:\\site\\news\\2019\\..\\..\\img\\My Pic.JPG", "C:\\site\\img\\My Pic.JPG"},
      {"site\\..\\..\\x", "..\\x"},
      {"\\\\server\\www\\.\\img\\a.gif", "\\\\server\\www\\img\\a.gif"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveDotSegments(c.in), c.out) << c.in;
}

TEST(WindowsPlatform, LetterCaseDoesNotMatterToNames) {
  TempDir dir;
  dir.Write("img/logo.gif", "gif");
  for (const char* name : {"img\\logo.gif", "IMG\\Logo.GIF", "img/LOGO.gif"})
    EXPECT_TRUE(DoesFileExist(dir.path() + name)) << name;
  EXPECT_TRUE(IsExistingFolder(dir.path() + "Img"));
  EXPECT_FALSE(DoesFileExist(dir.path() + "img\\logo.gif\\"));
  EXPECT_FALSE(DoesFileExist(dir.path() + "img"));
}

TEST(WindowsPlatform, NamesOutsideTheAnsiCodePage) {
  TempDir dir;
  const std::string folder = dir.path() + kGreek + "\\";
  SystemError error;
  ASSERT_TRUE(CreateFolders(folder + kJapanese, &error)) << error.description;
  ASSERT_TRUE(WriteFileReplacing(folder + kJapanese + ".htm", "12345", &error));
  EXPECT_EQ(GetPathKind(folder + kJapanese), PathKind::kFolder);
  EXPECT_EQ(GetPathKind(folder + kJapanese + ".htm"), PathKind::kFile);
  EXPECT_EQ(GetFileSize(folder + kJapanese + ".htm"), 5u);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(folder + kJapanese + ".htm", bytes, &error, 1 << 20));
  EXPECT_EQ(bytes, "12345");
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(ListFolder(folder, entries, &error));
  ASSERT_EQ(entries.size(), 2u);
  const bool folder_first = entries[0].kind == PathKind::kFolder;
  EXPECT_EQ(entries[folder_first ? 0 : 1].name, kJapanese);
  EXPECT_EQ(entries[folder_first ? 1 : 0].name, kJapanese + ".htm");
  EXPECT_EQ(entries[folder_first ? 1 : 0].size, 5u);
  EXPECT_TRUE(dir.Exists(kGreek + "/" + kJapanese + ".htm"));
}

TEST(WindowsPlatform, DevicesAreNeverFiles) {
  TempDir dir;
  for (const char* name : {"nul", "NUL", "con", "aux.htm", "com1"}) {
    EXPECT_FALSE(DoesFileExist(dir.path() + name)) << name;
    InputFile file;
    EXPECT_FALSE(file.Open(dir.path() + name)) << name;
  }
}

TEST(WindowsPlatform, PathsLongerThanMaxPath) {
  TempDir dir;
  std::string folder = dir.path();
  while (folder.size() < 300) folder += "a-rather-long-folder-name\\";
  SystemError error;
  ASSERT_TRUE(CreateFolders(folder, &error)) << error.description;
  ASSERT_TRUE(WriteFileReplacing(folder + "page.htm", "x", &error)) << error.description;
  EXPECT_TRUE(DoesFileExist(folder + "page.htm"));
  EXPECT_EQ(GetFileSize(folder + "page.htm"), 1u);
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(ListFolder(folder, entries, &error));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "page.htm");
  EXPECT_TRUE(GetFolderId(folder).has_value());
  EXPECT_TRUE(RemoveFile(folder + "page.htm", &error));
}

TEST(WindowsPlatform, FoldersAndErrors) {
  TempDir dir;
  SystemError error;
  EXPECT_TRUE(CreateFolders(dir.path() + "a\\b/c\\", &error));
  EXPECT_EQ(GetPathKind(dir.path() + "a\\b\\c"), PathKind::kFolder);
  EXPECT_NE(GetFolderId(dir.path() + "a"), GetFolderId(dir.path() + "a\\b"));
  EXPECT_EQ(GetFolderId(dir.path() + "a"), GetFolderId(dir.path() + "A\\"));
  EXPECT_FALSE(GetFolderId(dir.path() + "missing").has_value());
  std::vector<FolderEntry> entries;
  EXPECT_FALSE(ListFolder(dir.path() + "missing", entries, &error));
  EXPECT_NE(error.code, 0);
  EXPECT_FALSE(error.description.empty());
  EXPECT_FALSE(RemoveFile(dir.path() + "missing.htm", &error));
  EXPECT_TRUE(CanWriteInFolder(dir.path() + "a", &error));
  ASSERT_TRUE(ListFolder(dir.path() + "a", entries, &error));
  EXPECT_EQ(entries.size(), 1u) << "the probe file was left behind";
}

TEST(WindowsPlatform, DataAndProgramFolders) {
  // The roaming application-data folder, which Windows also names in %APPDATA%.
  const char* appdata = std::getenv("APPDATA");
  ASSERT_NE(appdata, nullptr);
  EXPECT_EQ(NormalisePathCase(UserDataFolder()), NormalisePathCase(appdata));
  const std::string program = ProgramFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program.back(), '\\');
  EXPECT_TRUE(DoesFileExist(program + "qvn_tests.exe")) << program;
}

// The two eleven-line report examples, written as our files are: Windows-1252,
// so the em dash is the byte 0x97.
TEST(WindowsReports, ExamplesAreWrittenInWindows1252) {
  BrokenLinkTable table;
  table.Add("C:\\site\\index.htm", "C:\\site\\img\\logo.gif");
  table.Add("C:\\site\\index.htm", "C:\\site\\img\\logo.gif");
  table.Add("C:\\site\\news\\a.htm", "C:\\site\\old.htm");
  const ReportContext context{"C:\\site\\", false, false};
  const long long repeated = CountRepeatedLinks(table);
  TempDir dir;
  SystemError error;
  ASSERT_TRUE(WriteTextFile(dir.path() + "links_to.txt",
                            FormatReportBySource(table, context, repeated), &error));
  ASSERT_TRUE(WriteTextFile(dir.path() + "links_from.txt",
                            FormatReportByTarget(table, context, repeated), &error));
  std::string to = CrLf({"Top folder is", "C:\\site\\", "", "There are 3 broken links:", ""});
  std::string from = to;
  to += CrLf({"index.htm \x97>", "     img\\logo.gif", "news\\a.htm \x97>", "     old.htm", "",
              "There is one repeated-in-file broken link."});
  from += CrLf({"img\\logo.gif <\x97", "     index.htm", "old.htm <\x97", "     news\\a.htm", "",
                "There is one repeated-in-file broken link."});
  EXPECT_EQ(dir.Read("links_to.txt"), to);
  EXPECT_EQ(dir.Read("links_from.txt"), from);
  // Read back, they are the same texts again.
  std::string text;
  ASSERT_TRUE(ReadTextFile(dir.path() + "links_to.txt", text, &error));
  EXPECT_EQ(text, FormatReportBySource(table, context, repeated));
}

TEST(WindowsReports, CharactersOutsideWindows1252BecomeQuestionMarks) {
  TempDir dir;
  SystemError error;
  ASSERT_TRUE(WriteTextFile(dir.path() + "t.txt", "caf\xC3\xA9 " + kGreek + "\r\n", &error));
  EXPECT_EQ(dir.Read("t.txt"), "caf\xE9 ?????\r\n");
}

}  // namespace
}  // namespace qvn

#endif  // _WIN32
