#include "core/text/wildcard.h"

#include <string>

#include "core/text/casefold.h"
#include "core/text/text.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

// Walks text and pattern side by side; a "*" jumps to the first occurrence of
// the pattern's next literal character, with no second try at a later one.
bool WalkPattern(std::u32string_view text, std::u32string_view pattern) {
  std::size_t i = 0;
  for (std::size_t j = 0; j < pattern.size(); ++j) {
    const char32_t p = pattern[j];
    if (p == U'*') {
      const std::size_t literal = pattern.find_first_not_of(U"*?", j + 1);
      if (literal == std::u32string_view::npos) return true;
      i = text.find(pattern[literal], i);
      if (i == std::u32string_view::npos) return false;
      continue;  // the occurrence is compared with the pattern character after the "*"
    }
    if (i >= text.size() || (p != U'?' && p != text[i])) return false;
    ++i;
  }
  return i >= text.size();
}

}  // namespace

bool MatchesWildcard(std::string_view text, std::string_view pattern, bool case_sensitive) {
  const std::u32string t = ToChars(case_sensitive ? std::string(text) : LowerCaseLatin(text));
  const std::u32string p = ToChars(case_sensitive ? std::string(pattern) : LowerCaseLatin(pattern));
  if (t == p || p.empty()) return true;
  if (t.empty()) return p.find_first_not_of(U'*') == std::u32string::npos;
  return WalkPattern(t, p);
}

bool MatchesFilePattern(std::string_view name, std::string_view pattern, bool case_sensitive) {
  // Characters that Windows forbids in file names: such a name never matches,
  // so both builds give the same answer.
  if (name.find_first_of("?*:\\") != std::string_view::npos) return false;
  pattern = TrimSpaces(pattern);
  if (pattern.empty()) return true;

  const std::size_t name_dot = name.rfind('.');
  const std::size_t pattern_dot = pattern.rfind('.');
  if (pattern_dot == std::string_view::npos) {
    return name_dot == std::string_view::npos && MatchesWildcard(name, pattern, case_sensitive);
  }
  const std::string_view pattern_base = pattern.substr(0, pattern_dot);
  const std::string_view pattern_ext = pattern.substr(pattern_dot + 1);
  if (name_dot == std::string_view::npos) {
    return pattern_ext.find_first_not_of('*') == std::string_view::npos &&
           MatchesWildcard(name, pattern_base, case_sensitive);
  }
  return MatchesWildcard(name.substr(0, name_dot), pattern_base, case_sensitive) &&
         MatchesWildcard(name.substr(name_dot + 1), pattern_ext, case_sensitive);
}

}  // namespace qvn
