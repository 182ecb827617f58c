#pragma once
// Which link targets exist, asked of the file system once per distinct path
// during a run and shared by the threads that read pages.

#include <memory>
#include <string_view>

#include "linkcheck/path_table.h"

namespace qvn {

class ExistenceCache {
 public:
  ExistenceCache();
  ~ExistenceCache();
  ExistenceCache(const ExistenceCache&) = delete;
  ExistenceCache& operator=(const ExistenceCache&) = delete;

  /// True when path names an existing file; the first answer for a path is
  /// kept for the life of the cache (one run). Safe from several threads.
  bool Exists(std::string_view path) { return Exists(HashPath(path), path); }
  /// As above, for a path whose HashPath is already known.
  bool Exists(std::uint64_t hash, std::string_view path);

 private:
  struct Shard;
  static constexpr std::size_t kShards = 64;
  std::unique_ptr<Shard[]> shards_;
};

}  // namespace qvn
