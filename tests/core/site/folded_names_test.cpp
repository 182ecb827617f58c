// The folded-name index gives what comparing a name with every name of the
// folder gives: the same names, the same nearest suggestion.

#include "core/site/folded_names.h"

#include <gtest/gtest.h>

#include <random>

#include "core/links/letter_case.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

// The nearest name by comparing with every name, as the check once did.
std::string_view NearestByComparingAll(const std::vector<FoldedNames::Name>& names,
                                       std::string_view wanted, std::size_t limit, PathKind kind) {
  std::size_t best_distance = limit + 1;
  std::string_view best;
  for (const auto& name : names) {
    if (name.kind != kind) continue;
    const std::size_t distance = FoldedEditDistance(ToChars(wanted), ToChars(name.text), limit);
    if (distance < best_distance || (distance == best_distance && distance <= limit &&
                                     name.text < best)) {
      best_distance = distance;
      best = name.text;
    }
  }
  return best;
}

// Names alike enough that many lie within two edits of each other: numbered
// pages, letter-case twins, non-ASCII and invalid UTF-8, folders among files.
std::vector<std::string> SimilarNames(std::mt19937& random) {
  const std::vector<std::string> parts = {"a", "B", "0", "1", "\xC3\xA9", "\xC3\x89", ".",
                                          "htm", "x", "\xE9"};
  std::vector<std::string> names;
  for (int i = 0; i < 2000; ++i) {
    std::string name = i % 2 ? "page" : "Pa";
    const std::size_t length = random() % 6;
    for (std::size_t k = 0; k < length; ++k) name += parts[random() % parts.size()];
    names.push_back(name);
  }
  return names;
}

TEST(FoldedNames, NearestAndSameFoldedAgreeWithComparingEveryName) {
  std::mt19937 random(7);
  const std::vector<std::string> texts = SimilarNames(random);
  std::vector<FoldedNames::Name> names;
  for (std::size_t i = 0; i < texts.size(); ++i)
    names.push_back({texts[i], i % 7 == 0 ? PathKind::kFolder : PathKind::kFile});
  const FoldedNames index(names);
  for (int query = 0; query < 200; ++query) {
    std::string wanted = texts[random() % texts.size()];
    // Mostly near misses: a character changed, dropped or added.
    const std::size_t at = random() % (wanted.size() + 1);
    switch (query % 4) {
      case 0: wanted.insert(wanted.begin() + static_cast<std::ptrdiff_t>(at), 'Z'); break;
      case 1: if (at < wanted.size()) wanted.erase(at, 1); break;
      case 2: if (at < wanted.size()) wanted[at] = 'b'; break;
      default: wanted += "q1"; break;
    }
    for (const std::size_t limit : {1u, 2u}) {
      for (const PathKind kind : {PathKind::kFile, PathKind::kFolder}) {
        EXPECT_EQ(index.Nearest(wanted, limit, kind),
                  NearestByComparingAll(names, wanted, limit, kind))
            << wanted << " within " << limit;
      }
    }
  }
  // Letter case alone: the first by character code of the matching kind.
  const FoldedNames twins({{"Logo.GIF", PathKind::kFile},
                           {"logo.gif", PathKind::kFile},
                           {"LOGO.GIF", PathKind::kFolder},
                           {"\xC3\x89t\xC3\xA9", PathKind::kFile}});
  EXPECT_EQ(twins.SameFolded("LOGO.gif", PathKind::kFile), "Logo.GIF");
  EXPECT_EQ(twins.SameFolded("logo.GIF", PathKind::kFolder), "LOGO.GIF");
  EXPECT_EQ(twins.SameFolded("\xC3\xA9T\xC3\x89", PathKind::kFile), "\xC3\x89t\xC3\xA9");
  EXPECT_EQ(twins.SameFolded("logo.gi", PathKind::kFile), std::nullopt);
  EXPECT_EQ(FoldedNames({}).Nearest("a", 2, PathKind::kFile), "");
}

}  // namespace
}  // namespace qvn
