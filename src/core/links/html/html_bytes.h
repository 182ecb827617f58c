#pragma once
// Byte searches for the HTML scanner's hot loops: 16 bytes at a time with
// SSE2 (every x86-64 processor has it), a plain loop elsewhere. Pages are
// mostly short runs between markup characters, so one 16-byte look usually
// settles a search.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define QVN_HTML_SSE2 1
#endif

namespace qvn::html {

inline constexpr std::ptrdiff_t kChunk = 16;

/// Bit i set where p[i] is one of the needles, for the 16 bytes at p.
template <char... kNeedles>
inline unsigned ChunkMask(const char* p) {
#ifdef QVN_HTML_SSE2
  const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  __m128i hits = _mm_setzero_si128();
  ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(chunk, _mm_set1_epi8(kNeedles)))), ...);
  return static_cast<unsigned>(_mm_movemask_epi8(hits));
#else
  unsigned mask = 0;
  for (int i = 0; i < kChunk; ++i) mask |= static_cast<unsigned>(((p[i] == kNeedles) || ...)) << i;
  return mask;
#endif
}

/// The first byte of [p, end) that is one of the needles, or end.
template <char... kNeedles>
inline const char* FindFirstOf(const char* p, const char* end) {
  for (; end - p >= kChunk; p += kChunk) {
    if (const unsigned mask = ChunkMask<kNeedles...>(p); mask != 0)
      return p + std::countr_zero(mask);
  }
  for (; p < end; ++p) {
    if (((*p == kNeedles) || ...)) return p;
  }
  return end;
}

/// The first c in [p, end), or nullptr. The first 16 bytes are looked at
/// directly (markup puts most targets near); memchr takes long runs.
inline const char* Find(const char* p, const char* end, char c) {
  if (end - p < kChunk) {
    for (; p < end; ++p) {
      if (*p == c) return p;
    }
    return nullptr;
  }
#ifdef QVN_HTML_SSE2
  const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const auto mask =
      static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(c))));
  if (mask != 0) return p + std::countr_zero(mask);
  p += kChunk;
#endif
  return static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)));
}

/// Whether [p, p + n) holds ASCII only.
inline bool AllAscii(const char* p, std::size_t n) {
  std::uint64_t bits = 0;
  for (; n >= 8; n -= 8, p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    bits |= word;
  }
  for (; n > 0; --n, ++p) bits |= static_cast<unsigned char>(*p);
  return (bits & 0x8080808080808080ULL) == 0;
}

/// Whether every byte of [p, p + n) is ASCII above the space (0x21 to
/// 0x7F): text with nothing to convert, trim or drop.
inline bool AllPrintable(const char* p, std::size_t n) {
  const char* end = p + n;
#ifdef QVN_HTML_SSE2
  if (end - p >= kChunk) {
    // Signed bytes: those from 0x80 on are negative, so one compare catches them too.
    const __m128i space = _mm_set1_epi8(0x21);
    const auto low = [&](const char* at) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      return _mm_movemask_epi8(_mm_cmplt_epi8(chunk, space));
    };
    int found = 0;
    for (; end - p > kChunk; p += kChunk) found |= low(p);
    return (found | low(end - kChunk)) == 0;  // the last 16 bytes, overlapping
  }
#endif
  bool printable = true;
  for (; p < end; ++p) printable &= static_cast<unsigned char>(*p - 0x21) < 0x5F;
  return printable;
}

}  // namespace qvn::html
