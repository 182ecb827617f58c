#include "core/links/html/html_scanner.h"

#include "core/platform/page_input.h"
#include "core/platform/platform.h"

namespace qvn {

HtmlScanner::HtmlScanner(HtmlLinkHandler on_link, HtmlAnchorHandler on_anchor)
    : finder_(std::move(on_link), std::move(on_anchor)), tokenizer_(finder_) {
  finder_.SetTokenizer(tokenizer_);
}

HtmlScanner::~HtmlScanner() = default;

void HtmlScanner::Feed(std::string_view block) { tokenizer_.Feed(block); }

void HtmlScanner::Finish() { tokenizer_.Finish(); }

void HtmlScanner::Reset() {
  tokenizer_.Reset();
  finder_.Reset();
}

void ScanHtml(std::string_view page, const HtmlLinkHandler& on_link,
              const HtmlAnchorHandler& on_anchor) {
  HtmlScanner scanner(on_link, on_anchor);
  scanner.Feed(page);
  scanner.Finish();
}

bool HtmlScanner::ScanFile(InputFile& file, std::size_t block_size) {
  Reset();
  block_.resize(block_size);
  PageInput input(file);
  while (true) {
    const long long got = input.Read(block_.data(), block_.size());
    if (got < 0) return false;
    if (got == 0) break;
    Feed(std::string_view(block_.data(), static_cast<std::size_t>(got)));
    // A regular file reads short only at its end.
    if (static_cast<std::size_t>(got) < block_.size()) break;
  }
  Finish();
  return true;
}

}  // namespace qvn
