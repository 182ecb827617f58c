#include "core/text/casefold.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(CaseFold, LowerAndUpper) {
  struct Case {
    std::string text, lower, upper;
  } cases[] = {
      {"Index.HTM", "index.htm", "INDEX.HTM"},
      {"\xC3\x84rger", "\xC3\xA4rger", "\xC3\x84RGER"},                 // Ärger
      {"\xC5\xA0\xC5\xB8", "\xC5\xA1\xC3\xBF", "\xC5\xA0\xC5\xB8"},     // ŠŸ
      {"\xC4\xB0", "i", "\xC4\xB0"},                                   // İ lowers to i
      {"\xC3\x9F", "\xC3\x9F", "\xC3\x9F"},                            // ß has no 1:1 upper
      {"\xCE\xA9mega", "\xCF\x89mega", "\xCE\xA9MEGA"},                 // Ω
      {"bad\xFF", "bad\xFF", "BAD\xFF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LowerCaseLatin(c.text), c.lower) << c.text;
    EXPECT_EQ(UpperCaseLatin(c.text), c.upper) << c.text;
  }
}

TEST(CaseFold, AccentedTableAgreesWithUnicode) {
  const std::u32string capitals = U"ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝ";
  const std::u32string small = U"šÿàáâãäåçèéêëìíîïðñòóôõöøùúûüý";
  ASSERT_EQ(capitals.size(), 30u);
  for (std::size_t i = 0; i < capitals.size(); ++i) {
    EXPECT_EQ(LowerChar(capitals[i]), small[i]);
    EXPECT_EQ(UpperChar(small[i]), capitals[i]);
  }
}

TEST(CaseFold, FoldedContains) {
  EXPECT_TRUE(FoldedContains("C:/site/Old/a.htm", "old"));
  EXPECT_TRUE(FoldedContains("bOLD.htm", "old"));
  EXPECT_TRUE(FoldedContains("anything", ""));
  EXPECT_TRUE(FoldedContains("MA\xC4\xB0LTO:x", "mailto:"));
  EXPECT_FALSE(FoldedContains("mail to:", "mailto:"));
}

}  // namespace
}  // namespace qvn
