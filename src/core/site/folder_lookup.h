#pragma once
// One thread's way to the shared folder listings: the listings it has met
// are found again without taking the cache's locks.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/path.h"
#include "core/site/existence_cache.h"
#include "core/site/path_table.h"

namespace qvn {

class FolderLookup {
 public:
  explicit FolderLookup(ExistenceCache& cache) : cache_(cache) {}

  /// The listing of folder (ending in the separator).
  const ExistenceCache::Listing& Listing(std::string_view folder) {
    const std::uint64_t hash = HashPath(folder);
    if (const auto index = folder_index_.Find(hash, folder)) return *listings_[*index];
    const ExistenceCache::Listing* listing = &cache_.FolderListing(folder);
    folder_index_.Insert(hash, folder, static_cast<std::uint32_t>(listings_.size()));
    listings_.push_back(listing);
    return *listing;
  }

  /// True when path ("." and ".." resolved) names an existing file.
  bool Exists(std::string_view path) {
    const std::size_t cut = path.rfind(kSeparator);
    if (cut == std::string_view::npos) return cache_.Exists(path);
    if (const auto known = Listing(path.substr(0, cut + 1)).Knows(path.substr(cut + 1)))
      return *known;
    return cache_.AskFileSystem(path);
  }

  /// True when target names an existing file: "." and ".." inside it are
  /// resolved first (into resolved, when needed), and a target ending in a
  /// separator, "." or ".." is never a file.
  bool TargetExists(const std::string& target, std::string& resolved) {
    if (EndsInNonFileComponent(target)) return false;
    if (!MayNeedDotResolution(target)) return Exists(target);
    resolved = ResolveDotSegments(target);
    return Exists(resolved);
  }

  /// As TargetExists; listed tells whether the answer came from the
  /// folder's listing, which holds the name exactly as written (otherwise
  /// the file system was asked, and may have ignored letter case).
  bool TargetExists(const std::string& target, std::string& resolved, bool& listed) {
    listed = false;
    if (EndsInNonFileComponent(target)) return false;
    std::string_view path = target;
    if (MayNeedDotResolution(target)) path = resolved = ResolveDotSegments(target);
    const std::size_t cut = path.rfind(kSeparator);
    if (cut == std::string_view::npos) return cache_.Exists(path);
    if (const auto known = Listing(path.substr(0, cut + 1)).Knows(path.substr(cut + 1))) {
      listed = true;
      return *known;
    }
    return cache_.AskFileSystem(path);
  }

  /// What path ("." and ".." resolved, no trailing separator) names.
  PathKind Kind(std::string_view path) {
    const std::size_t cut = path.rfind(kSeparator);
    if (cut != std::string_view::npos) {
      if (const auto known = Listing(path.substr(0, cut + 1)).KindOf(path.substr(cut + 1)))
        return *known;
    }
    return cache_.Kind(path);
  }

  /// What target names once "." and ".." in it are resolved and trailing
  /// separators dropped, links followed (a dangling link names nothing): the
  /// kind of a broken link, told while the listings are at hand.
  PathKind TargetKind(const std::string& target) {
    std::string resolved;
    std::string_view path = target;
    if (target.empty() || target.back() == kSeparator || MayNeedDotResolution(target))
      path = resolved = ResolveDotSegments(target);
    const PathKind kind = Kind(path);
    // A listing cannot tell a device, pipe or socket from a dangling link.
    return kind == PathKind::kOther ? cache_.AskKind(path) : kind;
  }

 private:
  ExistenceCache& cache_;
  PathTable folder_index_;
  std::vector<const ExistenceCache::Listing*> listings_;
};

}  // namespace qvn
