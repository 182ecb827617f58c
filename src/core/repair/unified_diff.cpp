#include "core/repair/unified_diff.h"

#include <algorithm>
#include <vector>

#include "core/repair/page_edit.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

constexpr std::size_t kContext = 3;

std::vector<std::string_view> Lines(std::string_view page) {
  const std::vector<std::size_t> starts = LineStarts(page);
  std::vector<std::string_view> lines;
  for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
    const std::string_view line = page.substr(starts[i], starts[i + 1] - starts[i]);
    lines.push_back(line.substr(0, line.find_first_of("\r\n")));
  }
  return lines;
}

void AppendLine(std::string& out, char mark, std::string_view line) {
  out += mark;
  out += DecodeTextLine(line);
  out += '\n';
}

}  // namespace

std::string UnifiedDiff(std::string_view label, std::string_view old_page,
                        std::string_view new_page) {
  const std::vector<std::string_view> before = Lines(old_page), after = Lines(new_page);
  const std::size_t count = std::min(before.size(), after.size());
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < count; ++i)
    if (before[i] != after[i]) changed.push_back(i);
  if (changed.empty()) return {};
  std::string out = "--- a/" + std::string(label) + "\n+++ b/" + std::string(label) + "\n";
  for (std::size_t c = 0; c < changed.size();) {
    const std::size_t first = changed[c] >= kContext ? changed[c] - kContext : 0;
    std::size_t last = std::min(changed[c] + kContext + 1, count);
    std::size_t next = c + 1;
    // Changes whose context touches are one hunk.
    while (next < changed.size() && changed[next] <= last + kContext) {
      last = std::min(changed[next] + kContext + 1, count);
      ++next;
    }
    const std::string range = std::to_string(first + 1) + "," + std::to_string(last - first);
    out += "@@ -" + range + " +" + range + " @@\n";
    for (std::size_t i = first; i < last;) {
      if (before[i] == after[i]) {
        AppendLine(out, ' ', before[i++]);
        continue;
      }
      // A run of changed lines: the old ones, then the new ones.
      std::size_t end = i;
      while (end < last && before[end] != after[end]) ++end;
      for (std::size_t j = i; j < end; ++j) AppendLine(out, '-', before[j]);
      for (std::size_t j = i; j < end; ++j) AppendLine(out, '+', after[j]);
      i = end;
    }
    c = next;
  }
  return out;
}

}  // namespace qvn
