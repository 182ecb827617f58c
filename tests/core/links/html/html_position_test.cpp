// Line and column counting looks at many bytes at a time: line ends at the
// edges of those steps, a CR LF split between them or between blocks, and
// characters of more than one byte must count as one at a time would.
#include "core/links/html/html_position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace qvn {
namespace {

// Pieces of text; positions are asked for between them only.
const std::vector<std::string> kPieces = {
    "a", "b", "\r", "\n", "\r\n", "\xC3\xA9", "\xF0\x9F\x98\x80", "\xE9"};

struct Text {
  std::string bytes;
  std::vector<std::size_t> boundaries;  // offsets between pieces
  std::vector<TextPosition> expected;   // at each boundary, counted a piece at a time
};

// The bytes as C escapes, for messages.
std::string Shown(const std::string& bytes) {
  std::string shown;
  for (unsigned char c : bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      shown += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
    }
  }
  return shown;
}

Text RandomText(std::mt19937& random) {
  Text text;
  TextPosition at;
  bool after_cr = false;
  for (std::size_t n = random() % 120; n > 0; --n) {
    text.boundaries.push_back(text.bytes.size());
    text.expected.push_back(at);
    const std::string& piece = kPieces[random() % kPieces.size()];
    text.bytes += piece;
    for (char c : piece) {
      if (c == '\r' || (c == '\n' && !after_cr)) {
        ++at.line;
        at.column = 1;
      } else if (c != '\n' && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
        at.column += static_cast<unsigned char>(c) == 0xF0 ? 2 : 1;  // two UTF-16 units
      }
      after_cr = c == '\r';
    }
  }
  text.boundaries.push_back(text.bytes.size());
  text.expected.push_back(at);
  return text;
}

TEST(PositionCounter, ManyBytesAtATimeCountAsOneAtATime) {
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    const Text text = RandomText(random);
    // Blocks of random sizes, some shorter than one step; positions asked for
    // close together or far apart.
    const std::size_t stride = round % 2 == 0 ? 2 : 40;
    PositionCounter counter;
    std::size_t next = 0;
    for (std::size_t from = 0; from < text.bytes.size() || from == 0;) {
      const std::size_t to = std::min(text.bytes.size(), from + 1 + random() % 150);
      const char* base = text.bytes.data();
      counter.StartBlock(base + from, base + to);
      for (; next < text.boundaries.size() && text.boundaries[next] <= to;
           next += 1 + random() % stride) {
        const std::size_t at = text.boundaries[next];
        // A sequence cut by the block's end counts once the next block shows how it ends.
        if (at == to && at > 0 && static_cast<unsigned char>(text.bytes[at - 1]) >= 0x80) continue;
        const TextPosition got = counter.At(base + at);
        ASSERT_EQ(got, text.expected[next])
            << "round " << round << ", offset " << at << ": line " << got.line << " column "
            << got.column << " in '" << Shown(text.bytes) << "'";
      }
      counter.FinishBlock();
      if (to == text.bytes.size()) break;
      from = to;
    }
  }
}

}  // namespace
}  // namespace qvn
