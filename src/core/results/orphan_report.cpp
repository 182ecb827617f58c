#include "core/results/orphan_report.h"

#include <vector>

#include "core/text/number.h"

namespace qvn {
namespace {

void AppendSection(std::string& text, std::string_view heading,
                   const std::vector<std::string>& paths) {
  text +=
      std::string(heading) + " (" + FormatGrouped(static_cast<long long>(paths.size())) + "):\n";
  for (const auto& path : paths) text += "  " + path + "\n";
}

}  // namespace

std::string FormatOrphanReport(const OrphanResult& result, std::string_view top_folder) {
  if (result.stopped) return OrphanCountText(result) + "\n";
  std::string text = "Top folder: " + std::string(top_folder) + "\n";
  text += "Files walked: " + FormatGrouped(result.files) +
          "; pages read: " + FormatGrouped(result.pages_read) + "\n";
  AppendSection(text, "Roots", result.roots);
  if (result.roots.empty())
    text += "  (no index page in the top folder: no file is reachable from a root)\n";
  text += "\n";
  AppendSection(text, "Not linked from any page", result.not_linked);
  text += "\n";
  AppendSection(text, "Reachable only from orphans", result.only_from_orphans);
  text += "\n";
  return text + OrphanCountText(result) + "\n";
}

std::string OrphanCountText(const OrphanResult& result) {
  if (result.stopped) return "The orphan search was stopped.";
  const auto not_linked = static_cast<long long>(result.not_linked.size());
  const auto only_from_orphans = static_cast<long long>(result.only_from_orphans.size());
  const long long total = not_linked + only_from_orphans;
  if (total == 0) return "No orphan files.";
  return FormatGrouped(total) + (total == 1 ? " orphan file: " : " orphan files: ") +
         FormatGrouped(not_linked) + " not linked from any page, " +
         FormatGrouped(only_from_orphans) + " reachable only from orphans.";
}

}  // namespace qvn
