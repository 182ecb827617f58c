#include "linkcheck/existence_cache.h"

#include <mutex>
#include <string>

#include "common/path.h"

namespace qvn {

struct ExistenceCache::Shard {
  std::mutex mutex;
  PathTable table;
};

ExistenceCache::ExistenceCache() : shards_(new Shard[kShards]) {}

ExistenceCache::~ExistenceCache() = default;

bool ExistenceCache::Exists(std::uint64_t hash, std::string_view path) {
  // The table's slots use the low bits; the shard takes higher ones.
  Shard& shard = shards_[(hash >> 40) % kShards];
  {
    std::lock_guard<std::mutex> lock(shard.mutex);
    if (const auto known = shard.table.Find(hash, path)) return *known;
  }
  // Ask the disk outside the lock; two threads may ask at once, with the same answer.
  const bool exists = DoesFileExist(std::string(path));
  std::lock_guard<std::mutex> lock(shard.mutex);
  if (const auto known = shard.table.Find(hash, path)) return *known;
  shard.table.Insert(hash, path, exists);
  return exists;
}

}  // namespace qvn
