#include "core/text/utf.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qvn {
namespace {

// Code points of Windows-1252 bytes 0x80..0x9F; the unassigned ones map to
// the C1 control of the same value, as Windows' own conversion does.
constexpr std::array<char16_t, 32> k1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of the well-formed sequence at s[i], or 0 when it is not one.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) return 1;
  const std::size_t left = s.size() - i;
  auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  if (b0 >= 0xC2 && b0 <= 0xDF) return left >= 2 && IsContinuation(at(1)) ? 2 : 0;
  if (b0 >= 0xE0 && b0 <= 0xEF) {
    if (left < 3 || !IsContinuation(at(1)) || !IsContinuation(at(2))) return 0;
    if (b0 == 0xE0 && at(1) < 0xA0) return 0;  // overlong
    if (b0 == 0xED && at(1) >= 0xA0) return 0;  // surrogate
    return 3;
  }
  if (b0 >= 0xF0 && b0 <= 0xF4) {
    if (left < 4 || !IsContinuation(at(1)) || !IsContinuation(at(2)) || !IsContinuation(at(3)))
      return 0;
    if (b0 == 0xF0 && at(1) < 0x90) return 0;  // overlong
    if (b0 == 0xF4 && at(1) >= 0x90) return 0;  // above U+10FFFF
    return 4;
  }
  return 0;
}

// First UTF-16 unit and, for a supplementary character, the second one.
std::pair<char16_t, char16_t> Utf16Units(char32_t c) {
  if (c < 0x10000) return {static_cast<char16_t>(c), 0};
  c -= 0x10000;
  return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

}  // namespace

char32_t DecodeNext(std::string_view s, std::size_t& i) {
  const std::size_t n = SequenceLength(s, i);
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (n == 0) {
    ++i;
    return kRawByteBase + b0;
  }
  char32_t c = n == 1 ? b0 : n == 2 ? (b0 & 0x1F) : n == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  i += n;
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c >= kRawByteBase + 0x80 && c <= kRawByteBase + 0xFF) {
    out.push_back(static_cast<char>(c - kRawByteBase));
  } else if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::u32string ToChars(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) out.push_back(DecodeNext(s, i));
  return out;
}

std::string FromChars(std::u32string_view chars) {
  std::string out;
  out.reserve(chars.size());
  for (char32_t c : chars) AppendUtf8(out, c);
  return out;
}

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t n = SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() + s.size() / 2);
  for (char ch : s) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else if (b < 0xA0) {
      AppendUtf8(out, k1252High[b - 0x80]);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

std::string Utf8ToWindows1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const char32_t c = DecodeNext(s, i);
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    const auto* hit = std::find(k1252High.begin(), k1252High.end(), static_cast<char16_t>(c));
    out.push_back(c <= 0xFFFF && hit != k1252High.end()
                      ? static_cast<char>(0x80 + (hit - k1252High.begin()))
                      : '?');
  }
  return out;
}

std::string DecodeTextLine(std::string_view raw) {
  return IsValidUtf8(raw) ? std::string(raw) : Windows1252ToUtf8(raw);
}

std::size_t Utf16Length(std::string_view s) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < s.size();) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
      ++i;
      ++units;
      continue;
    }
    units += DecodeNext(s, i) >= 0x10000 ? 2 : 1;
  }
  return units;
}

namespace {

// Walks a text as UTF-16 code units; past the end it yields `filler`
// (0 = none), so a shorter text can be read as padded.
class UnitCursor {
 public:
  UnitCursor(std::string_view s, std::size_t pos) : s_(s), pos_(pos) {}
  bool AtEnd() const { return pos_ >= s_.size() && pending_ == 0; }
  char16_t Next() {
    if (pending_ != 0) return std::exchange(pending_, 0);
    const auto units = Utf16Units(DecodeNext(s_, pos_));
    pending_ = units.second;
    return units.first;
  }

 private:
  std::string_view s_;
  std::size_t pos_;
  char16_t pending_ = 0;
};

// A position up to which both texts are byte-equal and that starts a
// character in both: the end of the last ASCII byte before the first
// difference (an ASCII byte always ends a character).
std::size_t CommonCharacterStart(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  std::size_t k = 0, safe = 0;
  while (k < n && a[k] == b[k]) {
    ++k;
    if (static_cast<unsigned char>(a[k - 1]) < 0x80) safe = k;
  }
  return safe;
}

int CompareUnits(std::string_view a, std::string_view b, char16_t filler) {
  const std::size_t start = CommonCharacterStart(a, b);
  UnitCursor ca(a, start), cb(b, start);
  while (true) {
    const bool ea = ca.AtEnd(), eb = cb.AtEnd();
    if (ea && eb) return 0;
    if ((ea || eb) && filler == 0) return ea ? -1 : 1;
    const char16_t ua = ea ? filler : ca.Next();
    const char16_t ub = eb ? filler : cb.Next();
    if (ua != ub) return ua < ub ? -1 : 1;
  }
}

}  // namespace

int CompareUtf16(std::string_view a, std::string_view b) { return CompareUnits(a, b, 0); }

int ComparePaddedUtf16(std::string_view a, std::string_view b) { return CompareUnits(a, b, u' '); }

}  // namespace qvn
