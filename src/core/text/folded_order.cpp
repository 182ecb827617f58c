#include "core/text/folded_order.h"

#include <algorithm>
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

// width (at most 8) bytes of a text from offset on as a number that orders
// as the folded texts do: an ASCII byte is its small letter + 1, the end is
// 0, and from the first other byte on every byte is 0xFF (those texts are
// left to CompareFolded).
std::uint64_t ChunkKey(std::string_view s, std::size_t offset, std::size_t width) {
  std::uint64_t key = 0;
  for (std::size_t k = 0; k < width; ++k) {
    std::uint64_t byte = 0;
    if (offset + k < s.size()) {
      const auto c = static_cast<unsigned char>(s[offset + k]);
      if (c >= 0x80) {
        for (; k < width; ++k) key = (key << 8) | 0xFF;
        return key;
      }
      byte = (c >= 'A' && c <= 'Z' ? c + 32 : c) + 1;
    }
    key = (key << 8) | byte;
  }
  return key;
}

// How a step's key ends: the texts go on after it, they ended within it, or
// they met a byte that is not ASCII.
enum class StepEnd { kMore, kEnded, kOther };

StepEnd EndOf(std::uint64_t chunk) {
  const auto last = chunk & 0xFF;
  return last == 0 ? StepEnd::kEnded : last == 0xFF ? StepEnd::kOther : StepEnd::kMore;
}

// 12 bytes a step, 16 bytes with the item: a million rows' keys take 16 MB
// beside the table; most links and paths are settled by the first steps,
// which read the texts in the order they lie in memory.
constexpr std::size_t kStep = 12;

struct Keyed {
  std::uint64_t first;
  std::uint32_t second;
  std::uint32_t item;

  StepEnd End() const {
    return EndOf(first) != StepEnd::kMore ? EndOf(first) : EndOf(second);
  }
};

Keyed StepKey(std::string_view s, std::size_t offset, std::uint32_t item) {
  Keyed keyed{ChunkKey(s, offset, 8), 0, item};
  // After the end or a non-ASCII byte the rest stays 0, the same for all.
  if (EndOf(keyed.first) != StepEnd::kMore) return keyed;
  keyed.second = static_cast<std::uint32_t>(ChunkKey(s, offset + 8, 4));
  return keyed;
}

bool SameKey(const Keyed& a, const Keyed& b) {
  return a.first == b.first && a.second == b.second;
}

struct Run {
  std::uint32_t begin, end;
  StepEnd end_of_key;
};

class Sorter {
 public:
  Sorter(const ItemText& text, bool descending) : text_(text), descending_(descending) {}

  // Sorts items whose texts agree on their first offset bytes (all ASCII):
  // by kStep more bytes at a time, one std::sort of plain numbers each.
  void SortRun(std::uint32_t* items, std::size_t n, std::size_t offset) {
    if (n < 2) return;
    keyed_.resize(n);
    for (std::size_t j = 0; j < n; ++j) keyed_[j] = StepKey(text_(items[j]), offset, items[j]);
    std::sort(keyed_.begin(), keyed_.begin() + static_cast<std::ptrdiff_t>(n),
              [this](const Keyed& a, const Keyed& b) {
                if (!SameKey(a, b)) {
                  const bool less = a.first != b.first ? a.first < b.first : a.second < b.second;
                  return descending_ ? !less : less;
                }
                return a.item < b.item;
              });
    std::vector<Run> ties;
    for (std::size_t j = 0; j < n;) {
      std::size_t end = j + 1;
      while (end < n && SameKey(keyed_[end], keyed_[j])) ++end;
      if (end - j > 1)
        ties.push_back(
            {static_cast<std::uint32_t>(j), static_cast<std::uint32_t>(end), keyed_[j].End()});
      j = end;
    }
    for (std::size_t j = 0; j < n; ++j) items[j] = keyed_[j].item;
    for (const Run& tie : ties) {
      if (tie.end_of_key == StepEnd::kEnded) continue;  // equal texts: already in item order
      if (tie.end_of_key == StepEnd::kOther) {
        SortByComparing(items + tie.begin, tie.end - tie.begin, offset);
      } else {
        SortRun(items + tie.begin, tie.end - tie.begin, offset + kStep);
      }
    }
  }

 private:
  void SortByComparing(std::uint32_t* items, std::size_t n, std::size_t offset) {
    std::sort(items, items + n, [&](std::uint32_t a, std::uint32_t b) {
      const int order = CompareFolded(text_(a).substr(offset), text_(b).substr(offset));
      if (order != 0) return descending_ ? order > 0 : order < 0;
      return a < b;
    });
  }

  const ItemText& text_;
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
  // The first step asks for the texts in item order: for a table, in the
  // order its rows lie in memory.
  std::sort(items.begin(), items.end());
  Sorter(text, descending).SortRun(items.data(), items.size(), 0);
}

}  // namespace qvn
