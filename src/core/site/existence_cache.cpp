#include "core/site/existence_cache.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/site/folded_names.h"

namespace qvn {

namespace {

constexpr std::uint32_t kFileBit = 0x80000000u;
constexpr std::uint32_t kFolderBit = 0x40000000u;
constexpr std::uint32_t kLengthBits = ~(kFileBit | kFolderBit);

std::uint32_t KindBits(PathKind kind) {
  return kind == PathKind::kFile ? kFileBit : kind == PathKind::kFolder ? kFolderBit : 0;
}

std::uint32_t Fingerprint(std::string_view name) {
  return static_cast<std::uint32_t>(HashPath(name) >> 32);
}

}  // namespace

ExistenceCache::Listing::Listing(bool readable, const std::vector<FolderEntry>& entries)
    : count_(static_cast<std::uint32_t>(entries.size())), readable_(readable) {
  std::vector<std::pair<std::uint32_t, const FolderEntry*>> keyed;
  keyed.reserve(entries.size());
  std::size_t characters = 0;
  for (const FolderEntry& entry : entries) {
    keyed.emplace_back(Fingerprint(entry.name), &entry);
    characters += entry.name.size();
  }
  std::sort(keyed.begin(), keyed.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  block_.resize(3 * count_ + (characters + 3) / 4);
  auto* text = reinterpret_cast<char*>(block_.data() + 3 * count_);
  std::uint32_t offset = 0;
  for (std::uint32_t i = 0; i < count_; ++i) {
    const FolderEntry& entry = *keyed[i].second;
    block_[i] = keyed[i].first;
    block_[count_ + 2 * i] = offset;
    block_[count_ + 2 * i + 1] = static_cast<std::uint32_t>(entry.name.size()) |
                                 KindBits(entry.kind);
    std::memcpy(text + offset, entry.name.data(), entry.name.size());
    offset += static_cast<std::uint32_t>(entry.name.size());
  }
}

std::size_t ExistenceCache::Listing::Find(std::string_view name) const {
  if (!readable_) return kNotFound;
  const std::uint32_t fingerprint = Fingerprint(name);
  const std::uint32_t* first = block_.data();
  const std::uint32_t* it = std::lower_bound(first, first + count_, fingerprint);
  const char* text = reinterpret_cast<const char*>(first + 3 * count_);
  for (; it != first + count_ && *it == fingerprint; ++it) {
    const std::size_t i = static_cast<std::size_t>(it - first);
    const std::uint32_t length = first[count_ + 2 * i + 1] & kLengthBits;
    if (std::string_view(text + first[count_ + 2 * i], length) == name) return i;
  }
  return kNotFound;
}

std::optional<bool> ExistenceCache::Listing::Knows(std::string_view name) const {
  const std::size_t i = Find(name);
  if (i == kNotFound) return std::nullopt;
  return (block_[count_ + 2 * i + 1] & kFileBit) != 0;
}

std::optional<PathKind> ExistenceCache::Listing::KindOf(std::string_view name) const {
  const std::size_t i = Find(name);
  if (i == kNotFound) return std::nullopt;
  return Kind(i);
}

std::string_view ExistenceCache::Listing::Name(std::size_t i) const {
  const char* text = reinterpret_cast<const char*>(block_.data() + 3 * count_);
  return {text + block_[count_ + 2 * i], block_[count_ + 2 * i + 1] & kLengthBits};
}

ExistenceCache::Listing::~Listing() = default;

const FoldedNames& ExistenceCache::Listing::Folded() const {
  std::lock_guard<std::mutex> lock(folded_mutex_);
  if (!folded_) {
    std::vector<FoldedNames::Name> names(size());
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = {Name(i), Kind(i)};
    folded_ = std::make_unique<FoldedNames>(names);
  }
  return *folded_;
}

PathKind ExistenceCache::Listing::Kind(std::size_t i) const {
  const std::uint32_t bits = block_[count_ + 2 * i + 1];
  return (bits & kFileBit) != 0     ? PathKind::kFile
         : (bits & kFolderBit) != 0 ? PathKind::kFolder
                                    : PathKind::kOther;
}

struct ExistenceCache::Shard {
  std::mutex mutex;
  std::unordered_map<std::string, std::unique_ptr<Listing>> folders;
  PathTable kinds;  // what paths name, asked of the file system one by one (a PathKind each)
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
  std::vector<FolderEntry> entries;
  const bool readable = ListFolder(std::string(folder), entries, nullptr, NoSizes);
  auto listing = std::make_unique<Listing>(readable, entries);
  std::lock_guard<std::mutex> lock(shard.mutex);
  auto [it, inserted] = shard.folders.emplace(std::string(folder), std::move(listing));
  return *it->second;
}

PathKind ExistenceCache::AskKind(std::string_view path) {
  const std::uint64_t hash = HashPath(path);
  Shard& shard = shards_[(hash >> 40) % kShards];
  {
    std::lock_guard<std::mutex> lock(shard.mutex);
    if (const auto known = shard.kinds.Find(hash, path)) return static_cast<PathKind>(*known);
  }
  const PathKind kind = GetPathKind(std::string(path));
  std::lock_guard<std::mutex> lock(shard.mutex);
  if (!shard.kinds.Find(hash, path))
    shard.kinds.Insert(hash, path, static_cast<std::uint32_t>(kind));
  return kind;
}

PathKind ExistenceCache::Kind(std::string_view path) {
  const std::size_t cut = path.rfind(kSeparator);
  if (cut != std::string_view::npos) {
    if (const auto known = FolderListing(path.substr(0, cut + 1)).KindOf(path.substr(cut + 1)))
      return *known;
  }
  return AskKind(path);
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
