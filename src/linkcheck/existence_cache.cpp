#include "linkcheck/existence_cache.h"

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/path.h"
#include "common/platform.h"

namespace qvn {

std::optional<bool> ExistenceCache::Listing::Knows(std::string_view name) const {
  if (!readable) return std::nullopt;
  const auto value = names.Find(HashPath(name), name);
  if (!value) return std::nullopt;
  return *value != 0;
}

struct ExistenceCache::Shard {
  std::mutex mutex;
  std::unordered_map<std::string, std::unique_ptr<Listing>> folders;
  PathTable paths;  // answers asked of the file system one by one
};

ExistenceCache::ExistenceCache() : shards_(new Shard[kShards]) {}

ExistenceCache::~ExistenceCache() = default;

const ExistenceCache::Listing& ExistenceCache::FolderListing(std::string_view folder) {
  Shard& shard = shards_[HashPath(folder) % kShards];
  {
    std::lock_guard<std::mutex> lock(shard.mutex);
    const auto hit = shard.folders.find(std::string(folder));
    if (hit != shard.folders.end()) return *hit->second;
  }
  // List outside the lock; two threads may list one folder at once, alike.
  auto listing = std::make_unique<Listing>();
  std::vector<FolderEntry> entries;
  listing->readable = ListFolder(std::string(folder), entries, nullptr, NoSizes);
  for (const FolderEntry& entry : entries) {
    const bool is_file = entry.kind == PathKind::kFile;
    const std::uint64_t hash = HashPath(entry.name);
    if (!listing->names.Find(hash, entry.name)) listing->names.Insert(hash, entry.name, is_file ? 1 : 0);
  }
  std::lock_guard<std::mutex> lock(shard.mutex);
  auto [it, inserted] = shard.folders.emplace(std::string(folder), std::move(listing));
  return *it->second;
}

bool ExistenceCache::AskFileSystem(std::string_view path) {
  const std::uint64_t hash = HashPath(path);
  Shard& shard = shards_[(hash >> 40) % kShards];
  {
    std::lock_guard<std::mutex> lock(shard.mutex);
    if (const auto known = shard.paths.Find(hash, path)) return *known != 0;
  }
  const bool exists = DoesFileExist(std::string(path));
  std::lock_guard<std::mutex> lock(shard.mutex);
  if (const auto known = shard.paths.Find(hash, path)) return *known != 0;
  shard.paths.Insert(hash, path, exists ? 1 : 0);
  return exists;
}

bool ExistenceCache::Exists(std::string_view path) {
  const std::size_t cut = path.rfind(kSeparator);
  if (cut == std::string_view::npos) return AskFileSystem(path);
  const std::string_view name = path.substr(cut + 1);
  const Listing& listing = FolderListing(path.substr(0, cut + 1));
  if (const auto known = listing.Knows(name)) return *known;
  return AskFileSystem(path);
}

}  // namespace qvn
