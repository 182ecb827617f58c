#include "core/settings/settings_file.h"

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

// The seven fields of Sample() as a file writes them.
const std::string kSampleSeven = test::CrLf({"\"/srv/site/\"", "\"images", "Old Stuff",
                                             "downloads\"", "\"temp, backup\"", "\"cgi-bin\"",
                                             " 1 ", " 0 ", " 1 "});

TEST(SettingsFile, LayoutAndRoundTrip) {
  const std::string text = FormatSettings(Sample());
  EXPECT_EQ(text, kSampleSeven);
  Settings back;
  EXPECT_EQ(ParseSettings(text, back), kSettingsFields);
  EXPECT_EQ(back, Sample());
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

// Any field of the more checks away from its default brings all seven in,
// the check of links to other sites all eight; with all at their defaults
// the file stays as earlier versions wrote it.
TEST(SettingsFile, MoreChecksAreWrittenOnlyWhenOneIsSet) {
  struct Change {
    const char* name;
    void (*change)(Settings&);
    int fields;
  };
  const Change changes[] = {
      {"all links", [](Settings& s) { s.all_links = 1; }, kMoreChecksFields},
      {"site root", [](Settings& s) { s.site_root = 1; }, kMoreChecksFields},
      {"site root folder", [](Settings& s) { s.site_root_folder = "/srv/www/"; }, kMoreChecksFields},
      {"index pages", [](Settings& s) { s.index_pages = 1; }, kMoreChecksFields},
      {"index files", [](Settings& s) { s.index_files = "home.htm"; }, kMoreChecksFields},
      {"index files emptied", [](Settings& s) { s.index_files.clear(); }, kMoreChecksFields},
      {"check fragments", [](Settings& s) { s.check_fragments = 1; }, kMoreChecksFields},
      {"letter case", [](Settings& s) { s.letter_case = 1; }, kMoreChecksFields},
      {"links to other sites", [](Settings& s) { s.external_links = 1; }, kAllSettingsFields},
  };
  Settings unchanged = Sample();
  SetMoreChecks(unchanged, MoreChecks());
  EXPECT_EQ(FormatSettings(unchanged), kSampleSeven);
  for (const auto& [name, change, fields] : changes) {
    Settings s = Sample();
    change(s);
    const std::string text = FormatSettings(s);
    EXPECT_TRUE(text.starts_with(kSampleSeven)) << name;
    Settings back;
    EXPECT_EQ(ParseSettings(text, back), fields) << name;
    EXPECT_EQ(back, s) << name;
  }
}

TEST(SettingsFile, FieldsOfTheMoreChecks) {
  Settings all = Sample();
  all.all_links = 1;
  all.site_root = 1;
  all.site_root_folder = "/srv/www/";
  all.index_pages = 1;
  all.index_files = "index.htm, home.html";
  all.check_fragments = 1;
  all.letter_case = 0;
  EXPECT_EQ(FormatSettings(all),
            kSampleSeven + test::CrLf({" 1 ", " 1 ", "\"/srv/www/\"", " 1 ",
                                       "\"index.htm, home.html\"", " 1 ", " 0 "}));
  struct Case {
    const char* name;
    std::string extra;  // after the seven fields of Sample()
    int fields;
    Settings expected;
  } cases[] = {
      {"earlier version", "", kSettingsFields, Sample()},
      {"all fourteen", FormatSettings(all).substr(kSampleSeven.size()), kMoreChecksFields, all},
      {"unquoted and on one line", "1,0,/w/,1,\"a, b\",0,1\r\n", kMoreChecksFields, [] {
         Settings s = Sample();
         s.all_links = 1;
         s.site_root_folder = "/w/";
         s.index_pages = 1;
         s.index_files = "a, b";
         s.letter_case = 1;
         return s;
       }()},
      {"the fifteenth ticked", "0,0,\"\",0,\"a\",0,0,1\r\n", kAllSettingsFields, [] {
         Settings s = Sample();
         s.index_files = "a";
         s.external_links = 1;
         return s;
       }()},
      {"malformed ninth", " 1 \r\n yes \r\n\"/w/\"\r\n 1 \r\n\"x\"\r\n 1 \r\n 1 \r\n", 8, [] {
         Settings s = Sample();
         s.all_links = 1;
         return s;
       }()},
      {"unclosed folder", " 1 \r\n 1 \r\n\"/w/\r\n", 9, [] {
         Settings s = Sample();
         s.all_links = 1;
         s.site_root = 1;
         return s;
       }()},
  };
  for (const auto& c : cases) {
    Settings s;
    const int read = ParseSettings(kSampleSeven + c.extra, s);
    EXPECT_EQ(read, c.fields) << c.name;
    EXPECT_EQ(IsCompleteSettingsRead(read), read == 7 || read == 14 || read == 15) << c.name;
    EXPECT_EQ(s, c.expected) << c.name;
  }
  // Fields from the malformed one on keep what they held.
  Settings kept = all;
  EXPECT_EQ(ParseSettings(kSampleSeven + " 0 \r\n x \r\n", kept), 8);
  EXPECT_EQ(kept.all_links, 0);
  EXPECT_EQ(kept.site_root, 1);
  EXPECT_EQ(kept.index_files, "index.htm, home.html");
  EXPECT_TRUE(IsCompleteSettingsRead(kSettingsFields));
  EXPECT_FALSE(IsCompleteSettingsRead(8));
  EXPECT_FALSE(IsCompleteSettingsRead(6));
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

// Settings with every field away from its default, and no line break in a
// text, so that the file's fields are its lines.
Settings EveryFieldSet() {
  Settings s;
  for (const SettingsField& field : kSettingsFieldTable) {
    if (field.kind == SettingsField::Kind::kNumber) {
      s.*field.value = field.default_value + field.number;
    } else {
      s.*field.text = "text " + std::to_string(field.number);
    }
  }
  return s;
}

TEST(SettingsFieldTable, EveryFieldIsWrittenAndReadBack) {
  for (const SettingsField& field : kSettingsFieldTable) {
    Settings s;
    if (field.kind == SettingsField::Kind::kNumber) {
      s.*field.value = -32768;
    } else {
      s.*field.text = "two\r\nlines, with a comma";
    }
    Settings back;
    const int group_end = field.number <= kSettingsFields     ? kSettingsFields
                          : field.number <= kMoreChecksFields ? kMoreChecksFields
                                                              : kAllSettingsFields;
    EXPECT_EQ(ParseSettings(FormatSettings(s), back), group_end) << field.name;
    EXPECT_EQ(back, s) << field.name;
  }
}

TEST(SettingsFieldTable, AFileCutAfterEachFieldReadsThatMany) {
  const Settings all = EveryFieldSet();
  const std::string text = FormatSettings(all);
  std::size_t end = 0;
  for (const SettingsField& field : kSettingsFieldTable) {
    end = text.find("\r\n", end) + 2;
    Settings s;
    EXPECT_EQ(ParseSettings(text.substr(0, end), s), field.number) << field.name;
    // The fields read are the file's; those after keep their defaults.
    for (const SettingsField& other : kSettingsFieldTable) {
      const Settings& expected = other.number <= field.number ? all : Settings();
      if (other.kind == SettingsField::Kind::kNumber) {
        EXPECT_EQ(s.*other.value, expected.*other.value) << field.name << ", " << other.name;
      } else {
        EXPECT_EQ(s.*other.text, expected.*other.text) << field.name << ", " << other.name;
      }
    }
  }
  EXPECT_EQ(end, text.size());
}

TEST(SettingsFieldTable, ADoubleQuoteIsRefusedNamingItsFieldAndNothingIsWritten) {
  TempDir dir;
  const std::string path = dir.path() + "s.usr";
  SystemError error;
  ASSERT_TRUE(WriteSettingsFile(path, Sample(), &error));
  const std::string before = dir.Read("s.usr");
  const std::string names[] = {"top folder",      "excluded top subfolders", "filepath exclusions",
                               "link exclusions", "site root folder",        "index pages"};
  std::size_t texts = 0;
  for (const SettingsField& field : kSettingsFieldTable) {
    if (field.kind != SettingsField::Kind::kText) continue;
    Settings bad = Sample();
    bad.*field.text = "say \"hi\"";
    EXPECT_EQ(FieldWithDoubleQuote(bad), names[texts++]);
    EXPECT_FALSE(WriteSettingsFile(path, bad, &error));
    EXPECT_EQ(error.code, -1);
    EXPECT_NE(error.description.find("The text of the " + std::string(field.name) + " holds"),
              std::string::npos);
    EXPECT_EQ(dir.Read("s.usr"), before) << field.name;
  }
  EXPECT_EQ(texts, std::size(names));
}

TEST(SettingsFile, AFileOverTheLimitOrEndlessIsRefusedNamingTheLimit) {
  TempDir dir;
  // Blanks before the first field fill the file to one byte past the limit.
  dir.Write("over.usr",
            std::string(kSettingsFileLimit + 1 - kSampleSeven.size(), ' ') + kSampleSeven);
  for (const std::string& path : {dir.path() + "over.usr", std::string("/dev/zero")}) {
    if (GetPathKind(path) == PathKind::kNone) continue;  // no /dev/zero
    Settings s;
    SystemError error;
    EXPECT_EQ(ReadSettingsFile(path, s, &error), -1) << path;
    EXPECT_EQ(error.code, kErrorOverLimit) << path;
    EXPECT_EQ(error.description,
              "the file is larger than 16 MB, the most a settings file may hold");
  }
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
