#include "core/links/letter_case.h"

#include <gtest/gtest.h>

#include "core/text/utf.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;
using test::TempDir;

FolderEntry Entry(const char* name, PathKind kind) {
  FolderEntry entry;
  entry.name = name;
  entry.kind = kind;
  return entry;
}

TEST(LetterCase, EditDistanceIgnoresLetterCaseAndStopsAtTheLimit) {
  struct Case {
    const char* a;
    const char* b;
    std::size_t limit, distance;
  } cases[] = {
      {"logo.gif", "LOGO.GIF", 2, 0},   {"logo.gif", "lgo.gif", 2, 1},
      {"logo.gif", "lago.gjf", 2, 2},   {"logo.gif", "logo.jpeg", 2, 3},
      {"abc", "xyz", 1, 2},             {"", "ab", 5, 2},
      {"\xC3\x84rger", "\xC3\xA4rger", 1, 0},  // Ä and ä: one character each
      {"kitten", "sitting", 5, 3},      {"a.htm", "abcdefghij.htm", 2, 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FoldedEditDistance(ToChars(c.a), ToChars(c.b), c.limit), c.distance)
        << c.a << " " << c.b;
}

TEST(LetterCase, SuggestionsAreNearFilesTiesByName) {
  const ExistenceCache::Listing listing(
      true, {Entry("logo.gif", PathKind::kFile), Entry("about.htm", PathKind::kFile),
             Entry("abut.htm", PathKind::kFile), Entry("b.gif", PathKind::kFile),
             Entry("a.gif", PathKind::kFile), Entry("images", PathKind::kFolder),
             Entry("c.gif", PathKind::kFolder)});
  struct Case {
    const char* name;
    const char* suggestion;
  } cases[] = {
      {"lgo.gif", "logo.gif"},     {"LOGO.GIF", "logo.gif"},   {"logo.gjf", "logo.gif"},
      {"logo.jpeg", ""},           {"abot.htm", "about.htm"},  // nearest wins over abut (2)
      {"abaut.htm", "about.htm"},  // both 1 away: the first by name
      {"d.gif", "a.gif"},          // short: 1 allowed; a/b tie, folders never
      {"dd.gif", "a.gif"},         // six characters: 2 allowed
      {"imagez", ""},              // a folder is no suggestion
  };
  for (const Case& c : cases) EXPECT_EQ(SuggestSimilarName(listing, c.name), c.suggestion) << c.name;
  // An unreadable folder suggests nothing.
  EXPECT_EQ(
      SuggestSimilarName(ExistenceCache::Listing(false, {Entry("a.gif", PathKind::kFile)}), "b.gif"),
      "");
}

TEST(LetterCase, RealNamesFromTheFirstThatDiffers) {
  TempDir site;
  site.Write("Img/Sub/logo.gif", "gif");
#ifdef _WIN32
  const char* const kFirstOfTwo = "Sub/logo.gif";  // one name: the file system ignores case
#else
  site.Write("Img/Sub/LOGO.GIF", "gif");
  const char* const kFirstOfTwo = "Sub/LOGO.GIF";
#endif
  site.Write("docs/a.htm", "x");
  site.MakeDir("docs/b.htm");
  ExistenceCache cache;
  FolderLookup lookup(cache);
  struct Case {
    const char* relative;
    std::optional<std::string> real;
  } cases[] = {
      {"Img/Sub/logo.gif", ""},
      {"img/Sub/logo.gif", "Img/Sub/logo.gif"},
      {"Img/sub/Logo.gif", kFirstOfTwo},  // two candidates: the first by character code
      {"Img/Sub/gone.gif", std::nullopt},
      {"DOCS/A.HTM", "docs/a.htm"},
      {"docs/B.htm", std::nullopt},  // a folder, not a file
      {"docs/a.htm/x", std::nullopt},
  };
  for (const Case& c : cases) {
    auto real = RealNamesBelow(lookup, site.path(), Native(c.relative));
    if (c.real) {
      ASSERT_TRUE(real.has_value()) << c.relative;
      EXPECT_EQ(*real, Native(*c.real)) << c.relative;
    } else {
      EXPECT_FALSE(real.has_value()) << c.relative;
    }
  }
  EXPECT_EQ(RealNamesBelow(lookup, site.path(), "IMG", PathKind::kFolder), "Img");
}

}  // namespace
}  // namespace qvn
