#include "core/results/sorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/text/casefold.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

using Texts = std::vector<std::string>;

Texts Ascending(Texts a, bool fold, long long column = 1) {
  SortStringsFolded(a, 0, static_cast<long long>(a.size()) - 1, fold, column);
  return a;
}

TEST(Sorting, WholeRangeCases) {
  struct Case {
    const char* what;
    Texts input;
    bool fold;
    long long column;
    Texts expected;
  } cases[] = {
      {"capitals first", {"b", "B", "a", "A"}, false, 1, {"A", "B", "a", "b"}},
      {"folded", {"Beta", "alpha", "Gamma"}, true, 1, {"alpha", "Beta", "Gamma"}},
      {"space before dot", {"page.htm", "page "}, false, 1, {"page ", "page.htm"}},
      {"prefix is smaller", {"index.htm", "index", "ind"}, false, 1, {"ind", "index", "index.htm"}},
      {"dot before digit, capital, separator, small",
       {"a", "\\", "A", "1", "."},
       false,
       1,
       {".", "1", "A", "\\", "a"}},
      // UTF-16 order: a supplementary character (surrogates D83D..) comes
      // before U+FFFD, unlike code point or UTF-8 byte order.
      {"code units",
       {"\xEF\xBF\xBD", "\xF0\x9F\x98\x80"},
       false,
       1,
       {"\xF0\x9F\x98\x80", "\xEF\xBF\xBD"}},
      {"already ascending", {"a", "b", "c", "d", "e"}, false, 1, {"a", "b", "c", "d", "e"}},
      {"descending input", {"e", "d", "c", "b", "a"}, false, 1, {"a", "b", "c", "d", "e"}},
      {"duplicates kept", {"b", "a", "b", "a"}, false, 1, {"a", "a", "b", "b"}},
      {"start column", {"b:zz", "a:yy", "c:xx"}, false, 3, {"c:xx", "a:yy", "b:zz"}},
      // Columns count characters: byte columns would compare "\xA4a" with "z".
      {"column in characters", {"äa", "bz"}, false, 2, {"äa", "bz"}},
      {"column beyond text is empty key",
       {"abc", "x", "ab", "y"},
       false,
       3,
       {"x", "ab", "y", "abc"}},
      {"column below one is whole text", {"b", "a"}, false, 0, {"a", "b"}},
      {"folded from a column", {"X:b", "x:B", "y:a"}, true, 3, {"y:a", "X:b", "x:B"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Ascending(c.input, c.fold, c.column), c.expected) << c.what;
  }
}

// Entries with equal keys end where the quicksort's exchanges put them; these
// orders were worked out by hand from its steps.
TEST(Sorting, EqualKeysKeepTheQuicksortOrder) {
  struct Case {
    Texts input;
    Texts ascending;   // SortStringsFolded, folding
    Texts descending;  // QuickSortDescendingFolded, folding
  } cases[] = {
      {{"Temp", "temp"}, {"Temp", "temp"}, {"temp", "Temp"}},
      {{"temp", "Temp"}, {"temp", "Temp"}, {"Temp", "temp"}},
      {{"\xC3\x84rger", "\xC3\xA4rger"},
       {"\xC3\x84rger", "\xC3\xA4rger"},
       {"\xC3\xA4rger", "\xC3\x84rger"}},  // Ärger, ärger
      {{"x", "X", "x", "X"}, {"X", "x", "X", "x"}, {"x", "X", "x", "X"}},
      {{"Apple", "apple", "APPLE"}, {"Apple", "apple", "APPLE"}, {"APPLE", "apple", "Apple"}},
      {{"a", "A", "b", "B", "a"}, {"A", "a", "a", "B", "b"}, {"b", "B", "a", "a", "A"}},
      {{"B", "b", "a", "A", "b", "B"},
       {"A", "a", "b", "B", "b", "B"},
       {"B", "b", "B", "b", "a", "A"}},
      {{"one", "One", "ONE", "two", "Two"},
       {"One", "one", "ONE", "Two", "two"},
       {"two", "Two", "ONE", "one", "One"}},
  };
  for (const auto& c : cases) {
    const long long last = static_cast<long long>(c.input.size()) - 1;
    Texts up = c.input;
    SortStringsFolded(up, 0, last, true, 1);
    EXPECT_EQ(up, c.ascending) << c.input[0];
    Texts down = c.input;
    QuickSortDescendingFolded(down, 0, last, true, 1);
    EXPECT_EQ(down, c.descending) << c.input[0];
  }
}

TEST(Sorting, DescendingAndUnfoldedForms) {
  const Texts input = {"b", "B", "a", "A"};
  Texts a = input;
  SortStrings(false, a, 0, 3, 1);
  EXPECT_EQ(a, (Texts{"b", "a", "B", "A"}));
  a = input;
  QuickSortDescending(a, 0, 3, 1);
  EXPECT_EQ(a, (Texts{"b", "a", "B", "A"}));
  a = input;
  SortStrings(true, a, 0, 3, 1);
  EXPECT_EQ(a, (Texts{"A", "B", "a", "b"}));
  // Without folding the folded forms sort case-sensitively.
  a = input;
  QuickSortDescendingFolded(a, 0, 3, false, 1);
  EXPECT_EQ(a, (Texts{"b", "a", "B", "A"}));
  a = input;
  SortStringsFolded(a, 0, 3, false, 1);
  EXPECT_EQ(a, (Texts{"A", "B", "a", "b"}));
}

TEST(Sorting, RangesLeaveOtherEntriesAlone) {
  const Texts input = {"z", "d", "c", "b", "a", "0"};
  struct Case {
    long long first, last;
    Texts expected;
  } cases[] = {
      {1, 4, {"z", "a", "b", "c", "d", "0"}},
      {0, 1, {"d", "z", "c", "b", "a", "0"}},
      {4, 5, {"z", "d", "c", "b", "0", "a"}},
      {2, 2, input},   // one entry
      {3, 2, input},   // empty
      {-1, 3, input},  // outside the list
      {2, 6, input},   // outside the list
      {5, -1, input},
  };
  for (const auto& c : cases) {
    Texts a = input;
    SortStringsFolded(a, c.first, c.last, true, 1);
    EXPECT_EQ(a, c.expected) << c.first << ".." << c.last;
    a = input;
    SortStrings(true, a, c.first, c.last, 1);
    EXPECT_EQ(a, c.expected) << c.first << ".." << c.last;
  }
  Texts empty;
  SortStrings(true, empty, 0, -1, 1);
  SortStringsFolded(empty, 0, 0, true, 1);
  EXPECT_TRUE(empty.empty());
}

// The quicksort exactly as its steps read, recursing into both parts, left
// first, with keys worked out at every comparison. The program's version must
// give the same order, equal keys included.
std::string Key(const std::string& s, long long column, bool fold) {
  std::size_t i = 0;
  for (long long k = 1; k < column && i < s.size(); ++k) DecodeNext(s, i);
  return fold ? LowerCaseLatin(s.substr(i)) : s.substr(i);
}

void StepByStep(Texts& a, long long first, long long last, bool fold, long long column) {
  if (first >= last) return;
  long long i = first, j = last;
  const std::string pivot = Key(a[first + (last - first) / 2], column, fold);
  while (i <= j) {
    while (i < last && CompareUtf16(Key(a[i], column, fold), pivot) > 0) ++i;
    while (j > first && CompareUtf16(Key(a[j], column, fold), pivot) < 0) --j;
    if (i <= j) {
      if (i < j) std::swap(a[i], a[j]);
      ++i;
      --j;
    }
  }
  if (first < j) StepByStep(a, first, j, fold, column);
  if (i < last) StepByStep(a, i, last, fold, column);
}

Texts RandomTexts(std::mt19937& rng, std::size_t count) {
  // Few distinct keys, so that equal keys (after folding) are common.
  static const char* const kPieces[] = {
      "a", "A", "b", "B", ".", " ", "\xC3\xA4", "\xC3\x84", "\xF0\x9F\x98\x80", "\xEF\xBF\xBD",
      "1", "\\"};
  std::uniform_int_distribution<int> length(0, 3), piece(0, 11);
  Texts out(count);
  for (auto& s : out) {
    for (int n = length(rng); n > 0; --n) s += kPieces[piece(rng)];
  }
  return out;
}

TEST(Sorting, RandomRangesMatchTheStepsAndAreOrdered) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    const Texts input = RandomTexts(rng, 1 + rng() % 300);
    const long long n = static_cast<long long>(input.size());
    const long long first = static_cast<long long>(rng() % n);
    const long long last = first + static_cast<long long>(rng() % (n - first));
    const bool fold = rng() % 2 == 0;
    const long long column = 1 + static_cast<long long>(rng() % 3);

    Texts expected = input;
    StepByStep(expected, first, last, fold, column);
    Texts down = input;
    QuickSortDescendingFolded(down, first, last, fold, column);
    ASSERT_EQ(down, expected) << "round " << round;

    std::reverse(expected.begin() + first, expected.begin() + last + 1);
    Texts up = input;
    SortStringsFolded(up, first, last, fold, column);
    ASSERT_EQ(up, expected) << "round " << round;

    // Independent of the steps: an ordered permutation of the range.
    for (long long k = first; k < last; ++k) {
      ASSERT_LE(CompareUtf16(Key(up[k], column, fold), Key(up[k + 1], column, fold)), 0);
    }
    Texts sorted_in = input, sorted_out = up;
    std::sort(sorted_in.begin(), sorted_in.end());
    std::sort(sorted_out.begin(), sorted_out.end());
    ASSERT_EQ(sorted_in, sorted_out);
    ASSERT_TRUE(std::equal(input.begin(), input.begin() + first, up.begin()));
    ASSERT_TRUE(std::equal(input.begin() + last + 1, input.end(), up.begin() + last + 1));
  }
}

TEST(Sorting, LargeListsOfEveryShape) {
  const long long n = 100000;
  Texts equal(n, "same"), rising(n), falling(n);
  for (long long k = 0; k < n; ++k) {
    rising[k] = std::to_string(1000000 + k);
    falling[k] = std::to_string(1000000 + n - k);
  }
  const Texts equal_in = equal;
  for (Texts* a : {&equal, &rising, &falling}) {
    SortStrings(true, *a, 0, n - 1, 1);
    EXPECT_TRUE(std::is_sorted(a->begin(), a->end()));
  }
  EXPECT_EQ(equal, equal_in);
}

}  // namespace
}  // namespace qvn
