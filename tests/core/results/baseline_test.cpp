// Baselines: identity across edits, multiplicity, and which files are refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/results/baseline.h"
#include "core/results/report_json.h"
#include "results_samples.h"

namespace qvn {
namespace {

using test::SampleLink;
using test::TableOf;

SampleLink F(std::string page, std::string link, std::string target, long long line = 1) {
  return {std::move(page), line, std::move(link), std::move(target)};
}

// The text of the array under key in a results document (no "]" inside).
std::string ArrayText(const std::string& document, const std::string& key) {
  const std::size_t start = document.find("\"" + key + "\": [");
  if (start == std::string::npos) return "";
  const std::size_t begin = start + key.size() + 4;
  return document.substr(begin, document.find(']', begin) - begin);
}

// current (paths below /site/) against baseline (relative paths).
BaselineComparison Compare(const std::vector<SampleLink>& current,
                           const std::vector<SampleLink>& baseline) {
  return CompareWithBaseline(TableOf(current, "/site/"), "/site/", TableOf(baseline));
}

std::string States(const BaselineComparison& comparison) {
  std::string text;
  for (const auto state : comparison.states) text += state == BaselineState::kNew ? 'N' : 'E';
  return text;
}

std::string FixedLines(const BaselineComparison& comparison) {
  std::string text;
  for (std::size_t i = 0; i < comparison.fixed.size(); ++i)
    text += std::to_string(comparison.fixed.Link(i).line) + ";";
  return text;
}

TEST(Baseline, IdentityIsPageLinkAndTargetWithMultiplicity) {
  const std::vector<SampleLink> baseline = {F("a.htm", "x.htm", "x.htm", 3),
                                            F("a.htm", "x.htm", "x.htm", 7),
                                            F("b.htm", "y.htm", "y.htm", 2)};
  struct Case {
    const char* what;
    std::vector<SampleLink> current;
    const char* states;
    const char* fixed;
  } cases[] = {
      {"unchanged", baseline, "EEE", ""},
      {"lines moved", {F("a.htm", "x.htm", "x.htm", 30), F("a.htm", "x.htm", "x.htm", 70),
                       F("b.htm", "y.htm", "y.htm", 20)}, "EEE", ""},
      {"one of two repeats fixed", {F("a.htm", "x.htm", "x.htm", 3), F("b.htm", "y.htm", "y.htm")},
       "EE", "7;"},
      {"a third repeat", {F("a.htm", "x.htm", "x.htm"), F("a.htm", "x.htm", "x.htm"),
                          F("a.htm", "x.htm", "x.htm"), F("b.htm", "y.htm", "y.htm")},
       "EENE", ""},
      {"same target, other wording", {F("a.htm", "./x.htm", "x.htm"),
                                      F("a.htm", "x.htm", "x.htm"), F("b.htm", "y.htm", "y.htm")},
       "NEE", "7;"},
      {"same link, other page", {F("c.htm", "y.htm", "y.htm")}, "N", "3;7;2;"},
      {"all fixed", {}, "", "3;7;2;"},
  };
  for (const auto& c : cases) {
    const BaselineComparison comparison = Compare(c.current, baseline);
    EXPECT_EQ(States(comparison), c.states) << c.what;
    EXPECT_EQ(FixedLines(comparison), c.fixed) << c.what;
    const auto news = static_cast<long long>(std::count(c.states, c.states + strlen(c.states), 'N'));
    EXPECT_EQ(comparison.new_count, news) << c.what;
    EXPECT_EQ(comparison.existing_count, static_cast<long long>(strlen(c.states)) - news) << c.what;
  }
}

TEST(Baseline, MovesBetweenPlatformsAndSurvivesOddBytes) {
  // Written on Windows, read on POSIX; a name that is not UTF-8 is U+FFFD in the file.
  const std::vector<SampleLink> baseline = {F("news\\a.htm", "../x.htm", "x.htm"),
                                         F("caf\xEF\xBF\xBD.htm", "y.htm", "y.htm")};
  const std::vector<SampleLink> current = {F("news/a.htm", "../x.htm", "x.htm"),
                                        F("caf\xE9.htm", "y.htm", "y.htm")};
  EXPECT_EQ(States(Compare(current, baseline)), "EE");
}

TEST(Baseline, AResultsDocumentReadsBackAsItsLinks) {
  std::vector<SampleLink> links = {F("a.htm", "x \"1\".htm", "x \"1\".htm", 4),
                                   F("b.htm", "docs/", "docs/", 9)};
  links[1].kind = LinkKind::kFolder;
  links.push_back({"b.htm", 11, "Logo.gif", "Logo.gif", LinkKind::kLetterCase, "logo.gif"});
  const CheckResult result = test::ResultOf(links, "/site/");
  BrokenLinkTable read;
  std::string error;
  const std::string document = FormatResultsJson(result);
  ASSERT_TRUE(ParseBaseline(document, read, &error)) << error;
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read.Source(1), "b.htm");
  EXPECT_EQ(read.Link(0).link, "x \"1\".htm");
  EXPECT_EQ(read.Link(1).kind, LinkKind::kFolder);
  EXPECT_EQ(read.Link(1).line, 9);
  EXPECT_EQ(read.Link(1).column, 10);
  EXPECT_EQ(read.Link(2).suggestion, "logo.gif");
  EXPECT_EQ(States(CompareWithBaseline(result.broken_links, "/site/", read)), "EEE");
  // Listed as fixed, they are written as they were read.
  const BaselineComparison all_fixed = CompareWithBaseline({}, "/site/", read);
  EXPECT_EQ(ArrayText(FormatResultsJson(test::ResultOf({}, "/site/"), &all_fixed), "fixed"),
            ArrayText(document, "brokenLinks"));
}

TEST(Baseline, RefusesWhatIsNotAVersionOneResultsDocument) {
  struct Case {
    const char* text;
    const char* reason;
  } cases[] = {
      {"", "not valid JSON"},
      {"[]", "not a results document"},
      {"{\"format\": \"other\", \"version\": 1, \"brokenLinks\": []}", "not a results document"},
      {"{\"format\": \"quorvane-results\", \"brokenLinks\": []}", "no version"},
      {"{\"format\": \"quorvane-results\", \"version\": 2, \"brokenLinks\": []}", "version 2"},
      {"{\"format\": \"quorvane-results\", \"version\": 1}", "no \"brokenLinks\""},
      {"{\"format\": \"quorvane-results\", \"version\": 1, \"brokenLinks\": [{\"page\": \"a\", "
       "\"link\": \"b\"}]}",
       "broken link 1 lacks"},
      {"{\"format\": \"quorvane-results\", \"version\": 1, \"brokenLinks\": [{\"page\": 1, "
       "\"link\": \"b\", \"target\": \"c\"}]}",
       "broken link 1 lacks"},
  };
  for (const auto& c : cases) {
    BrokenLinkTable links;
    std::string error;
    EXPECT_FALSE(ParseBaseline(c.text, links, &error)) << c.text;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  BrokenLinkTable links;
  std::string error;
  EXPECT_TRUE(ParseBaseline("{\"format\": \"quorvane-results\", \"version\": 1, "
                            "\"brokenLinks\": [{\"page\": \"a\", \"link\": \"b\", \"target\": \"c\"}]}",
                            links, &error))
      << error;
}

}  // namespace
}  // namespace qvn
