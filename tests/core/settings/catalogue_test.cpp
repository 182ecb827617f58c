#include "core/settings/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/platform/platform.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

TEST(Catalogue, FailureTexts) {
  const std::string path = "/opt/quorvane/qvn.dat";
  struct Case {
    int code;
    std::string body;
  } cases[] = {
      {0, "No program text was read."},
      {-1, "Cannot open file containing program text.\r\n/opt/quorvane/qvn.dat"},
      {-2, "Particular memory allocation error."},
      {-3, "Too much program text."},
      {-4, "Text not recovered."},
      {-5, "Error -5"},
      {-6, "File is empty."},
      {-7, "Error reading file."},
      {-8, "General memory allocation error."},
      {-9, "Error -9"},
      {-500, "Error -500"},
      {-501, "Missing string at line 1."},
      {-1000, "Missing string at line 500."},
      {-1001, "String too long at line 1."},
      {-1500, "String too long at line 500."},
      {-1501, "Duplicate in program text at line 1."},
      {-2234, "Duplicate in program text at line 734."},
      {1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CatalogueFailureText(c.code, path), c.body) << c.code;
}

int LoadBytes(const std::string& bytes) {
  test::TempDir dir;
  dir.Write("qvn.dat", bytes);
  Catalogue catalogue;
  return catalogue.Load(dir.path() + "qvn.dat");
}

TEST(Catalogue, LoadFaults) {
  const std::string long_text(1025, 'x');
  std::string umlauts_1025;
  for (int k = 0; k < 1025; ++k) umlauts_1025 += "\xC3\xA4";
  std::string far_down;  // 600 comment lines, then the faulty line
  for (int k = 0; k < 600; ++k) far_down += "# filler\n";
  struct Case {
    const char* what;
    std::string bytes;
    int code;
  } cases[] = {
      {"no bytes", "", -6},
      {"only comments and blanks", "# texts\n\n  \t \n   # indented\n", 0},
      {"only a byte-order mark", "\xEF\xBB\xBF", 0},
      {"duplicate", "1 one\n2 two\n1 again\n", -1503},
      {"duplicate of a negative number", "-7 a\n-07 b\n", -1502},
      {"missing text", "# c\n5 five\n7\n", -503},
      {"number with only blanks after it", "7 \t \n", -501},
      {"no number", "hello\n", -501},
      {"number glued to text", "12abc\n", -501},
      {"sign alone", "- x\n", -501},
      {"plus sign", "+3 x\n", -501},
      {"above 16 bits", "1 a\n32768 x\n", -502},
      {"below 16 bits", "-32769 x\n", -501},
      {"text too long", "1 " + long_text + "\n", -1001},
      {"too long in characters", "1 " + umlauts_1025 + "\n", -1001},
      {"CR LF and CR line ends", "1 a\r\n2 b\r3 c\n3 d\r\n", -1504},
      {"byte-order mark is not a line",
       "\xEF\xBB\xBF"
       "1 a\n1 b\n",
       -1502},
      {"missing text beyond line 500", far_down + "5\n", -4},
      {"too long beyond line 500", far_down + "5 " + long_text + "\n", -4},
      {"duplicate beyond line 500", "5 a\n" + far_down + "5 b\n", -2102},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadBytes(c.bytes), c.code) << c.what;
}

TEST(Catalogue, TextsAndTheirLimits) {
  test::TempDir dir;
  std::string umlauts;  // 1024 characters, 2048 bytes
  for (int k = 0; k < 1024; ++k) umlauts += "\xC3\xA4";
  std::string content = "\xEF\xBB\xBF# header\r\n";
  content += "6\thttps://quorvane.example/\r\n";
  content += "  27   excluded.  \t\r\n";
  content += "28 ~\r\n";
  content += "30 ~x\r\n";
  content += "-32768 lowest\r\n";
  content += "32767 highest\r\n";
  content += "40 two  words\tinside\r\n";
  content += "41 caf\xE9\r\n";  // Windows-1252 é
  content += "42 " + umlauts + "\r\n";
  content += "43 #not a comment";  // no line end
  dir.Write("qvn.dat", content);
  Catalogue catalogue;
  ASSERT_EQ(catalogue.Load(dir.path() + "qvn.dat"), 10);
  struct Case {
    int number;
    std::string text;
  } cases[] = {
      {6, "https://quorvane.example/"},
      {27, "excluded."},
      {28, ""},
      {30, "~x"},
      {-32768, "lowest"},
      {32767, "highest"},
      {40, "two  words\tinside"},
      {41, "caf\xC3\xA9"},
      {42, umlauts},
      {43, "#not a comment"},
      {29, ""},  // no such number
      {0, ""},
      {100000, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(catalogue.Get(c.number), c.text) << c.number;
}

TEST(Catalogue, LoadReplacesAndFailureEmpties) {
  test::TempDir dir;
  dir.Write("a.dat", "1 first\n2 second\n");
  dir.Write("b.dat", "2 other\n");
  dir.Write("bad.dat", "3 kept?\n3 twice\n");
  Catalogue catalogue;
  ASSERT_EQ(catalogue.Load(dir.path() + "a.dat"), 2);
  ASSERT_EQ(catalogue.Load(dir.path() + "b.dat"), 1);
  EXPECT_EQ(catalogue.Get(1), "");
  EXPECT_EQ(catalogue.Get(2), "other");
  EXPECT_EQ(catalogue.Load(dir.path() + "bad.dat"), -1502);
  EXPECT_EQ(catalogue.Get(2), "");
  EXPECT_EQ(catalogue.Get(3), "");
}

TEST(Catalogue, FilesThatCannotBeRead) {
  test::TempDir dir;
  dir.MakeDir("folder.dat");
  Catalogue catalogue;
  EXPECT_EQ(catalogue.Load(dir.path() + "missing.dat"), -1);
  EXPECT_EQ(catalogue.Load(dir.path() + "folder.dat"), -1);
  EXPECT_EQ(catalogue.Load(""), -1);

  std::string huge(static_cast<std::size_t>(kCatalogueMaxFileBytes) + 1, '#');
  dir.Write("huge.dat", huge);
  EXPECT_EQ(catalogue.Load(dir.path() + "huge.dat"), -3);

  // A regular file whose reading fails: the start of our own address space.
  if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc";
  EXPECT_EQ(catalogue.Load("/proc/self/mem"), -7);
}

TEST(Catalogue, Path) {
  const std::string sep(1, kSeparator);
  struct Case {
    std::string folder, expected;
  } cases[] = {
      {sep + "opt" + sep + "quorvane", sep + "opt" + sep + "quorvane" + sep + "qvn.dat"},
      {sep + "opt" + sep + "quorvane" + sep, sep + "opt" + sep + "quorvane" + sep + "qvn.dat"},
      {sep, sep + "qvn.dat"},
      {"", "qvn.dat"},
  };
  for (const auto& c : cases) EXPECT_EQ(CataloguePath(c.folder, "qvn.dat"), c.expected) << c.folder;
}

TEST(Catalogue, ShippedFileHasTheProgramsTexts) {
  Catalogue catalogue;
  ASSERT_GT(catalogue.Load(std::string(QVN_SOURCE_DIR) + "/data/qvn.dat"), 0);
  for (int number : {6, 16, 17, 23, 24, 25, 26, 27, 29, 35, 36, 50, 52, 53, 310}) {
    EXPECT_NE(catalogue.Get(number), "") << number;
  }
  EXPECT_EQ(catalogue.Get(6), "https://quorvane.example/");
  EXPECT_EQ(catalogue.Get(16), "qvn_help.txt");
  EXPECT_EQ(catalogue.Get(310), "Quorvane");
  EXPECT_EQ("Two " + catalogue.Get(27), "Two excluded.");
  EXPECT_EQ(catalogue.Get(50), "Settings saved.");
}

}  // namespace
}  // namespace qvn
