// The JSON writer and reader: escaping, invalid UTF-8, layout, and what the
// reader refuses.

#include <gtest/gtest.h>

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

TEST(JsonReader, ErrorsNameTheLine) {
  std::string error;
  EXPECT_FALSE(ParseJson("{\n  \"a\": 1,\n  \"b\" 2\n}", &error));
  EXPECT_NE(error.find("line 3"), std::string::npos) << error;
}

}  // namespace
}  // namespace qvn
