// What a viewer shows of a file: whole, cut with notes, or a message.

#include "core/app/viewer_text.h"

#include <gtest/gtest.h>

#include "core/platform/data_folder.h"
#include "core/settings/catalogue_texts.h"
#include "core/text/utf.h"
#include "support/temp_dir.h"

namespace qvn::app {
namespace {

const std::string kHeadNote =
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n";
const std::string kTailNote = "NOTE: Entire contents of file have not been displayed.\r\n";

// CR LF lines of `letter` (a character of one UTF-16 unit) up to exactly
// `units` UTF-16 units.
std::string Lines(std::size_t units, const std::string& letter) {
  std::string text;
  std::size_t counted = 0;
  for (int line = 1; counted < units; ++line) {
    const std::string number = std::to_string(line) + " ";
    for (std::size_t i = 0; i < number.size() && counted < units; ++i, ++counted)
      text += number[i];
    for (int i = 0; i < 20 && counted < units; ++i, ++counted) text += letter;
    for (const char* end : {"\r", "\n"})
      if (counted < units) text += end, ++counted;
  }
  return text;
}

TEST(ViewerText, ShortTextsWholeLongOnesCut) {
  const struct {
    std::size_t units;
    std::string letter;
    bool cut;
  } cases[] = {
      {65529, "a", false},
      {65529, "\xC3\xA9", false},  // more bytes than units
      {65530, "a", true},
      {70000, "\xC3\xA9", true},
  };
  const std::size_t head = 65530 - kHeadNote.size() - kTailNote.size();
  for (const auto& c : cases) {
    const std::string text = Lines(c.units, c.letter);
    const std::string shown = TextForViewer(text);
    if (c.cut) {
      EXPECT_EQ(shown, kHeadNote + Lines(head, c.letter) + "\r\n\r\n" + kTailNote);
      EXPECT_EQ(Utf16Length(shown), 65534u);
    } else {
      EXPECT_EQ(shown, text);
    }
  }
}

TEST(ViewerText, ACharacterIsNeverSplit) {
  // After "x" the head has room for an odd number of units, and each
  // character takes two.
  std::string text = "x";
  for (int i = 0; i < 35000; ++i) text += "\xF0\x9F\x98\x80";
  const std::string shown = TextForViewer(text);
  EXPECT_TRUE(IsValidUtf8(shown));
  EXPECT_EQ(Utf16Length(shown), 65533u);  // one unit short of the limit
}

TEST(ViewerText, FilesThatCannotBeShownGiveAMessage) {
  test::TempDir dir;
  dir.Write("empty.txt", "");
  dir.Write("a.txt", "a\r\n");
  Catalogue catalogue;
  ASSERT_GT(catalogue.Load(ProgramFilePath("qvn.dat")), 0);
  const ViewerText empty = ReadForViewer(dir.path() + "empty.txt", catalogue);
  ASSERT_TRUE(empty.problem);
  EXPECT_EQ(*empty.problem, (Message{catalogue.Get(texts::kEmptyFileShown),
                                     catalogue.Get(texts::kEmptyFileTitle), Icon::kWarning}));
  const ViewerText missing = ReadForViewer(dir.path() + "gone.txt", catalogue);
  ASSERT_TRUE(missing.problem);
  EXPECT_EQ(missing.problem->title, catalogue.Get(texts::kCannotReadFileTitle));
  EXPECT_EQ(missing.problem->text.rfind("Error ", 0), 0u);
  EXPECT_EQ(missing.text, "");
  EXPECT_EQ(ReadForViewer(dir.path() + "a.txt", catalogue).text, "a\r\n");
}

}  // namespace
}  // namespace qvn::app
