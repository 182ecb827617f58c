// SARIF 2.1.0: the properties code-scanning services require and read, and
// how paths become URIs.

#include <gtest/gtest.h>

#include <set>

#include "results_samples.h"
#include "core/results/json_reader.h"
#include "core/results/report_sarif.h"

namespace qvn {
namespace {

using test::Native;

const SarifContext kContext{"1.2.3", "file:///site/"};

JsonValue Sarif(const CheckResult& result, const BaselineComparison* baseline = nullptr) {
  std::string error;
  auto value = ParseJson(FormatResultsSarif(result, baseline, kContext), &error);
  EXPECT_TRUE(value) << error;
  return value.value_or(JsonValue());
}

const JsonValue& Member(const JsonValue& object, std::string_view key) {
  static const JsonValue missing;
  const JsonValue* value = object.Find(key);
  EXPECT_NE(value, nullptr) << key;
  return value != nullptr ? *value : missing;
}

TEST(ResultsSarif, LogNamesItsVersionSchemaToolAndRules) {
  const JsonValue log = Sarif(test::SampleResult());
  EXPECT_EQ(Member(log, "version").text, "2.1.0");
  EXPECT_TRUE(Member(log, "$schema").text.ends_with("sarif-2.1.0.json"));
  ASSERT_EQ(Member(log, "runs").items.size(), 1u);
  const JsonValue& run = Member(log, "runs").items[0];
  const JsonValue& driver = Member(Member(run, "tool"), "driver");
  EXPECT_EQ(Member(driver, "name").text, "qvn");
  EXPECT_EQ(Member(driver, "version").text, "1.2.3");
  std::set<std::string> rule_ids;
  for (const auto& rule : Member(driver, "rules").items) {
    EXPECT_TRUE(rule_ids.insert(Member(rule, "id").text).second);
    EXPECT_FALSE(Member(Member(rule, "shortDescription"), "text").text.empty());
  }
  EXPECT_EQ(rule_ids, (std::set<std::string>{"missing-file", "folder", "not-a-file", "letter-case",
                                             "no-anchor", "no-index-page"}));
  EXPECT_TRUE(Member(Member(run, "invocations").items[0], "executionSuccessful").boolean);
  EXPECT_EQ(Member(Member(Member(run, "originalUriBaseIds"), "TOPFOLDER"), "uri").text,
            "file:///site/");
}

TEST(ResultsSarif, EachResultHasRuleMessageAndLocation) {
  const auto sample = test::SampleLinks();
  const JsonValue log = Sarif(test::ResultOf(sample));
  const JsonValue& run = Member(log, "runs").items.at(0);
  const auto& rules = Member(Member(Member(run, "tool"), "driver"), "rules").items;
  const auto& results = Member(run, "results").items;
  ASSERT_EQ(results.size(), sample.size());
  for (std::size_t i = 0; i < results.size(); ++i) {
    const JsonValue& result = results[i];
    const auto rule = static_cast<std::size_t>(Member(result, "ruleIndex").number);
    ASSERT_LT(rule, rules.size());
    EXPECT_EQ(Member(result, "ruleId").text, Member(rules[rule], "id").text);
    EXPECT_EQ(Member(result, "ruleId").text, KindName(sample[i].kind));
    EXPECT_EQ(Member(result, "level").text, "error");
    EXPECT_NE(Member(Member(result, "message"), "text").text.find(sample[i].link),
              std::string::npos);
    ASSERT_EQ(Member(result, "locations").items.size(), 1u);
    const JsonValue& physical = Member(Member(result, "locations").items[0], "physicalLocation");
    const JsonValue& artifact = Member(physical, "artifactLocation");
    EXPECT_EQ(Member(artifact, "uri").text, RelativeUri(sample[i].page));
    EXPECT_EQ(Member(artifact, "uriBaseId").text, "TOPFOLDER");
    const JsonValue& region = Member(physical, "region");
    EXPECT_EQ(Member(region, "startLine").number, sample[i].line);
    EXPECT_EQ(Member(region, "startColumn").number, 10);
    EXPECT_EQ(Member(region, "endColumn").number, 10 + sample[i].link.size());
    EXPECT_EQ(result.Find("baselineState"), nullptr);
  }
}

TEST(ResultsSarif, RepeatedLinksHaveTheirOwnFingerprintsWhichIgnoreLines) {
  auto links = test::SampleLinks();
  links.insert(links.begin() + 1, links[0]);
  auto fingerprints = [](const JsonValue& log) {
    std::vector<std::string> all;
    for (const auto& result : log.Find("runs")->items[0].Find("results")->items)
      all.push_back(result.Find("partialFingerprints")->items.at(0).text);
    return all;
  };
  const auto before = fingerprints(Sarif(test::ResultOf(links)));
  EXPECT_EQ(std::set<std::string>(before.begin(), before.end()).size(), before.size());
  for (auto& link : links) link.line += 10;
  EXPECT_EQ(fingerprints(Sarif(test::ResultOf(links))), before);
}

TEST(ResultsSarif, BaselineStatesAndFixedLinksAndStoppedRuns) {
  CheckResult sample = test::SampleResult();
  sample.stopped = true;
  const BaselineComparison comparison = test::SampleComparison(sample);
  const JsonValue log = Sarif(sample, &comparison);
  const JsonValue& run = log.Find("runs")->items[0];
  const auto& results = run.Find("results")->items;
  EXPECT_EQ(results[0].Find("baselineState")->text, "new");
  EXPECT_EQ(results[1].Find("baselineState")->text, "unchanged");
  const auto& fixed = run.Find("properties")->Find("fixed")->items;
  ASSERT_EQ(fixed.size(), 1u);
  EXPECT_EQ(fixed[0].Find("page")->text, "old.htm");
  const JsonValue& invocation = run.Find("invocations")->items[0];
  EXPECT_FALSE(invocation.Find("executionSuccessful")->boolean);
  EXPECT_EQ(invocation.Find("toolExecutionNotifications")->items.size(), 1u);
}

TEST(ResultsSarif, PathsBecomeUris) {
  struct Case {
    std::string path, uri;
  } relative[] = {
      {Native("sub/p.htm"), "sub/p.htm"},
      {"My Page.htm", "My%20Page.htm"},
      {"x:y.htm", "x%3Ay.htm"},
      {"100%.htm", "100%25.htm"},
      {"a#b?c.htm", "a%23b%3Fc.htm"},
      {"caf\xC3\xA9.htm", "caf%C3%A9.htm"},
      {"caf\xE9.htm", "caf%E9.htm"},
      {"a-b_c.d~e", "a-b_c.d~e"},
  };
  for (const auto& c : relative) EXPECT_EQ(RelativeUri(c.path), c.uri) << c.path;
  struct Case2 {
    std::string folder, uri;
  } folders[] = {
#ifdef _WIN32
      {"C:\\My Site\\", "file:///C:/My%20Site/"},
      {"\\\\server\\share\\web\\", "file://server/share/web/"},
      {"\\\\?\\C:\\long\\", "file:///C:/long/"},
#else
      {"/home/a b/site/", "file:///home/a%20b/site/"},
      {"/srv/web", "file:///srv/web/"},
#endif
  };
  for (const auto& c : folders) EXPECT_EQ(FolderFileUri(c.folder), c.uri) << c.folder;
}

}  // namespace
}  // namespace qvn
