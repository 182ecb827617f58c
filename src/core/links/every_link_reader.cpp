#include "core/links/every_link_reader.h"

#include "core/platform/page_input.h"
#include "core/platform/platform.h"

namespace qvn {
namespace {

constexpr std::size_t kBlockSize = 1 << 18;

}  // namespace

EveryLinkReader::EveryLinkReader(MoreLinkTester& tester)
    : tester_(tester),
      scanner_([this](const HtmlLink& link) {
        // A value cut at its length limit would be tested as another path.
        if (link.truncated) return;
        if (link.is_base) {
          tester_.SetBase(link.url);
        } else {
          tester_.Test(link.url, link.position.line, link.position.column);
        }
      }),
      block_(kBlockSize) {}

bool EveryLinkReader::Read(InputFile& file, const std::atomic<bool>* cancel) {
  scanner_.Reset();
  PageInput input(file);
  long long total = 0;
  while (true) {
    const long long got = input.Read(block_.data(), block_.size());
    if (got < 0) return true;  // a page that could not be read further is left as read
    if (got == 0) break;
    total += got;
    scanner_.Feed(std::string_view(block_.data(), static_cast<std::size_t>(got)));
    if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) return true;
    // A regular file reads short only at its end.
    if (static_cast<std::size_t>(got) < block_.size()) break;
  }
  scanner_.Finish();
  return total > 0;
}

}  // namespace qvn
