#include "core/results/report_by_target.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/platform/path.h"
#include "core/text/text.h"
#include "core/platform/text_file.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

struct Row {
  std::string_view target;  // relative, untrimmed: the sort key's first part
  std::string_view source;  // relative
};

// Orders as the key "target padded with spaces to the longest target, then
// source" would sort by character code. Rows with equal keys print alike,
// so any sort gives the same report.
bool RowLess(const Row& a, const Row& b) {
  const int by_target = ComparePaddedUtf16(a.target, b.target);
  if (by_target != 0) return by_target < 0;
  return CompareUtf16(a.source, b.source) < 0;
}

}  // namespace

std::string FormatReportByTarget(const BrokenLinkTable& table, const ReportContext& context,
                                 long long repeated) {
  const std::string& top = context.top_folder;
  std::vector<Row> rows;
  rows.reserve(table.size());
  std::deque<std::string> noted;  // targets with their notes; views into it stay valid
  for (std::size_t i = 0; i < table.size(); ++i) {
    std::string_view target = RelativeTo(table.Target(i), top);
    if (HasReportNote(table.Link(i))) target = noted.emplace_back(WithNote(target, table.Link(i)));
    rows.push_back({target, RelativeTo(table.Source(i), top)});
  }
  std::sort(rows.begin(), rows.end(), RowLess);

  std::string out;
  WriteReportHeader(out, context, table.size());
  std::unordered_set<std::string_view> listed;
  std::string_view last_target;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const std::string_view target = TrimSpaces(rows[k].target);
    if (k == 0 || target != last_target) {
      out += target;
      AppendLine(out, " <\xE2\x80\x94");
      last_target = target;
      listed.clear();
    }
    if (listed.insert(rows[k].source).second || context.show_repeated) {
      out += "     ";
      AppendLine(out, rows[k].source);
    }
  }
  WriteRepeatedLinksLine(out, repeated);
  return out;
}

}  // namespace qvn
