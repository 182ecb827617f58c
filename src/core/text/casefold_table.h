#pragma once
// Unicode simple case mappings for code points from U+0080 on, sorted by code point.
#include <cstddef>
#include <cstdint>

namespace qvn::detail {

struct CaseMapping {
  std::uint32_t from;
  std::uint32_t to;
};

extern const CaseMapping kLowerMappings[];
extern const std::size_t kLowerMappingsSize;
extern const CaseMapping kUpperMappings[];
extern const std::size_t kUpperMappingsSize;

}  // namespace qvn::detail
