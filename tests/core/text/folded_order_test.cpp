// Ordering texts without regard to letter case: single comparisons, and the
// many-row sort checked against a plain stable sort by those comparisons.

#include "core/text/folded_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace qvn {
namespace {

int Sign(int n) {
  return (n > 0) - (n < 0);
}

TEST(FoldedOrder, ComparesLetterCaseAside) {
  struct Case {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"Gone.htm", "gone.HTM", 0},
      {"banner.GIF", "con", -1},
      {"page", "page.htm", -1},  // a text before the longer one it begins
      {"Zebra", "apple", 1},
      {"\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89", 0},  // Été, éTÉ
      {"z", "\xC3\xA9", -1},                          // é after ASCII
      {"\xE2\x84\xAA", "z", 1},                       // the Kelvin sign is not a k
      {"\xF0\x9F\x98\x80", "\xEF\xBF\xBD", -1},       // UTF-16 order: surrogates before U+FFFD
      {"", "a", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(CompareFolded(c.a, c.b)), c.order) << c.a << " / " << c.b;
    EXPECT_EQ(Sign(CompareFolded(c.b, c.a)), -c.order) << c.b << " / " << c.a;
  }
}

// Texts with long common prefixes (past several 8-byte steps), letter-case
// twins, repeats, non-ASCII at various places and empty ones.
std::vector<std::string> ManyTexts() {
  static const char* const kParts[] = {"a",         "B",        "docs/", "Docs/", "images/photo-0",
                                       "\xC3\xA9",  "\xC3\x89", "z",     "",      "-",
                                       "0123456789"};
  std::mt19937 random(7);
  std::vector<std::string> texts;
  for (int i = 0; i < 3000; ++i) {
    std::string text;
    const int parts = static_cast<int>(random() % 6);
    for (int p = 0; p < parts; ++p) text += kParts[random() % std::size(kParts)];
    texts.push_back(text);
  }
  return texts;
}

TEST(FoldedOrder, SortsAsComparingEachPairWould) {
  const std::vector<std::string> texts = ManyTexts();
  for (const bool descending : {false, true}) {
    std::vector<std::uint32_t> items(texts.size());
    std::iota(items.begin(), items.end(), 0u);
    std::vector<std::uint32_t> expected = items;
    std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
      const int order = CompareFolded(texts[a], texts[b]);
      return descending ? order > 0 : order < 0;
    });
    std::reverse(items.begin(), items.end());  // the sort must not depend on the order given
    SortByFoldedText(
        items, [&](std::uint32_t item) -> std::string_view { return texts[item]; }, descending);
    EXPECT_EQ(items, expected) << (descending ? "descending" : "ascending");
  }
}

}  // namespace
}  // namespace qvn
