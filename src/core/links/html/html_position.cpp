#include "core/links/html/html_position.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "core/links/html/html_bytes.h"

namespace qvn {
namespace {

// Bytes a UTF-8 sequence starting with lead needs; 0 when lead starts none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Whether b may stand at index k (from 1) of a sequence led by lead; the
// second byte also rules out overlong forms, surrogates and values past U+10FFFF.
bool FitsAt(unsigned char lead, std::size_t k, unsigned char b) {
  if (k == 1) {
    if (lead == 0xE0) return b >= 0xA0 && b <= 0xBF;
    if (lead == 0xED) return b >= 0x80 && b <= 0x9F;
    if (lead == 0xF0) return b >= 0x90 && b <= 0xBF;
    if (lead == 0xF4) return b >= 0x80 && b <= 0x8F;
  }
  return b >= 0x80 && b <= 0xBF;
}

// How many leading bytes of [p, end) follow lead as its sequence would.
std::size_t FittingBytes(unsigned char lead, const unsigned char* p, const unsigned char* end,
                         std::size_t needed) {
  std::size_t k = 1;
  while (k < needed && p + k - 1 < end && FitsAt(lead, k, p[k - 1])) ++k;
  return k;
}

}  // namespace

void PositionCounter::Reset() { *this = PositionCounter(); }

void PositionCounter::StartBlock(const char* begin, const char* end) {
  begin_ = cursor_ = begin;
  end_ = end;
  if (carry_size_ == 0) return;
  const auto* p = reinterpret_cast<const unsigned char*>(begin);
  const auto* stop = reinterpret_cast<const unsigned char*>(end);
  const std::size_t needed = SequenceLength(carry_[0]);
  std::size_t have = carry_size_;
  while (have < needed && p < stop && FitsAt(carry_[0], have, *p)) carry_[have++] = *p++;
  if (have < needed && p == stop) {  // still cut short: wait for more
    carry_size_ = have;
    cursor_ = end;
    return;
  }
  if (have == needed) {
    column_ += needed == 4 ? 2 : 1;
    cursor_ = reinterpret_cast<const char*>(p);
  } else {
    // Not a sequence: its lead and the bytes that followed each count one,
    // and the byte that broke it is read afresh.
    column_ += static_cast<long long>(have);
    cursor_ = reinterpret_cast<const char*>(p);
  }
  carry_size_ = 0;
}

// Moves the cursor past the last line end before to, counting the lines
// ended; a CR LF is one line end.
void PositionCounter::CountLines(const char* to) {
  const char* last = nullptr;  // the last CR or LF seen
  bool cr_before = after_cr_;  // the byte before p is a CR
  for (const char* p = cursor_; p < to;) {
    std::uint32_t cr, lf;
    std::ptrdiff_t n = to - p;  // bytes the masks cover
    if (n >= 2 * html::kChunk) {
      n = 2 * html::kChunk;
      cr = html::ChunkMask<'\r'>(p) | html::ChunkMask<'\r'>(p + html::kChunk) << 16;
      lf = html::ChunkMask<'\n'>(p) | html::ChunkMask<'\n'>(p + html::kChunk) << 16;
    } else if (n > html::kChunk) {
      n = html::kChunk;
      cr = html::ChunkMask<'\r'>(p);
      lf = html::ChunkMask<'\n'>(p);
    } else if (to - begin_ >= html::kChunk) {
      // The 16 bytes that end at to, less those before p.
      const auto skip = static_cast<int>(html::kChunk - n);
      cr = html::ChunkMask<'\r'>(to - html::kChunk) >> skip;
      lf = html::ChunkMask<'\n'>(to - html::kChunk) >> skip;
    } else {
      cr = lf = 0;
      for (std::ptrdiff_t i = 0; i < n; ++i) {
        cr |= static_cast<std::uint32_t>(p[i] == '\r') << i;
        lf |= static_cast<std::uint32_t>(p[i] == '\n') << i;
      }
    }
    if ((cr | lf) != 0) {
      // An LF right after a CR ends no line of its own.
      for (std::uint32_t ends = cr | (lf & ~((cr << 1) | (cr_before ? 1u : 0u))); ends != 0;
           ends &= ends - 1)
        ++line_;
      last = p + (31 - std::countl_zero(cr | lf));
    }
    cr_before = ((cr >> (n - 1)) & 1) != 0;
    p += n;
  }
  if (last == nullptr) {
    if (cursor_ < to) after_cr_ = false;
    return;
  }
  column_ = 1;
  cursor_ = last + 1;
  after_cr_ = cursor_ == to && *last == '\r';
}

void PositionCounter::CountColumns(const char* from, const char* to) {
  if (html::AllAscii(from, static_cast<std::size_t>(to - from))) {
    column_ += to - from;
    cursor_ = to;
    return;
  }
  const auto* p = reinterpret_cast<const unsigned char*>(from);
  const auto* stop = reinterpret_cast<const unsigned char*>(to);
  const auto* block_end = reinterpret_cast<const unsigned char*>(end_);
  while (p < stop) {
    const std::size_t needed = SequenceLength(*p);
    if (needed == 0) {
      ++column_;
      ++p;
      continue;
    }
    const std::size_t have = FittingBytes(*p, p + 1, block_end, needed);
    if (have < needed && p + have == block_end) {  // cut by the block's end
      std::memcpy(carry_, p, have);
      carry_size_ = have;
      p = block_end;
      break;
    }
    column_ += have == needed ? (needed == 4 ? 2 : 1) : 1;
    p += have == needed ? needed : 1;
  }
  cursor_ = reinterpret_cast<const char*>(p);
}

TextPosition PositionCounter::At(const char* p) {
  if (p > cursor_) {
    CountLines(p);
    // A sequence may run past p; it is counted whole now and p lies beyond it
    // in practice (links start after ASCII), so columns stay exact.
    if (cursor_ < p) CountColumns(cursor_, p);
  }
  return {line_, column_};
}

void PositionCounter::FinishBlock() {
  if (cursor_ == nullptr) return;
  At(end_);
  cursor_ = end_ = nullptr;
}

}  // namespace qvn
