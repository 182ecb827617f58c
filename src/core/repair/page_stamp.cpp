#include "core/repair/page_stamp.h"

namespace qvn {
namespace {

// Pages larger than this are not rewritten in memory.
constexpr std::uint64_t kLargestPage = std::uint64_t{1} << 30;

}  // namespace

std::uint64_t ContentHash(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

bool ReadPage(const std::string& path, std::string& bytes, PageStamp& stamp, SystemError* error) {
  const auto modified = GetModifiedTime(path, error);
  if (!modified || !ReadWholeFile(path, bytes, error, kLargestPage)) return false;
  stamp = {bytes.size(), *modified, ContentHash(bytes)};
  return true;
}

}  // namespace qvn
