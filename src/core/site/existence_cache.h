#pragma once
// Which link targets exist, shared by the threads that read pages. A folder
// that targets point into is listed once, and a target found in its listing
// needs no query of its own; a name the listing lacks is asked of the file
// system directly (it may still be there on a file system that ignores
// letter case). Every answer is kept for the life of the cache (one run).

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/platform.h"
#include "core/site/path_table.h"

namespace qvn {

class FoldedNames;

class ExistenceCache {
 public:
  /// The names in one folder; read-only once made. Everything a lookup
  /// touches lies in one block: lookups of a run jump from folder to folder,
  /// and each separate piece would cost a trip to memory.
  class Listing {
   public:
    Listing(bool readable, const std::vector<FolderEntry>& entries);
    ~Listing();
    Listing(const Listing&) = delete;
    Listing& operator=(const Listing&) = delete;
    /// Whether the listing answers for name, and if so, whether it is a file.
    std::optional<bool> Knows(std::string_view name) const;
    /// What name is (file, folder or other); nullopt when the listing does
    /// not hold it exactly (or could not be read).
    std::optional<PathKind> KindOf(std::string_view name) const;
    /// Entries, in no particular order (none when the folder was unreadable).
    std::size_t size() const { return readable_ ? count_ : 0; }
    std::string_view Name(std::size_t i) const;
    PathKind Kind(std::size_t i) const;
    /// The entries indexed by folded name, made on first use (only the
    /// letter-case check needs it). Safe from several threads.
    const FoldedNames& Folded() const;

   private:
    static constexpr std::size_t kNotFound = ~std::size_t{0};
    // Index of the entry named name, or kNotFound.
    std::size_t Find(std::string_view name) const;
    // count fingerprints, then count (offset, length with the kind bits)
    // pairs, then the names' characters.
    std::vector<std::uint32_t> block_;
    std::uint32_t count_ = 0;
    bool readable_ = false;
    mutable std::mutex folded_mutex_;
    mutable std::unique_ptr<FoldedNames> folded_;
  };

  ExistenceCache();
  ~ExistenceCache();
  ExistenceCache(const ExistenceCache&) = delete;
  ExistenceCache& operator=(const ExistenceCache&) = delete;

  /// True when path (with "." and ".." already resolved) names an existing
  /// file. Safe from several threads.
  bool Exists(std::string_view path);

  /// The listing of folder (ending in the separator), made on first use;
  /// it lives as long as the cache.
  const Listing& FolderListing(std::string_view folder);
  /// Asks the file system whether path names a file (answers are kept).
  bool AskFileSystem(std::string_view path) { return AskKind(path) == PathKind::kFile; }
  /// Asks the file system what path names, links followed: a dangling link
  /// is kNone (answers are kept).
  PathKind AskKind(std::string_view path);
  /// What path (with "." and ".." resolved, no trailing separator) names:
  /// from its folder's listing, else asked of the file system (kept).
  PathKind Kind(std::string_view path);

 private:
  struct Shard;
  static constexpr std::size_t kShards = 64;
  std::unique_ptr<Shard[]> shards_;
};

}  // namespace qvn
