#include "core/platform/text_file.h"

#include <gtest/gtest.h>

#include "core/settings/settings_file.h"
#include "support/temp_dir.h"
#include "support/utf16_text.h"

namespace qvn {
namespace {

using test::TempDir;

TEST(TextFile, ReadsUtf16Utf8AndWindows1252) {
  const std::string text = "\"/srv/caf\xC3\xA9/\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n 0 \r\n 1 \r\n";
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"utf-16 little-endian", test::Utf16Text(text, false)},
      {"utf-16 big-endian", test::Utf16Text(text, true)},
      {"utf-8", text},
      {"windows-1252", "\"/srv/caf\xE9/\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n 0 \r\n 1 \r\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    dir.Write("s.usr", c.bytes);
    std::string read;
    SystemError error;
    ASSERT_TRUE(ReadTextFile(dir.path() + "s.usr", read, &error)) << c.name;
    EXPECT_EQ(read, text) << c.name;  // a UTF-16 file's mark is dropped
    // A settings file saved as UTF-16 by an editor reads whole.
    Settings settings;
    EXPECT_EQ(ReadSettingsFile(dir.path() + "s.usr", settings, &error), kSettingsFields) << c.name;
    EXPECT_EQ(settings.top_folder, "/srv/caf\xC3\xA9/") << c.name;
  }
}

}  // namespace
}  // namespace qvn
