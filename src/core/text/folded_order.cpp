#include "core/text/folded_order.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/text/casefold.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

char32_t FoldForOrder(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  const char32_t lower = LowerChar(c);
  // Never to ASCII: the byte keys below rely on non-ASCII staying above it.
  return lower >= 0x80 ? lower : c;
}

// A code point as its UTF-16 units, high unit first, so plain comparison
// follows UTF-16 order.
std::uint32_t Utf16Key(char32_t c) {
  if (c < 0x10000) return static_cast<std::uint32_t>(c) << 16;
  const std::uint32_t v = c - 0x10000;
  return ((0xD800 + (v >> 10)) << 16) | (0xDC00 + (v & 0x3FF));
}

constexpr std::size_t kChunk = 8;

// Eight bytes of a text from offset on as a number that orders as the folded
// texts do: an ASCII byte is its small letter + 1, the end is 0, and from the
// first other byte on every byte is 0xFF (those texts are left to CompareFolded).
std::uint64_t ChunkKey(std::string_view s, std::size_t offset) {
  std::uint64_t key = 0;
  for (std::size_t k = 0; k < kChunk; ++k) {
    std::uint64_t byte = 0;
    if (offset + k < s.size()) {
      const auto c = static_cast<unsigned char>(s[offset + k]);
      if (c >= 0x80) {
        if (k == 0) return ~std::uint64_t{0};
        const std::size_t bits = 8 * (kChunk - k);
        return (key << bits) | ((std::uint64_t{1} << bits) - 1);
      }
      byte = (c >= 'A' && c <= 'Z' ? c + 32 : c) + 1;
    }
    key = (key << 8) | byte;
  }
  return key;
}

// Three chunks a step: most links and paths are settled by the first step,
// which reads the texts in the order they lie in memory.
constexpr std::size_t kChunks = 3;
using Key = std::array<std::uint64_t, kChunks>;

Key StepKey(std::string_view s, std::size_t offset) {
  Key key{};
  for (std::size_t c = 0; c < kChunks; ++c) {
    key[c] = ChunkKey(s, offset + c * kChunk);
    const auto last = key[c] & 0xFF;
    if (last == 0 || last == 0xFF) break;  // the rest is 0, as the keys after the end
  }
  return key;
}

struct Keyed {
  Key key;
  std::uint32_t at;  // index into the texts, which are in item order
};

struct Run {
  std::size_t begin, end;
  std::uint64_t last;  // the last chunk of the step's key
};

// The chunk that tells whether the texts ended (0) or met a non-ASCII byte (0xFF).
std::uint64_t LastChunk(const Key& key) {
  for (const std::uint64_t chunk : key) {
    const auto last = chunk & 0xFF;
    if (last == 0 || last == 0xFF) return chunk;
  }
  return key[kChunks - 1];
}

class Sorter {
 public:
  Sorter(std::vector<std::string_view> texts, bool descending)
      : texts_(std::move(texts)), descending_(descending) {}

  // Sorts positions whose texts agree on their first offset bytes (all
  // ASCII): by 24 more bytes at a time, one std::sort of plain numbers each.
  void SortRun(std::uint32_t* at, std::size_t n, std::size_t offset) {
    if (n < 2) return;
    keyed_.resize(n);
    for (std::size_t j = 0; j < n; ++j) keyed_[j] = {StepKey(texts_[at[j]], offset), at[j]};
    std::sort(keyed_.begin(), keyed_.begin() + static_cast<std::ptrdiff_t>(n),
              [this](const Keyed& a, const Keyed& b) {
                if (a.key != b.key) return descending_ ? a.key > b.key : a.key < b.key;
                return a.at < b.at;
              });
    std::vector<Run> ties;
    for (std::size_t j = 0; j < n;) {
      std::size_t end = j + 1;
      while (end < n && keyed_[end].key == keyed_[j].key) ++end;
      if (end - j > 1) ties.push_back({j, end, LastChunk(keyed_[j].key)});
      j = end;
    }
    for (std::size_t j = 0; j < n; ++j) at[j] = keyed_[j].at;
    for (const Run& tie : ties) {
      const auto last = tie.last & 0xFF;
      if (last == 0) continue;  // equal texts: already in item order
      if (last == 0xFF) {
        SortByComparing(at + tie.begin, tie.end - tie.begin, offset);
      } else {
        SortRun(at + tie.begin, tie.end - tie.begin, offset + kChunk * kChunks);
      }
    }
  }

 private:
  void SortByComparing(std::uint32_t* at, std::size_t n, std::size_t offset) {
    std::sort(at, at + n, [&](std::uint32_t a, std::uint32_t b) {
      const int order = CompareFolded(texts_[a].substr(offset), texts_[b].substr(offset));
      if (order != 0) return descending_ ? order > 0 : order < 0;
      return a < b;
    });
  }

  std::vector<std::string_view> texts_;
  bool descending_;
  std::vector<Keyed> keyed_;
};

}  // namespace

int CompareFolded(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const auto x = FoldForOrder(DecodeNext(a, i));
    const auto y = FoldForOrder(DecodeNext(b, j));
    if (x != y) return Utf16Key(x) < Utf16Key(y) ? -1 : 1;
  }
  return (i < a.size()) - (j < b.size());
}

void SortByFoldedText(std::vector<std::uint32_t>& items, const ItemText& text, bool descending) {
  // Each text is asked for once, in item order (for a table, in the order
  // its rows lie in memory); the sort then moves positions only.
  std::sort(items.begin(), items.end());
  std::vector<std::string_view> texts(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) texts[i] = text(items[i]);
  std::vector<std::uint32_t> at(items.size());
  for (std::uint32_t i = 0; i < at.size(); ++i) at[i] = i;
  Sorter(std::move(texts), descending).SortRun(at.data(), at.size(), 0);
  std::vector<std::uint32_t> sorted(items.size());
  for (std::size_t i = 0; i < at.size(); ++i) sorted[i] = items[at[i]];
  items = std::move(sorted);
}

}  // namespace qvn
