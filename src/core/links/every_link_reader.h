#pragma once
// Reads a page as HTML for the every-link check: each link the scanner
// finds goes to the tester with its line and column, a base href sets the
// base of the links after it.

#include <atomic>
#include <vector>

#include "core/links/html/html_scanner.h"
#include "core/links/more_link_tester.h"

namespace qvn {

class InputFile;

class EveryLinkReader {
 public:
  explicit EveryLinkReader(MoreLinkTester& tester);

  /// Scans the open file to its end, or until *cancel is set; a UTF-16
  /// page as its UTF-8 form (PageInput). False when the file held no byte.
  bool Read(InputFile& file, const std::atomic<bool>* cancel);

 private:
  MoreLinkTester& tester_;
  HtmlScanner scanner_;
  std::vector<char> block_;
};

}  // namespace qvn
