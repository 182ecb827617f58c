#pragma once
// A link's bytes in its page: found from the line and column the check
// gave, and replaced without touching any other byte.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// Where a link's bytes stand in a page, and how text is written there.
struct LinkSpot {
  std::size_t offset = 0;     ///< of the link's first byte in the page
  std::size_t length = 0;     ///< of the link's bytes
  bool windows_1252 = false;  ///< new text goes in as Windows-1252 (else UTF-8)
  bool amp_entity = false;    ///< the page writes the link's "&" as "&amp;"
  char quote = 0;             ///< the quote before the link ('"', '\'' or 0)
};

/// Finds the link `written` (UTF-8, as the scan read it) at line and column
/// (as the check counts them) of page. nullopt when the bytes there do not
/// read as the link: the page changed, or the link runs across lines or
/// holds character references other than "&amp;".
std::optional<LinkSpot> FindLinkSpot(std::string_view page, long long line, long long column,
                                     std::string_view written);

/// text (UTF-8) as the page holds it at spot; nullopt when the page's
/// encoding cannot hold it.
std::optional<std::string> SpotBytes(const LinkSpot& spot, std::string_view text);

/// True when page starts with a UTF-16 byte-order mark: such pages are not rewritten.
bool IsUtf16Page(std::string_view page);

/// One change to a page: the bytes at [offset, offset + length) become bytes.
struct PageEdit {
  std::size_t offset = 0;
  std::size_t length = 0;
  std::string bytes;
};

/// page with the edits made; edits are in page order and do not overlap.
std::string ApplyEdits(std::string_view page, const std::vector<PageEdit>& edits);

/// Where each line of page starts: CR LF, a lone CR and a lone LF each end
/// one, as the check counts lines. The last entry is the page's size.
std::vector<std::size_t> LineStarts(std::string_view page);

}  // namespace qvn
