#pragma once
// Every link of a page, found by tokenizing it as HTML, for the "every link"
// check: the URL-bearing attributes of every tag whatever their quoting or
// spacing, srcset candidates, meta refresh targets, CSS url() values, base
// hrefs; and, on request, the ids and a names that fragments point to.
//
// The page streams through in blocks of any size; memory does not grow with
// it (names and values are capped: kMaxHtmlName, kMaxHtmlValue).
// Bytes are read as UTF-8 where a value is valid UTF-8 and as Windows-1252
// otherwise (per value, not per line: see MakeUtf8); a valid UTF-8 page gives
// its links' bytes unchanged.

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/links/html/html_links.h"

namespace qvn {

class InputFile;

class HtmlScanner {
 public:
  /// on_link gets every link in page order; on_anchor, when given, every
  /// anchor. The views they get are valid during the call only.
  explicit HtmlScanner(HtmlLinkHandler on_link, HtmlAnchorHandler on_anchor = nullptr);
  ~HtmlScanner();
  HtmlScanner(const HtmlScanner&) = delete;
  HtmlScanner& operator=(const HtmlScanner&) = delete;

  /// Scans the next block of the page; a tag may run on into the next block.
  void Feed(std::string_view block);
  /// Ends the page: a tag left open is dropped, an open style sheet ends.
  void Finish();
  /// Ready for the next page (buffers are kept).
  void Reset();
  /// Scans an open file from the start (Reset, blocks of block_size bytes,
  /// Finish); false when reading failed. A UTF-16 page is scanned as its
  /// UTF-8 form (PageInput).
  bool ScanFile(InputFile& file, std::size_t block_size = 1 << 18);

 private:
  HtmlLinkFinder finder_;
  HtmlTokenizer tokenizer_;
  std::vector<char> block_;  // kept from file to file
};

/// Scans a whole page held in memory.
void ScanHtml(std::string_view page, const HtmlLinkHandler& on_link,
              const HtmlAnchorHandler& on_anchor = nullptr);

}  // namespace qvn
