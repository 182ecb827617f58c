#pragma once
// The anchors (ids, and names of a elements) of the pages that links with a
// fragment point into. Each page is read once per run, whichever thread asks
// first; the others wait for that reading rather than repeat it.

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace qvn {

class AnchorCache {
 public:
  AnchorCache();
  ~AnchorCache();
  AnchorCache(const AnchorCache&) = delete;
  AnchorCache& operator=(const AnchorCache&) = delete;

  /// True when the page at path ("." and ".." resolved) holds an anchor
  /// named fragment, compared exactly, or else named fragment percent-
  /// decoded. A page that cannot be read counts as holding every anchor (a
  /// check cannot tell). Safe from several threads.
  bool HasAnchor(const std::string& page, std::string_view fragment);

  /// How many pages have been read for their anchors.
  std::size_t pages_read() const { return pages_read_.load(); }

 private:
  struct Page;
  struct Shard;
  const Page& Get(const std::string& page);

  static constexpr std::size_t kShards = 16;
  std::unique_ptr<Shard[]> shards_;
  std::atomic<std::size_t> pages_read_{0};
};

/// True when a fragment needs no anchor: empty, or "top" in any letter case
/// (browsers go to the top of the page for it).
bool IsFragmentAlwaysFound(std::string_view fragment);

/// True when the file at path is a page whose anchors a check reads: its
/// extension contains "htm" (.html, .shtml, ...) or is "php".
bool HasAnchorsToRead(std::string_view path);

}  // namespace qvn
