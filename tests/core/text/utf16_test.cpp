#include "core/text/utf16.h"

#include <gtest/gtest.h>

#include "support/utf16_text.h"

namespace qvn {
namespace {

using test::Utf16Bytes;

TEST(Utf16, DecodesEitherOrderInPiecesOfAnySize) {
  struct Case {
    std::u16string units;  // after the byte-order mark
    std::string utf8;
  } cases[] = {
      {u"<a href=\"x.htm\">", "<a href=\"x.htm\">"},
      {u"caf\u00E9 \u20AC", "caf\xC3\xA9 \xE2\x82\xAC"},
      {u"\U0001F600!", "\xF0\x9F\x98\x80!"},            // a surrogate pair
      {u"a\xD800" u"b", "a\xEF\xBF\xBD" "b"},          // a high surrogate alone
      {u"a\xDC80" u"b", "a\xEF\xBF\xBD" "b"},          // a low one alone (no raw byte)
      {u"a\xD800", "a\xEF\xBF\xBD"},                  // cut at the end
      {std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    for (const bool big : {false, true}) {
      const std::string bytes = Utf16Bytes(c.units, big);
      const Utf16Order order = Utf16ByteOrderMark(bytes);
      ASSERT_EQ(order, big ? Utf16Order::kBigEndian : Utf16Order::kLittleEndian);
      EXPECT_EQ(Utf16TextToUtf8(bytes), c.utf8);
      // Streamed in pieces of 1, 2 and 3 bytes, the mark read as U+FEFF.
      for (const std::size_t piece : {1u, 2u, 3u}) {
        Utf16Decoder decoder(order);
        std::string out;
        for (std::size_t at = 0; at < bytes.size(); at += piece)
          decoder.Decode(std::string_view(bytes).substr(at, piece), out);
        decoder.Finish(out);
        EXPECT_EQ(out, "\xEF\xBB\xBF" + c.utf8) << piece;
      }
    }
  }
  // An odd byte at the end; texts without a mark stay as they are.
  EXPECT_EQ(Utf16TextToUtf8(std::string("\xFF\xFE" "a\0b", 5)), "a\xEF\xBF\xBD");
  for (const char* other : {"\xEF\xBB\xBFplain", "\xFF", "", "\xFE\xFE"}) {
    EXPECT_EQ(Utf16ByteOrderMark(other), Utf16Order::kNone);
    EXPECT_EQ(Utf16TextToUtf8(other), other);
  }
}

}  // namespace
}  // namespace qvn
