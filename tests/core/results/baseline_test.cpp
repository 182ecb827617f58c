// Baselines: identity across edits, multiplicity, and which files are refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/results/baseline.h"
#include "core/results/report_json.h"

namespace qvn {
namespace {

Finding F(std::string page, std::string link, std::string target, long long line = 1) {
  Finding finding;
  finding.page = std::move(page);
  finding.link = std::move(link);
  finding.target = std::move(target);
  finding.line = line;
  finding.note = "no such file";
  return finding;
}

std::string States(const BaselineComparison& comparison) {
  std::string text;
  for (const auto state : comparison.states) text += state == BaselineState::kNew ? 'N' : 'E';
  return text;
}

std::string FixedLines(const BaselineComparison& comparison) {
  std::string text;
  for (const auto& finding : comparison.fixed) text += std::to_string(finding.line) + ";";
  return text;
}

TEST(Baseline, IdentityIsPageLinkAndTargetWithMultiplicity) {
  const std::vector<Finding> baseline = {F("a.htm", "x.htm", "x.htm", 3),
                                         F("a.htm", "x.htm", "x.htm", 7),
                                         F("b.htm", "y.htm", "y.htm", 2)};
  struct Case {
    const char* what;
    std::vector<Finding> current;
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
    const BaselineComparison comparison = CompareWithBaseline(c.current, baseline);
    EXPECT_EQ(States(comparison), c.states) << c.what;
    EXPECT_EQ(FixedLines(comparison), c.fixed) << c.what;
    const auto news = static_cast<long long>(std::count(c.states, c.states + strlen(c.states), 'N'));
    EXPECT_EQ(comparison.new_count, news) << c.what;
    EXPECT_EQ(comparison.existing_count, static_cast<long long>(strlen(c.states)) - news) << c.what;
  }
}

TEST(Baseline, MovesBetweenPlatformsAndSurvivesOddBytes) {
  // Written on Windows, read on POSIX; a name that is not UTF-8 is U+FFFD in the file.
  const std::vector<Finding> baseline = {F("news\\a.htm", "../x.htm", "x.htm"),
                                         F("caf\xEF\xBF\xBD.htm", "y.htm", "y.htm")};
  const std::vector<Finding> current = {F("news/a.htm", "../x.htm", "x.htm"),
                                        F("caf\xE9.htm", "y.htm", "y.htm")};
  EXPECT_EQ(States(CompareWithBaseline(current, baseline)), "EE");
}

TEST(Baseline, AResultsDocumentReadsBackAsItsFindings) {
  Findings findings;
  findings.top_folder = "/site/";
  findings.items = {F("a.htm", "x \"1\".htm", "x \"1\".htm", 4), F("b.htm", "docs/", "docs/", 9)};
  findings.items[1].kind = FindingKind::kFolder;
  findings.items[1].column = 12;
  std::vector<Finding> read;
  std::string error;
  ASSERT_TRUE(ParseBaseline(FormatResultsJson(findings), read, &error)) << error;
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].link, "x \"1\".htm");
  EXPECT_EQ(read[1].kind, FindingKind::kFolder);
  EXPECT_EQ(read[1].line, 9);
  EXPECT_EQ(read[1].column, 12);
  EXPECT_EQ(States(CompareWithBaseline(findings.items, read)), "EE");
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
    std::vector<Finding> findings;
    std::string error;
    EXPECT_FALSE(ParseBaseline(c.text, findings, &error)) << c.text;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  std::vector<Finding> findings;
  std::string error;
  EXPECT_TRUE(ParseBaseline("{\"format\": \"quorvane-results\", \"version\": 1, "
                            "\"brokenLinks\": [{\"page\": \"a\", \"link\": \"b\", \"target\": \"c\"}]}",
                            findings, &error))
      << error;
}

}  // namespace
}  // namespace qvn
