#include "core/links/link_checker.h"

#include "core/text/casefold.h"
#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/text/utf.h"
#include "core/links/every_link_reader.h"
#include "core/links/line_reader.h"
#include "core/links/link_extract.h"
#include "core/links/more_check_context.h"
#include "core/links/more_link_tester.h"

namespace qvn {

LinkChecker::LinkChecker(const std::vector<std::string>& excluded_links, ExistenceCache& cache,
                         MoreCheckContext* more, bool external)
    : external_(external), lookup_(cache) {
  for (const auto& item : excluded_links) excluded_folded_.push_back(LowerCaseLatin(item));
  if (more == nullptr || !more->options.AnyOn()) return;
  more_ = std::make_unique<MoreLinkTester>(*more, excluded_folded_, lookup_);
  if (more->options.all_links) every_link_ = std::make_unique<EveryLinkReader>(*more_);
}

LinkChecker::~LinkChecker() = default;

PageRead LinkChecker::CheckLinksInFile(const std::string& page, const std::vector<std::string>& chain,
                                   std::vector<BrokenLink>& broken,
                                   const std::atomic<bool>* cancel, const FolderHandle* folder,
                                   std::vector<std::string>* linked) {
  InputFile file;
  const bool opened = folder != nullptr && page.starts_with(folder->path())
                          ? file.Open(*folder, page.substr(folder->path().size()))
                          : file.Open(page);
  if (!opened) {
    last_error_ = LastSystemError();
    return PageRead::kUnreadable;
  }
  if (more_) {
    more_->StartPage(page, chain, broken, linked);
    if (every_link_) return every_link_->Read(file, cancel) ? PageRead::kRead : PageRead::kEmpty;
  }
  LineReader reader(file);
  std::string_view line;
  long long lines = 0;
  while (reader.Next(line)) {
    // A cheap check now and then keeps a stop prompt even inside a huge page.
    if (cancel != nullptr && (++lines & 1023) == 0 && cancel->load(std::memory_order_relaxed))
      return PageRead::kRead;
    const auto raw = FindLinkInLine(line);
    if (!raw) continue;
    const std::string_view written = LinkText(line, *raw, decoded_line_);
    const std::size_t offset = static_cast<std::size_t>(raw->data() - line.data());
    if (external_ &&
        CollectExternalLink(written, reader.line_number(),
                            static_cast<long long>(Utf16Length(line.substr(0, offset))) + 1,
                            excluded_folded_, true, broken))
      continue;
    if (more_) {
      more_->Test(written, reader.line_number(),
                  static_cast<long long>(Utf16Length(line.substr(0, offset))) + 1);
      continue;
    }
    if (!PrepareLink(written, excluded_folded_, link_)) continue;
    if (!FormTarget(link_, chain, target_)) continue;
    if (TargetExists(target_)) {
      if (linked != nullptr) linked->push_back(MayNeedDotResolution(target_) ? resolved_ : target_);
      continue;
    }
    broken.push_back({target_, std::string(written), reader.line_number(),
                      static_cast<long long>(Utf16Length(line.substr(0, offset))) + 1,
                      KindOfMissingTarget(lookup_.TargetKind(target_))});
  }
  return reader.empty_file() ? PageRead::kEmpty : PageRead::kRead;
}

}  // namespace qvn
