#include "core/results/report_by_source.h"

#include <deque>
#include <string_view>
#include <unordered_set>

#include "core/platform/path.h"
#include "core/platform/text_file.h"

namespace qvn {

std::string FormatReportBySource(const BrokenLinkTable& table, const ReportContext& context,
                                 long long repeated) {
  const std::string& top = context.top_folder;
  std::string out;
  WriteReportHeader(out, context, table.size());
  std::unordered_set<std::string_view> listed;
  std::deque<std::string> noted;  // targets with their notes; views into it stay valid
  const std::string* last_source = nullptr;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (last_source == nullptr || table.Source(i) != *last_source) {
      out += RelativeTo(table.Source(i), top);
      AppendLine(out, " \xE2\x80\x94>");
      last_source = &table.Source(i);
      listed.clear();
    }
    std::string_view target = RelativeTo(table.Target(i), top);
    if (HasReportNote(table.Link(i))) target = noted.emplace_back(WithNote(target, table.Link(i)));
    if (listed.insert(target).second || context.show_repeated) {
      out += "     ";
      AppendLine(out, target);
    }
  }
  WriteRepeatedLinksLine(out, repeated);
  return out;
}

}  // namespace qvn
