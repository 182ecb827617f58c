#include "core/links/anchor_cache.h"

#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/links/html/html_scanner.h"
#include "core/site/path_table.h"
#include "core/links/percent_decode.h"

namespace qvn {

struct AnchorCache::Page {
  // Held while the page is read, so that other threads wait for the reading
  // rather than repeat it. (std::call_once is not usable with every
  // toolchain's thread library.)
  std::mutex mutex;
  bool read = false;
  bool readable = false;
  std::unordered_set<std::string> anchors;
};

struct AnchorCache::Shard {
  std::mutex mutex;
  std::unordered_map<std::string, std::unique_ptr<Page>> pages;
};

AnchorCache::AnchorCache() : shards_(new Shard[kShards]) {}

AnchorCache::~AnchorCache() = default;

const AnchorCache::Page& AnchorCache::Get(const std::string& path) {
  Shard& shard = shards_[HashPath(path) % kShards];
  Page* page = nullptr;
  {
    std::lock_guard<std::mutex> lock(shard.mutex);
    auto& slot = shard.pages[path];
    if (!slot) slot = std::make_unique<Page>();
    page = slot.get();
  }
  // Read outside the shard's lock: other pages stay available meanwhile.
  std::lock_guard<std::mutex> lock(page->mutex);
  if (page->read) return *page;
  page->read = true;
  InputFile file;
  if (!file.Open(path)) return *page;
  HtmlScanner scanner([](const HtmlLink&) {},
                      [&](const HtmlAnchor& anchor) { page->anchors.emplace(anchor.name); });
  page->readable = scanner.ScanFile(file);
  ++pages_read_;
  return *page;
}

bool AnchorCache::HasAnchor(const std::string& page, std::string_view fragment) {
  const Page& found = Get(page);
  if (!found.readable) return true;
  if (found.anchors.count(std::string(fragment)) > 0) return true;
  return fragment.find('%') != std::string_view::npos &&
         found.anchors.count(PercentDecode(fragment)) > 0;
}

bool IsFragmentAlwaysFound(std::string_view fragment) {
  if (fragment.empty()) return true;
  if (fragment.size() != 3) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return lower(fragment[0]) == 't' && lower(fragment[1]) == 'o' && lower(fragment[2]) == 'p';
}

bool HasAnchorsToRead(std::string_view path) {
  const std::string extension = GetFileExtension(path, true);
  return extension.find("htm") != std::string::npos || extension == "php";
}

}  // namespace qvn
