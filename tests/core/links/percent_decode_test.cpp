#include "core/links/percent_decode.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(PercentDecode, EscapesAsUtf8OrWindows1252) {
  struct Case {
    const char* link;
    const char* decoded;
  } cases[] = {
      {"plain.htm", "plain.htm"},
      {"a%20b+c.htm", "a b+c.htm"},
      {"%41%4a%4A", "AJJ"},
      {"caf%C3%A9.htm", "caf\xC3\xA9.htm"},
      {"caf%c3%a9.htm", "caf\xC3\xA9.htm"},
      {"%E2%80%93%F0%9F%98%80", "\xE2\x80\x93\xF0\x9F\x98\x80"},
      // Bytes that are not UTF-8 are Windows-1252, each on its own.
      {"caf%E9.htm", "caf\xC3\xA9.htm"},
      {"%80%96", "\xE2\x82\xAC\xE2\x80\x93"},
      {"%C3", "\xC3\x83"},
      {"%C3%A9%E9", "\xC3\xA9\xC3\xA9"},
      {"%ED%A0%80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // an encoded surrogate is no UTF-8
      {"\xC3\xA9%20", "\xC3\xA9 "},
      {"%2F%5C", "/\\"},
      // Decoded once only.
      {"%2541", "%41"},
      // Escapes that are not escapes stay as written, and so does %00.
      {"100%", "100%"},
      {"%2", "%2"},
      {"%G1%1G", "%G1%1G"},
      {"%%41", "%A"},
      {"a%00b", "a%00b"},
  };
  for (const Case& c : cases) EXPECT_EQ(PercentDecode(c.link), c.decoded) << c.link;
}

}  // namespace
}  // namespace qvn
