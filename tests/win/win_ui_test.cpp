// The shared helpers of the Windows front end: texts, twips, file filters.
#include "win/win_ui.h"

#include <gtest/gtest.h>

#include "win/file_dialogs.h"

namespace qvn::win {
namespace {

TEST(WinUiTest, TextsRoundTripAndGetCrLf) {
  const std::string text = "caf\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x98\x80";  // café 日 😀
  EXPECT_EQ(Utf8(Wide(text)), text);
  const struct {
    std::wstring in, out;
  } rows[] = {{L"a\nb", L"a\r\nb"}, {L"a\r\nb", L"a\r\nb"}, {L"\n\n", L"\r\n\r\n"}, {L"", L""}};
  for (const auto& row : rows) EXPECT_EQ(WithCrLf(row.in), row.out);
}

TEST(WinUiTest, TwipsAndPixelsAtEachDpi) {
  const struct {
    int twips, dpi, pixels;
  } rows[] = {{1440, 96, 96}, {1440, 144, 144}, {15, 96, 1}, {9780, 192, 1304}};
  for (const auto& row : rows) {
    EXPECT_EQ(Px(row.twips, row.dpi), row.pixels);
    EXPECT_EQ(Twips(row.pixels, row.dpi), row.twips);
  }
}

TEST(WinUiTest, FilterPatterns) {
  const struct {
    std::string filter, pattern;
  } rows[] = {{"Settings file (*.usr)", "*.usr"}, {"All (x) (*.txt;*.htm)", "*.txt;*.htm"},
              {"Anything", "*.*"}, {"Empty ()", "*.*"}};
  for (const auto& row : rows) EXPECT_EQ(FilterPattern(row.filter), row.pattern);
}

}  // namespace
}  // namespace qvn::win
