#include "core/text/wildcard.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(Wildcard, MatchesWildcard) {
  struct Case {
    const char *text, *pattern;
    bool case_sensitive, match;
  } cases[] = {
      {"abc", "abc", true, true},
      {"abc", "", true, true},
      {"", "***", true, true},
      {"", "*?", true, false},
      {"", "a", true, false},
      {"abc", "a?c", true, true},
      {"ac", "a?c", true, false},
      {"abc", "ab", true, false},
      {"ab", "abc", true, false},
      {"abc", "*", true, true},
      {"abc", "*?", true, true},
      {"abd", "*bd", true, true},
      {"abcbd", "*bd", true, false},  // no backtracking
      {"xay", "*a?", true, true},
      {"abxc", "a*c?", true, false},
      {"README", "readme", false, true},
      {"README", "readme", true, false},
      {"ÄBC", "ä*", false, true},
      {"ßx", "?x", true, true},  // one character, two bytes
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesWildcard(c.text, c.pattern, c.case_sensitive), c.match)
        << c.text << " ~ " << c.pattern;
  }
}

TEST(Wildcard, MatchesFilePattern) {
  struct Case {
    const char *name, *pattern;
    bool case_sensitive, match;
  } cases[] = {{"README", "*.*", false, true},       {"index.htm", "*.*", false, true},
               {".htaccess", "*.*", false, true},    {"a.b.c", "*.c", false, true},
               {"a.b.c", "a.*", false, false},       {"page.htm", "*.HTM", false, true},
               {"page.htm", "*.HTM", true, false},   {"page.htm", " *.htm ", false, true},
               {"page.htm", "  ", false, true},      {"a?b", "", false, false},
               {"c:x", "*.*", false, false},         {"a\\b", "*.*", false, false},
               {"README", "*", false, true},         {"index.htm", "*", false, false},
               {"README", "*.htm", false, false},    {"README", "*.", false, true},
               {"README", "R*.**", false, true},     {"README", "x*.*", false, false},
               {"index.html", "*.ht?", false, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesFilePattern(c.name, c.pattern, c.case_sensitive), c.match)
        << c.name << " ~ " << c.pattern;
  }
}

}  // namespace
}  // namespace qvn
