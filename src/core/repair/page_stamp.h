#pragma once
// What a page was when it was read: a page is rewritten only when it still is.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/platform.h"

namespace qvn {

struct PageStamp {
  std::uint64_t size = 0;
  std::int64_t modified = 0;  ///< GetModifiedTime's units
  std::uint64_t hash = 0;     ///< ContentHash of the bytes
  bool operator==(const PageStamp&) const = default;
};

/// A 64-bit hash of bytes (FNV-1a): a change to a page changes it.
std::uint64_t ContentHash(std::string_view bytes);

/// Reads the page at path whole into bytes, with its stamp; false with
/// error set when it cannot be read.
bool ReadPage(const std::string& path, std::string& bytes, PageStamp& stamp, SystemError* error);

}  // namespace qvn
