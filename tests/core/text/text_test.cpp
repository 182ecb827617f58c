#include "core/text/text.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

using Items = std::vector<std::string>;

TEST(Text, SplitList) {
  struct Case {
    const char *text, *delimiter;
    long long start;
    bool trim;
    std::size_t max_items, min_length;
    Items expected;
  } cases[] = {
      {",x, y ,,", ",", 1, true, 0, 0, {"x", "y", ""}},
      {"a,,b", ",", 1, true, 0, 0, {"a", "", "b"}},
      {",", ",", 1, true, 0, 0, {""}},
      {",,", ",", 1, true, 0, 0, {""}},  // only one leading delimiter is dropped
      {" a , b ", ",", 1, false, 0, 0, {" a ", " b "}},
      {"a,b,c", ",", 1, true, 2, 0, {"a", "b"}},
      {"a,,b", ",", 1, true, 0, 1, {"a", "b"}},
      {"äb,c", ",", 2, true, 0, 0, {"b", "c"}},  // start counts characters
      {"a   b", " ", 1, false, 0, 0, {"a", "b"}},
      {"a;;b;;", ";;", 1, false, 0, 0, {"a", "b"}},
      {"xaaaa", "aaa", 1, false, 0, 0, {"x", "a"}},  // self-overlapping delimiter
  };
  for (const auto& c : cases) {
    Items items{"stale", "stale", "stale", "stale"};
    EXPECT_EQ(SplitList(c.text, c.delimiter, c.start, items, c.trim, c.max_items, c.min_length),
              c.expected.size())
        << c.text;
    EXPECT_EQ(items, c.expected) << c.text;
  }
  for (auto [text, start] : {std::pair{"", 1}, std::pair{"abc", 4}}) {
    Items items{"kept"};
    EXPECT_EQ(SplitList(text, ",", start, items, true), 0u);
    EXPECT_EQ(items, Items{"kept"});
  }
  // Items too short to store leave the list as it was too.
  Items items{"x", "y"};
  EXPECT_EQ(SplitList("a", ",", 1, items, true, 0, 5), 0u);
  EXPECT_EQ(items, (Items{"x", "y"}));
}

TEST(Text, SplitLines) {
  struct Case {
    const char* text;
    CaseMode mode;
    bool trim;
    Items expected;
    std::size_t count;
  } cases[] = {
      {" a \r\n\r\n B", CaseMode::kLower, true, {"a", "b"}, 2},
      {"", CaseMode::kUnchanged, true, {""}, 0},
      {"   \r\n  \r\n", CaseMode::kUnchanged, true, {""}, 0},
      {"a\nb\rc", CaseMode::kUnchanged, true, {"a\nb\rc"}, 1},  // only CR LF ends a line
      {" x \r\n", CaseMode::kUnchanged, false, {" x "}, 1},
      {"\t\r\nä", CaseMode::kUpper, true, {"\t", "Ä"}, 2},  // only spaces trimmed
  };
  for (const auto& c : cases) {
    Items items{"stale", "stale", "stale"};
    EXPECT_EQ(SplitLines(c.text, items, c.mode, c.trim), c.count) << c.text;
    EXPECT_EQ(items, c.expected) << c.text;
  }
}

TEST(Text, JoinArray) {
  const Items abc{"a", "b", "c"};
  EXPECT_EQ(JoinArray({"a", "b"}, "\r\n", false), "a\r\nb");
  EXPECT_EQ(JoinArray({"a", "b"}, "\r\n", true), "a\r\nb\r\n");
  EXPECT_EQ(JoinArray(abc, ",", false, 1, -1), "b,c");
  EXPECT_EQ(JoinArray(abc, ",", false, -1, 1), "a,b");
  EXPECT_EQ(JoinArray(abc, ",", true, 1, 1), "b,");
  EXPECT_EQ(JoinArray({"", ""}, ",", false), ",");
  EXPECT_EQ(JoinArray({}, ",", true), "");
}

TEST(Text, TrimLeftPartRepeat) {
  EXPECT_EQ(TrimBlanks("\t\r\n a b \x01"), "a b");
  EXPECT_EQ(TrimTrailingBlanks(" a \t"), " a");
  EXPECT_EQ(TrimSpaces(" \ta\n "), "\ta\n");
  EXPECT_EQ(TrimSpaces("   "), "");
  struct Case {
    const char* text;
    long long n;
    const char *left, *repeated;
  } cases[] = {
      {"äbc", 2, "äb", "äbcäbc"},
      {"abc", 3, "abc", "abcabcabc"},
      {"abc", 4, "abc", "abcabcabcabc"},
      {"abc", 0, "", ""},
      {"abc", -1, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeftPart(c.text, c.n), c.left) << c.n;
    EXPECT_EQ(RepeatText(c.text, c.n), c.repeated) << c.n;
  }
}

TEST(Text, FindChars) {
  struct Case {
    const char* text;
    long long start;
    const char* set;
    long long first_of, set_index, first_not_of;
  } cases[] = {
      {"hello", 1, "lo", 3, 1, 1},  {"hello", 4, "lo", 4, 1, 0}, {"hello", 5, "ol", 5, 1, 0},
      {"hello", -5, "he", 1, 1, 3}, {"héllo", 1, "l", 3, 1, 1},  {"ééx", 1, "é", 1, 1, 3},
      {"abc", 1, "xyz", 0, 0, 1},   {"abc", 10, "a", 0, 0, 0},   {"abc", 2, "", 0, 0, 1},
      {"", 1, "a", 0, 0, 0},
  };
  for (const auto& c : cases) {
    long long set_index = -1;
    EXPECT_EQ(FindFirstOfChars(c.text, c.start, c.set, set_index), c.first_of) << c.text;
    if (c.first_of > 0) {
      EXPECT_EQ(set_index, c.set_index) << c.text;
    }
    EXPECT_EQ(FindFirstNotOfChars(c.text, c.start, c.set), c.first_not_of) << c.text;
  }
}

TEST(Text, InPlaceEdits) {
  struct Case {
    void (*edit)(std::string&, std::string_view);
    const char *text, *arg, *expected;
  } cases[] = {
      {RemoveChars, "a-b--c-", "-", "abc"},    {RemoveChars, "--", "-", ""},
      {RemoveChars, "abcabc", "cb", "aa"},     {RemoveChars, "héllo wörld", "éö ", "hllowrld"},
      {RemoveChars, "abc", "", "abc"},         {StripTrailingSuffix, "x\r\n\r\n", "\r\n", "x"},
      {StripTrailingSuffix, "abab", "ab", ""}, {StripTrailingSuffix, "aba", "ab", "aba"},
      {StripTrailingSuffix, "a", "", "a"},
  };
  for (const auto& c : cases) {
    std::string s = c.text;
    c.edit(s, c.arg);
    EXPECT_EQ(s, c.expected) << c.text;
  }
}

TEST(Text, ReplaceAll) {
  struct Case {
    const char *text, *from, *to, *expected;
  } cases[] = {
      {"aaa", "a", "aa", "aaaaaa"},  // replacements are not searched again
      {"aaaa", "aa", "b", "bb"},    {"abcabc", "bc", "", "aa"},
      {"abc", "", "x", "abc"},      {"abc", "x", "y", "abc"},
  };
  for (const auto& c : cases) {
    std::string s = c.text;
    ReplaceAll(s, c.from, c.to);
    EXPECT_EQ(s, c.expected) << c.text;
  }
}

}  // namespace
}  // namespace qvn
