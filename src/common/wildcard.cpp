#include "common/wildcard.h"

#include <string>

#include "common/casefold.h"
#include "common/text.h"
#include "common/utf.h"

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

bool MatchesFileSpec(std::string_view name, std::string_view spec, bool case_sensitive) {
  // Characters that Windows forbids in file names: such a name never matches,
  // so both builds give the same answer.
  if (name.find_first_of("?*:\\") != std::string_view::npos) return false;
  spec = TrimSpaces(spec);
  if (spec.empty()) return true;

  const std::size_t name_dot = name.rfind('.');
  const std::size_t spec_dot = spec.rfind('.');
  if (spec_dot == std::string_view::npos) {
    return name_dot == std::string_view::npos && MatchesWildcard(name, spec, case_sensitive);
  }
  const std::string_view spec_base = spec.substr(0, spec_dot);
  const std::string_view spec_ext = spec.substr(spec_dot + 1);
  if (name_dot == std::string_view::npos) {
    return spec_ext.find_first_not_of('*') == std::string_view::npos &&
           MatchesWildcard(name, spec_base, case_sensitive);
  }
  return MatchesWildcard(name.substr(0, name_dot), spec_base, case_sensitive) &&
         MatchesWildcard(name.substr(name_dot + 1), spec_ext, case_sensitive);
}

}  // namespace qvn
