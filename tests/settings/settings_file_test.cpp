#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::TempDir;

Settings Sample() {
  Settings s;
  s.top_folder = "/srv/site/";
  s.excluded_subfolders = "images\r\nOld Stuff\r\ndownloads";
  s.excluded_filepaths = "temp, backup";
  s.excluded_links = "cgi-bin";
  s.top_folder_only = 1;
  s.show_repeated = 0;
  s.include_php = 1;
  return s;
}

bool Same(const Settings& a, const Settings& b) {
  return a.top_folder == b.top_folder && a.excluded_subfolders == b.excluded_subfolders &&
         a.excluded_filepaths == b.excluded_filepaths && a.excluded_links == b.excluded_links &&
         a.top_folder_only == b.top_folder_only && a.show_repeated == b.show_repeated &&
         a.include_php == b.include_php;
}

TEST(SettingsFile, LayoutAndRoundTrip) {
  const std::string text = FormatSettings(Sample());
  EXPECT_EQ(text, test::CrLf({"\"/srv/site/\"", "\"images", "Old Stuff", "downloads\"",
                              "\"temp, backup\"", "\"cgi-bin\"", " 1 ", " 0 ", " 1 "}));
  Settings back;
  EXPECT_EQ(ParseSettings(text, back), kSettingsFields);
  EXPECT_TRUE(Same(back, Sample()));
}

TEST(SettingsFile, ReadsAsFarAsItCan) {
  struct Case {
    std::string text;
    int fields;
  } cases[] = {
      {"", 0},
      {"\"/a/\"\r\n\"x\"\r\n\"p\"\r\n\"l\"\r\n", 4},
      {"\"/a/\"\r\n\"x\"\r\n\"p\"\r\n\"l\"\r\nyes\r\n 1 \r\n 1 \r\n", 4},
      {"\"/a/\"\r\n\"x\"\r\n\"p\"\r\n\"l\"\r\n 1 \r\n 2 \r\n +1 \r\n", 7},
      {"\"/a/\"\r\n\"x\"\r\n\"p\"\r\n\"l\"\r\n 1 \r\n 40000 \r\n 1 \r\n", 5},
      {"\xEF\xBB\xBF\"/a/\"\r\n\"x\"\r\n\"p\"\r\n\"l\"\r\n 1 \r\n 0 \r\n 1 \r\n", 7},
      {"\"/a/\"\r\n\"unclosed\r\n", 1},
      {"  \"/a/\" , \"x\",\"p\"\n\"l\"\n1\n0\n1", 7},
      {"\"/a/\"\r\n\"x\"\r\n\"p\"\r\n\"l\"\r\n 1 \r\n 0 \r\n", 6},
  };
  for (const auto& c : cases) {
    Settings s = Sample();
    EXPECT_EQ(ParseSettings(c.text, s), c.fields) << c.text;
  }
  // Fields not reached keep what they held.
  Settings s = Sample();
  ParseSettings("\"/b/\"\r\n\"y\"\r\n\"q\"\r\n\"m\"\r\n", s);
  EXPECT_EQ(s.top_folder, "/b/");
  EXPECT_EQ(s.excluded_links, "m");
  EXPECT_EQ(s.top_folder_only, 1);
  EXPECT_EQ(s.include_php, 1);
}

TEST(SettingsFile, FilesFromAnotherPlatform) {
  // Windows-1252 text with backslashes in the subfolder names.
  const std::string text =
      "\"C:\\site\\\"\r\n\"images\\old\r\ncaf\xE9\"\r\n\"temp\"\r\n\"\"\r\n 0 \r\n 1 \r\n 0 \r\n";
  TempDir dir;
  dir.Write("win.usr", text);
  Settings s;
  SystemError error;
  EXPECT_EQ(ReadSettingsFile(dir.path() + "win.usr", s, &error), kSettingsFields);
  EXPECT_EQ(s.top_folder, "C:\\site\\");
  EXPECT_EQ(s.excluded_subfolders, test::Native("images/old\r\ncaf\xC3\xA9"));
  EXPECT_EQ(s.show_repeated, 1);
}

TEST(SettingsFile, DoubleQuotesAreRefusedAndNothingIsWritten) {
  TempDir dir;
  const std::string path = dir.path() + "s.usr";
  SystemError error;
  ASSERT_TRUE(WriteSettingsFile(path, Sample(), &error));
  const std::string before = dir.Read("s.usr");
  Settings bad = Sample();
  bad.excluded_links = "say \"hi\"";
  EXPECT_EQ(FieldWithDoubleQuote(bad), "link exclusions");
  EXPECT_FALSE(WriteSettingsFile(path, bad, &error));
  EXPECT_EQ(error.code, -1);
  EXPECT_NE(error.description.find("link exclusions"), std::string::npos);
  EXPECT_EQ(dir.Read("s.usr"), before);
  bad = Sample();
  bad.top_folder = "/a\"b/";
  EXPECT_EQ(FieldWithDoubleQuote(bad), "top folder");
}

TEST(SettingsFile, UnwritableFolderKeepsTheOldFile) {
  TempDir dir;
  SystemError error;
  EXPECT_FALSE(WriteSettingsFile(dir.path() + "missing/s.usr", Sample(), &error));
  EXPECT_NE(error.code, 0);
  EXPECT_FALSE(error.description.empty());
  Settings s;
  EXPECT_EQ(ReadSettingsFile(dir.path() + "none.usr", s, &error), -1);
}

}  // namespace
}  // namespace qvn
