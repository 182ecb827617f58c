#include "linkcheck/link_checker.h"

#include "common/casefold.h"
#include "common/path.h"
#include "common/platform.h"
#include "common/utf.h"
#include "linkcheck/line_reader.h"
#include "linkcheck/link_extract.h"

namespace qvn {

LinkChecker::LinkChecker(const std::vector<std::string>& excluded_links, ExistenceCache& cache)
    : cache_(cache) {
  for (const auto& item : excluded_links) excluded_folded_.push_back(LowerCaseLatin(item));
}

bool LinkChecker::Exists(std::string_view path) {
  const std::size_t cut = path.rfind(kSeparator);
  if (cut == std::string_view::npos) return cache_.Exists(path);
  const std::string_view folder = path.substr(0, cut + 1);
  const std::uint64_t hash = HashPath(folder);
  const ExistenceCache::Listing* listing = nullptr;
  if (const auto index = folder_index_.Find(hash, folder)) {
    listing = listings_[*index];
  } else {
    listing = &cache_.FolderListing(folder);
    folder_index_.Insert(hash, folder, static_cast<std::uint32_t>(listings_.size()));
    listings_.push_back(listing);
  }
  if (const auto known = listing->Knows(path.substr(cut + 1))) return *known;
  return cache_.AskFileSystem(path);
}

bool LinkChecker::TargetExists(const std::string& target) {
  if (EndsInNonFileComponent(target)) return false;
  if (!MayNeedDotResolution(target)) return Exists(target);
  resolved_ = ResolveDotSegments(target);
  return Exists(resolved_);
}

bool LinkChecker::CheckLinksInFile(const std::string& page, const std::vector<std::string>& chain,
                                   std::vector<BrokenLink>& broken,
                                   const std::atomic<bool>* cancel, const FolderHandle* folder,
                                   std::vector<std::string>* linked) {
  InputFile file;
  const bool opened = folder != nullptr && page.starts_with(folder->path())
                          ? file.Open(*folder, page.substr(folder->path().size()))
                          : file.Open(page);
  if (!opened) return true;
  LineReader reader(file);
  std::string_view line;
  long long lines = 0;
  while (reader.Next(line)) {
    // A cheap check now and then keeps a stop prompt even inside a huge page.
    if (cancel != nullptr && (++lines & 1023) == 0 && cancel->load(std::memory_order_relaxed))
      return true;
    const auto raw = FindLinkInLine(line);
    if (!raw) continue;
    const std::string_view written = LinkText(line, *raw, decoded_line_);
    if (!PrepareLink(written, excluded_folded_, link_)) continue;
    if (!FormTarget(link_, chain, target_)) continue;
    if (TargetExists(target_)) {
      if (linked != nullptr) linked->push_back(MayNeedDotResolution(target_) ? resolved_ : target_);
      continue;
    }
    const std::size_t offset = static_cast<std::size_t>(raw->data() - line.data());
    broken.push_back({target_, std::string(written), reader.line_number(),
                      static_cast<long long>(Utf16Length(line.substr(0, offset))) + 1});
  }
  return !reader.empty_file();
}

}  // namespace qvn
