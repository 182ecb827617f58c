// The JSON writer and reader: escaping, invalid UTF-8, layout, and what the
// reader refuses.

#include <gtest/gtest.h>

#include <optional>

#include "core/results/json_reader.h"
#include "core/results/json_writer.h"

namespace qvn {
namespace {

std::string Quoted(std::string_view text) {
  std::string out;
  AppendJsonString(out, text);
  return out;
}

TEST(JsonWriter, StringsAreEscapedAsRfc8259Asks) {
  struct Case {
    std::string_view text, json;
  } cases[] = {
      {"plain", "\"plain\""},
      {"say \"hi\" \\ there", "\"say \\\"hi\\\" \\\\ there\""},
      {"a/b", "\"a/b\""},
      {"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
      {std::string_view("\x01\x1F\0", 3), "\"\\u0001\\u001f\\u0000\""},
      {"\x7F", "\"\x7F\""},
      {"caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80", "\"caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80\""},
      // Bytes that are not UTF-8 (a Latin-1 name, a lone continuation, an
      // encoded surrogate) each become U+FFFD.
      {"caf\xE9.htm", "\"caf\xEF\xBF\xBD.htm\""},
      {"\x80", "\"\xEF\xBF\xBD\""},
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
  };
  for (const auto& c : cases) EXPECT_EQ(Quoted(c.text), c.json) << c.text;
}

TEST(JsonWriter, EveryStringItWritesReadsBackAsValidUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const auto value = ParseJson(Quoted(all), nullptr);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->text, ToValidUtf8(all));
  EXPECT_EQ(value->text.substr(0, 128), all.substr(0, 128));
}

TEST(JsonWriter, LayoutIsIndentedWithLfAndEmptyContainersStayShort) {
  JsonWriter writer;
  writer.BeginObject();
  writer.Field("a", 1);
  writer.Key("list");
  writer.BeginArray();
  writer.String("x");
  writer.Null();
  writer.BeginObject();
  writer.EndObject();
  writer.EndArray();
  writer.Key("empty");
  writer.BeginArray();
  writer.EndArray();
  writer.FieldBool("yes", true);
  writer.EndObject();
  EXPECT_EQ(writer.Take(),
            "{\n"
            "  \"a\": 1,\n"
            "  \"list\": [\n"
            "    \"x\",\n"
            "    null,\n"
            "    {}\n"
            "  ],\n"
            "  \"empty\": [],\n"
            "  \"yes\": true\n"
            "}\n");
}

TEST(JsonReader, ReadsWhatTheGrammarAllows) {
  std::string error;
  const auto value = ParseJson(
      "\xEF\xBB\xBF { \"n\": -2.5e-1, \"i\": 12, \"s\": \"\\u00e9\\ud83d\\ude00\\/\","
      " \"a\": [true, false, null], \"o\": {} }\r\n",
      &error);
  ASSERT_TRUE(value) << error;
  EXPECT_EQ(value->Find("n")->number, -0.25);
  EXPECT_FALSE(value->Find("n")->IsInteger());
  EXPECT_TRUE(value->Find("i")->IsInteger());
  EXPECT_EQ(value->Find("s")->text, "\xC3\xA9\xF0\x9F\x98\x80/");
  EXPECT_EQ(value->Find("a")->items.size(), 3u);
  EXPECT_TRUE(value->Find("o")->Is(JsonValue::Type::kObject));
  EXPECT_EQ(value->keys, (std::vector<std::string>{"n", "i", "s", "a", "o"}));
  EXPECT_EQ(value->Find("missing"), nullptr);
}

TEST(JsonReader, RefusesWhatIsNotJson) {
  const std::string deep = std::string(300, '[') + std::string(300, ']');
  const char* cases[] = {
      "",
      "{\"a\": 1,}",
      "[1,]",
      "{\"a\": 1} x",
      "{\"a\": 1, \"a\": 2}",
      "\"\\ud800\"",
      "\"\\udc00\"",
      "\"\\ud800\\u0041\"",
      "\"tab\there\"",
      "\"\\x\"",
      "01",
      "1.",
      "-",
      "+1",
      "1e",
      "tru",
      "'single'",
      "{a: 1}",
      "\"caf\xE9\"",
      "\"open",
      "1e999",
      deep.c_str(),
  };
  for (const char* text : cases) {
    std::string error;
    EXPECT_FALSE(ParseJson(text, &error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

// An object of count members "k0", "k1", ..., with "k<repeat>" again at its
// end when repeat is given.
std::string ObjectOf(std::size_t count, std::optional<std::size_t> repeat) {
  std::string text = "{";
  for (std::size_t i = 0; i < count; ++i) text += "\"k" + std::to_string(i) + "\": 0,";
  if (repeat) text += "\"k" + std::to_string(*repeat) + "\": 1,";
  text.back() = '}';
  return text;
}

// Past a few members names are found through a hash; a repeat is found
// anywhere, in small objects and large.
TEST(JsonReader, FindsARepeatedMemberAmongMany) {
  const struct {
    std::size_t count, repeat;
  } cases[] = {{1, 0}, {7, 6}, {8, 0}, {9, 8}, {40, 17}, {200000, 123456}};
  for (const auto& c : cases) {
    std::string error;
    const auto whole = ParseJson(ObjectOf(c.count, std::nullopt), &error);
    ASSERT_TRUE(whole) << c.count << ": " << error;
    EXPECT_EQ(whole->keys.size(), c.count);
    EXPECT_EQ(whole->Find("k" + std::to_string(c.count - 1)), &whole->items.back());
    EXPECT_FALSE(ParseJson(ObjectOf(c.count, c.repeat), &error)) << c.count;
    EXPECT_EQ(error.substr(0, error.find(" (line")),
              "duplicate member \"k" + std::to_string(c.repeat) + "\"");
  }
}

TEST(JsonReader, RefusesDocumentsBeyondItsLimits) {
  const JsonLimits limits{.max_depth = 3, .max_values = 5};
  const struct {
    std::string text;
    std::string problem;  // "" when read
  } cases[] = {
      {"[[[[]]]]", ""},
      {"[[[[[]]]]]", "nested more than 3 levels deep"},
      {"[1, 2, 3, 4]", ""},
      {"{\"a\": 1, \"b\": [2, 3, 4]}", "more than 5 values"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_EQ(ParseJson(c.text, &error, limits).has_value(), c.problem.empty()) << c.text;
    EXPECT_EQ(error.substr(0, error.find(" (line")), c.problem) << c.text;
  }
}

TEST(JsonReader, WholeNumbersAreThoseADoubleHoldsExactly) {
  const struct {
    const char* text;
    std::optional<long long> integer;
  } cases[] = {
      {"0", 0},
      {"-1", -1},
      {"12e1", 120},
      {"9007199254740992", 9007199254740992LL},
      {"-9007199254740992", -9007199254740992LL},
      {"9007199254740994", std::nullopt},
      {"9223372036854775808", std::nullopt},
      {"1e300", std::nullopt},
      {"2.5", std::nullopt},
      {"\"3\"", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto value = ParseJson(c.text, nullptr);
    ASSERT_TRUE(value) << c.text;
    EXPECT_EQ(value->Integer(), c.integer) << c.text;
  }
}

TEST(JsonReader, ErrorsNameTheLine) {
  std::string error;
  EXPECT_FALSE(ParseJson("{\n  \"a\": 1,\n  \"b\" 2\n}", &error));
  EXPECT_NE(error.find("line 3"), std::string::npos) << error;
}

}  // namespace
}  // namespace qvn
