// The JSON results document against its published schema
// (docs/results.schema.json), and its values and order.

#include <gtest/gtest.h>

#include "results_samples.h"
#include "core/results/json_reader.h"
#include "core/results/report_json.h"
#include "support/json_schema.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::SampleResult;

const JsonValue& Schema() {
  static const JsonValue schema = [] {
    test::TempDir scratch;
    const std::string text =
        scratch.Read(std::string(QVN_SOURCE_DIR) + "/docs/results.schema.json");
    std::string error;
    auto value = ParseJson(text, &error);
    if (!value) ADD_FAILURE() << "schema: " << error;
    return value.value_or(JsonValue());
  }();
  return schema;
}

std::vector<std::string> Problems(const std::string& document) {
  std::string error;
  const auto value = ParseJson(document, &error);
  if (!value) return {"not JSON: " + error};
  return test::JsonSchemaValidator(Schema()).Validate(*value);
}

std::string Joined(const std::vector<std::string>& problems) {
  std::string text;
  for (const auto& p : problems) text += p + "\n";
  return text;
}

TEST(ResultsJson, EveryKindOfRunValidatesAgainstTheSchema) {
  CheckResult stopped = SampleResult();
  stopped.stopped = true;
  const CheckResult empty = test::ResultOf({}, "/site/", 3);
  const CheckResult sample = SampleResult();
  const CheckResult odd = test::OddlyNamedResult();
  const BaselineComparison comparison = test::SampleComparison(sample);
  const BaselineComparison all_fixed =
      CompareWithBaseline({}, "/site/", test::TableOf(test::SampleLinks()));
  const std::pair<const char*, std::string> documents[] = {
      {"sample", FormatResultsJson(sample)},
      {"stopped", FormatResultsJson(stopped)},
      {"empty", FormatResultsJson(empty)},
      {"odd names", FormatResultsJson(odd)},
      {"baseline", FormatResultsJson(sample, &comparison)},
      {"all fixed", FormatResultsJson(empty, &all_fixed)},
  };
  for (const auto& [what, document] : documents)
    EXPECT_EQ(Joined(Problems(document)), "") << what << "\n" << document;
}

TEST(ResultsJson, TheSchemaRefusesWhatReadersCouldNotRelyOn) {
  const std::string good = FormatResultsJson(SampleResult());
  ASSERT_TRUE(Problems(good).empty());
  const std::pair<std::string, std::string> changes[] = {
      {"\"kind\": \"folder\"", "\"kind\": \"directory\""},
      {"\"line\": 3", "\"line\": 0"},
      {"\"line\": 3", "\"line\": 3.5"},
      {"\"suggestion\": null", "\"suggestion\": 1"},
      {"\"version\": 1", "\"version\": 2"},
      {"\"page\": \"index.htm\",", ""},
      {"\"stopped\": false", "\"stopped\": false, \"when\": \"today\""},
      {"\"brokenLinks\": [", "\"baseline\": {\"new\": 0, \"existing\": 0, \"fixed\": 0}, \"brokenLinks\": ["},
  };
  for (const auto& [from, to] : changes) {
    std::string bad = good;
    const auto at = bad.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    bad.replace(at, from.size(), to);
    EXPECT_FALSE(Problems(bad).empty()) << to;
  }
}

TEST(ResultsJson, ValuesAndOrderAreThoseOfTheTable) {
  const CheckResult sample = SampleResult();
  const auto expected = test::SampleLinks();
  const BaselineComparison comparison = test::SampleComparison(sample);
  const auto value = ParseJson(FormatResultsJson(sample, &comparison), nullptr);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->Find("topFolder")->text, sample.top_folder);
  const JsonValue& counts = *value->Find("counts");
  EXPECT_EQ(counts.Find("pagesRead")->number, 9);
  EXPECT_EQ(counts.Find("pagesWithBrokenLinks")->number, 3);
  EXPECT_EQ(counts.Find("brokenLinks")->number, 5);
  EXPECT_EQ(counts.Find("byKind")->Find("missing-file")->number, 3);
  EXPECT_EQ(counts.Find("byKind")->Find("not-a-file")->number, 1);
  EXPECT_EQ(value->Find("baseline")->Find("new")->number, 1);
  EXPECT_EQ(value->Find("baseline")->Find("fixed")->number, 1);
  const auto& links = value->Find("brokenLinks")->items;
  ASSERT_EQ(links.size(), expected.size());
  for (std::size_t i = 0; i < links.size(); ++i) {
    EXPECT_EQ(links[i].Find("page")->text, expected[i].page);
    EXPECT_EQ(links[i].Find("line")->number, expected[i].line);
    EXPECT_EQ(links[i].Find("link")->text, expected[i].link);
    EXPECT_EQ(links[i].Find("target")->text, expected[i].target);
    EXPECT_EQ(links[i].Find("kind")->text, KindName(expected[i].kind));
    EXPECT_EQ(links[i].Find("baseline")->text, i == 0 ? "new" : "existing");
  }
  ASSERT_EQ(value->Find("fixed")->items.size(), 1u);
  EXPECT_EQ(value->Find("fixed")->items[0].Find("page")->text, "old.htm");
  EXPECT_EQ(value->Find("fixed")->items[0].Find("baseline"), nullptr);
}

TEST(ResultsJson, OddNamesSurviveAndSuggestionsAreStrings) {
  const CheckResult odd = test::OddlyNamedResult();
  const auto value = ParseJson(FormatResultsJson(odd), nullptr);
  ASSERT_TRUE(value);
  const auto& links = value->Find("brokenLinks")->items;
  EXPECT_EQ(links[0].Find("link")->text, "x \"quoted\".htm");
  EXPECT_EQ(links[1].Find("page")->text, "line\nbreak.htm");
  EXPECT_EQ(links[2].Find("page")->text.substr(0, 6), "caf\xEF\xBF\xBD");
  EXPECT_TRUE(links[0].Find("suggestion")->Is(JsonValue::Type::kNull));
  EXPECT_EQ(links[3].Find("suggestion")->text, "100.htm");
}

}  // namespace
}  // namespace qvn
