#include "core/results/report_text.h"

#include <functional>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "core/platform/text_file.h"

namespace qvn {
namespace {

struct PairHash {
  std::size_t operator()(const std::pair<std::string_view, std::string_view>& p) const {
    const std::hash<std::string_view> h;
    return h(p.first) * 31 + h(p.second);
  }
};

}  // namespace

long long CountRepeatedLinks(const BrokenLinkTable& table) {
  std::unordered_set<std::pair<std::string_view, std::string_view>, PairHash> seen;
  seen.reserve(table.size());
  long long repeated = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (!seen.emplace(table.Source(i), table.Target(i)).second) ++repeated;
  }
  return repeated;
}

void WriteReportHeader(std::string& out, const ReportContext& context, std::size_t count) {
  if (context.stopped) {
    AppendLine(out, "Link checking was stopped, so this list is incomplete.");
    AppendLine(out, "");
  }
  AppendLine(out, "Top folder is");
  AppendLine(out, context.top_folder);
  AppendLine(out, "");
  AppendLine(out, count == 1 ? std::string("There is one broken link:")
                             : "There are " + std::to_string(count) + " broken links:");
  AppendLine(out, "");
}

void WriteRepeatedLinksLine(std::string& out, long long repeated) {
  if (repeated <= 0) return;
  AppendLine(out, "");
  AppendLine(out, repeated == 1 ? std::string("There is one repeated-in-file broken link.")
                                : "There are " + std::to_string(repeated) +
                                      " repeated-in-file broken links.");
}

}  // namespace qvn
