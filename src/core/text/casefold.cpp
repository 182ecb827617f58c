#include "core/text/casefold.h"

#include <algorithm>

#include "core/text/casefold_table.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

// The fixed accented table agrees with Unicode's simple mappings; it is
// applied anyway so the result never depends on the Unicode version.
constexpr std::u32string_view kAccentedCapitals = U"ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝ";
constexpr std::u32string_view kAccentedSmall = U"šÿàáâãäåçèéêëìíîïðñòóôõöøùúûüý";

char32_t Lookup(const detail::CaseMapping* table, std::size_t size, char32_t c) {
  const auto* end = table + size;
  const auto* hit = std::lower_bound(table, end, c, [](const detail::CaseMapping& m, char32_t v) {
    return m.from < v;
  });
  return hit != end && hit->from == c ? hit->to : c;
}

template <typename MapChar>
std::string MapText(std::string_view s, MapChar map) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(map(b)));
      ++i;
      continue;
    }
    AppendUtf8(out, map(DecodeNext(s, i)));
  }
  return out;
}

}  // namespace

char32_t LowerChar(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  const auto pos = kAccentedCapitals.find(c);
  if (pos != std::u32string_view::npos) return kAccentedSmall[pos];
  return Lookup(detail::kLowerMappings, detail::kLowerMappingsSize, c);
}

char32_t UpperChar(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  const auto pos = kAccentedSmall.find(c);
  if (pos != std::u32string_view::npos) return kAccentedCapitals[pos];
  return Lookup(detail::kUpperMappings, detail::kUpperMappingsSize, c);
}

std::string LowerCaseLatin(std::string_view s) { return MapText(s, LowerChar); }

std::string UpperCaseLatin(std::string_view s) { return MapText(s, UpperChar); }

bool FoldedContains(std::string_view haystack, std::string_view needle_folded) {
  if (needle_folded.empty()) return true;
  if (IsAscii(haystack)) {
    // Common case: fold on the fly instead of building a copy.
    auto eq = [](char a, char b) {
      return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b;
    };
    return std::search(haystack.begin(), haystack.end(), needle_folded.begin(),
                       needle_folded.end(), eq) != haystack.end();
  }
  return LowerCaseLatin(haystack).find(needle_folded) != std::string::npos;
}

}  // namespace qvn
