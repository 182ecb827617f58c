// libFuzzer target for the HTML scanner (cmake -DQVN_FUZZ=ON, clang only).
// Any input must scan without crashing or hanging, give valid UTF-8 links at
// real positions, give the same links whole as cut into blocks, and the same
// links with anchors asked for as without; a mismatch aborts, so the fuzzer
// keeps the input. Seeds: tests/core/links/html/fuzz_corpus (the first byte of each
// chooses the block size), tokens: tests/core/links/html/html_scanner_fuzz.dict.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/text/utf.h"
#include "core/links/html/html_scanner.h"

namespace {

std::vector<std::string> Scan(std::string_view page, std::size_t block, bool anchors) {
  std::vector<std::string> found;
  qvn::HtmlAnchorHandler on_anchor;
  if (anchors) {
    on_anchor = [&](const qvn::HtmlAnchor& anchor) {
      if (anchor.name.empty() || !qvn::IsValidUtf8(anchor.name)) std::abort();
      found.push_back("#" + std::string(anchor.name));
    };
  }
  qvn::HtmlScanner scanner(
      [&](const qvn::HtmlLink& link) {
        // A value byte read as Windows-1252 may take three in UTF-8.
        if (link.position.line < 1 || link.position.column < 1 || !qvn::IsValidUtf8(link.url) ||
            link.url.size() > 3 * qvn::kMaxHtmlValue)
          std::abort();
        found.push_back(std::string(link.tag) + "." + std::string(link.attribute) + "=" +
                        std::string(link.url) + "@" + std::to_string(link.position.line) + ":" +
                        std::to_string(link.position.column) + (link.is_base ? " base" : "") +
                        (link.truncated ? " cut" : ""));
      },
      on_anchor);
  for (std::size_t at = 0; at < page.size(); at += block) scanner.Feed(page.substr(at, block));
  scanner.Finish();
  return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the block size; the rest is the page.
  const std::size_t block = 1 + data[0] % 16;
  const std::string_view page(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::vector<std::string> whole = Scan(page, page.size() + 1, true);
  if (Scan(page, block, true) != whole) std::abort();
  // Asking for anchors adds them and changes no link.
  std::vector<std::string> links = whole;
  std::erase_if(links, [](const std::string& s) { return s.front() == '#'; });
  if (Scan(page, page.size() + 1, false) != links) std::abort();
  return 0;
}
