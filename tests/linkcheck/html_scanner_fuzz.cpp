// libFuzzer target for the HTML scanner (cmake -DQVN_FUZZ=ON, clang only).
// Any input must scan without crashing or hanging, give valid UTF-8 links at
// real positions, and give the same links whole as cut into blocks; a
// mismatch aborts, so the fuzzer keeps the input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/utf.h"
#include "linkcheck/html_scanner.h"

namespace {

std::vector<std::string> Scan(std::string_view page, std::size_t block) {
  std::vector<std::string> found;
  qvn::HtmlScanner scanner(
      [&](const qvn::HtmlLink& link) {
        if (link.position.line < 1 || link.position.column < 1 || !qvn::IsValidUtf8(link.url) ||
            link.url.size() > qvn::kMaxHtmlValue)
          std::abort();
        found.push_back(std::string(link.tag) + "." + std::string(link.attribute) + "=" +
                        std::string(link.url) + "@" + std::to_string(link.position.line) + ":" +
                        std::to_string(link.position.column));
      },
      [&](const qvn::HtmlAnchor& anchor) { found.push_back("#" + std::string(anchor.name)); });
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
  if (Scan(page, page.size() + 1) != Scan(page, block)) std::abort();
  return 0;
}
