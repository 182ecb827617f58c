#pragma once
// A compact hash table from paths (or names) to small numbers: the keys live
// in one character arena, so a lookup touches one slot and, on a hash match,
// the key.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// A fast 64-bit hash of a text.
std::uint64_t HashPath(std::string_view text);

class PathTable {
 public:
  PathTable();
  /// The value stored for key (whose HashPath is hash), if any.
  std::optional<std::uint32_t> Find(std::uint64_t hash, std::string_view key) const;
  /// Stores a value for a key that is not in the table yet.
  void Insert(std::uint64_t hash, std::string_view key, std::uint32_t value);
  std::size_t size() const { return used_; }

 private:
  struct Slot {
    std::uint64_t hash = 0;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    std::uint32_t value = 0;
    bool used = false;
  };
  std::size_t Probe(std::uint64_t hash, std::string_view key) const;
  void Grow();

  std::vector<Slot> slots_;
  std::string arena_;
  std::size_t used_ = 0;
};

}  // namespace qvn
