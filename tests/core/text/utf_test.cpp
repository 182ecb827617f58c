#include "core/text/utf.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(Utf, ValidityOfSequences) {
  struct Case {
    std::string text;
    bool valid;
  } cases[] = {
      {"plain", true},           {"caf\xC3\xA9", true},      {"\xE2\x80\x94", true},
      {"\xF0\x9F\x98\x80", true}, {"caf\xE9", false},         {"\xC0\xAF", false},
      {"\xED\xA0\x80", false},   {"\xF4\x90\x80\x80", false}, {"\xE2\x80", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(Utf, InvalidBytesSurviveDecodeAndEncode) {
  const std::string raw = "a\xFF\xC3(\xE9z";
  std::string back;
  for (std::size_t i = 0; i < raw.size();) AppendUtf8(back, DecodeNext(raw, i));
  EXPECT_EQ(back, raw);
}

TEST(Utf, Windows1252BothWays) {
  EXPECT_EQ(Windows1252ToUtf8("caf\xE9 \x97 \x80"), "caf\xC3\xA9 \xE2\x80\x94 \xE2\x82\xAC");
  EXPECT_EQ(Utf8ToWindows1252("caf\xC3\xA9 \xE2\x80\x94 \xE2\x82\xAC \xE4\xB8\xAD"),
            "caf\xE9 \x97 \x80 ?");
  EXPECT_EQ(DecodeTextLine("ok \xC3\xA9"), "ok \xC3\xA9");
  EXPECT_EQ(DecodeTextLine("\xC3\xA9 \xE9"), "\xC3\x83\xC2\xA9 \xC3\xA9");
}

TEST(Utf, Utf16LengthCountsCodeUnits) {
  EXPECT_EQ(Utf16Length(""), 0u);
  EXPECT_EQ(Utf16Length("abc"), 3u);
  EXPECT_EQ(Utf16Length("\xC3\xA9\xE2\x80\x94"), 2u);
  EXPECT_EQ(Utf16Length("\xF0\x9F\x98\x80"), 2u);
  EXPECT_EQ(Utf16Length("\xFF"), 1u);
}

TEST(Utf, OrdinalOrderIsByUtf16Units) {
  struct Case {
    std::string a, b;
    int sign;
  } cases[] = {
      {"Z", "a", -1},
      {"a.htm", "a/x.htm", -1},
      {"page", "page.htm", -1},
      {"abc", "abc", 0},
      // U+FF21 sorts after a supplementary character in UTF-16 though not in UTF-8.
      {"\xEF\xBC\xA1", "\xF0\x9F\x98\x80", 1},
      {"x\xC3\xA9", "x\xC3\xA8", 1},
      {"\xC3\x28", "\xC3\xA9", 1},  // raw byte 0xC3 (U+DCC3) after U+00E9
  };
  for (const auto& c : cases) {
    const int got = CompareUtf16(c.a, c.b);
    EXPECT_EQ((got > 0) - (got < 0), c.sign) << c.a << " vs " << c.b;
    const int back = CompareUtf16(c.b, c.a);
    EXPECT_EQ((back > 0) - (back < 0), -c.sign) << c.b << " vs " << c.a;
  }
}

TEST(Utf, PaddedOrderTreatsMissingCharactersAsSpaces) {
  EXPECT_LT(ComparePaddedUtf16("page", "page.htm"), 0);
  EXPECT_EQ(ComparePaddedUtf16("a", "a  "), 0);
  EXPECT_GT(ComparePaddedUtf16("a", "a\t"), 0);
  EXPECT_LT(ComparePaddedUtf16("", "a"), 0);
}

}  // namespace
}  // namespace qvn
