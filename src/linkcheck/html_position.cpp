#include "linkcheck/html_position.h"

#include <cstdint>
#include <cstring>

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

bool AllAscii(const char* p, std::size_t n) {
  std::uint64_t bits = 0;
  for (; n >= 8; n -= 8, p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    bits |= word;
  }
  for (; n > 0; --n, ++p) bits |= static_cast<unsigned char>(*p);
  return (bits & 0x8080808080808080ULL) == 0;
}

// The first CR or LF in [p, end), or end; eight bytes at a time, as lines
// are mostly short.
const char* FindLineEnd(const char* p, const char* end) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
  for (; end - p >= 8; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    const std::uint64_t lf = word ^ (kOnes * '\n');
    const std::uint64_t cr = word ^ (kOnes * '\r');
    // A byte of lf or cr is zero where the word holds that character.
    if ((((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHigh) break;
  }
  for (; p < end; ++p) {
    if (*p == '\n' || *p == '\r') return p;
  }
  return end;
}

}  // namespace

void PositionCounter::Reset() { *this = PositionCounter(); }

void PositionCounter::StartBlock(const char* begin, const char* end) {
  cursor_ = begin;
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

void PositionCounter::CountLines(const char* to) {
  while (cursor_ < to) {
    if (after_cr_ && *cursor_ == '\n') {
      after_cr_ = false;
      ++cursor_;
      continue;
    }
    const char* stop = FindLineEnd(cursor_, to);
    if (stop == to) break;
    after_cr_ = *stop == '\r';
    ++line_;
    column_ = 1;
    cursor_ = stop + 1;
  }
  if (cursor_ < to) after_cr_ = false;
}

void PositionCounter::CountColumns(const char* from, const char* to) {
  if (AllAscii(from, static_cast<std::size_t>(to - from))) {
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
