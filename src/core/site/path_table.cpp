#include "core/site/path_table.h"

#include <cstring>

namespace qvn {
namespace {

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  return h ^ (h >> 33);
}

}  // namespace

std::uint64_t HashPath(std::string_view text) {
  std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ text.size();
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    h = (h ^ word) * 0x100000001B3ULL;
    h ^= h >> 29;
  }
  std::uint64_t tail = 0;
  std::memcpy(&tail, text.data() + i, text.size() - i);
  return Mix(h ^ tail);
}

PathTable::PathTable() : slots_(64) {}

std::size_t PathTable::Probe(std::uint64_t hash, std::string_view key) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (!slot.used) return i;
    if (slot.hash == hash && slot.length == key.size() &&
        std::memcmp(arena_.data() + slot.offset, key.data(), key.size()) == 0)
      return i;
  }
}

std::optional<std::uint32_t> PathTable::Find(std::uint64_t hash, std::string_view key) const {
  const Slot& slot = slots_[Probe(hash, key)];
  if (!slot.used) return std::nullopt;
  return slot.value;
}

void PathTable::Insert(std::uint64_t hash, std::string_view key, std::uint32_t value) {
  if ((used_ + 1) * 4 > slots_.size() * 3) Grow();
  Slot& slot = slots_[Probe(hash, key)];
  slot = {hash, static_cast<std::uint32_t>(arena_.size()), static_cast<std::uint32_t>(key.size()),
          value, true};
  arena_.append(key);
  ++used_;
}

void PathTable::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.used) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].used) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace qvn
