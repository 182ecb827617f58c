#include "core/app/results_texts.h"

#include <vector>

#include "core/results/orphan_report.h"
#include "core/text/number.h"

namespace qvn::app {
namespace {

std::string Counted(long long n, const char* one, const char* many) {
  return FormatGrouped(n) + " " + (n == 1 ? one : many);
}

std::string Joined(const std::vector<std::string>& parts, std::string_view between) {
  std::string text;
  for (const auto& part : parts) {
    if (!text.empty()) text += between;
    text += part;
  }
  return text;
}

std::string Heading(const char* text, const std::vector<std::string>& paths) {
  return std::string(text) + " (" + FormatGrouped(static_cast<long long>(paths.size())) + "):";
}

}  // namespace

const char* ResultsColumnCaption(ResultsColumn column) {
  static const char* const kCaptions[] = {"Page", "Line", "Link as written", "Missing target",
                                          "Note"};
  return kCaptions[static_cast<std::size_t>(column)];
}

std::string ResultsCountsText(const CheckResult& result) {
  const BrokenLinkTable& table = result.broken_links;
  std::string text = Counted(static_cast<long long>(table.size()), "broken link", "broken links") +
                     " in " + Counted(table.PageCount(), "page", "pages");
  static constexpr const char* kLabels[kLinkKinds][2] = {
      {"missing file", "missing files"},
      {"link to a folder", "links to folders"},
      {"link to something not a regular file", "links to things not regular files"},
      {"link in other letter case", "links in other letter case"},
      {"missing anchor", "missing anchors"},
      {"folder without an index page", "folders without an index page"},
      {"link to another site with an error answer", "links to other sites with error answers"},
      {"link to another site without an answer", "links to other sites without an answer"}};
  const auto counts = table.CountByKind();
  std::vector<std::string> parts;
  for (std::size_t kind = 0; kind < kLinkKinds; ++kind)
    if (counts[kind] > 0) parts.push_back(Counted(counts[kind], kLabels[kind][0], kLabels[kind][1]));
  if (!parts.empty()) text += ": " + Joined(parts, ", ");
  // Not broken, so not rows; the JSON document lists them with where they end.
  if (const auto moved = static_cast<long long>(result.external.redirects.size()); moved > 0)
    text += "; " + Counted(moved, "link to another site moved for good",
                           "links to other sites moved for good");
  if (result.stopped) text += " (the check was stopped: incomplete)";
  return text;
}

std::string ShownRowsText(std::size_t shown, std::size_t total) {
  return FormatGrouped(static_cast<long long>(shown)) + " of " +
         FormatGrouped(static_cast<long long>(total)) + " shown";
}

std::string CannotOpenPageText(std::string_view path) {
  return "Cannot open " + std::string(path) + " in its default application.";
}

OrphanTexts OrphanWindowTexts(const OrphanResult& result, std::string_view top_folder) {
  OrphanTexts texts;
  texts.top_folder = "Top folder: " + std::string(top_folder);
  texts.summary = "Files walked: " + FormatGrouped(result.files) +
                  "; pages read: " + FormatGrouped(result.pages_read) + "; ";
  texts.summary += result.roots.empty()
                       ? "no index page in the top folder, so no file is reachable from a root"
                       : "roots: " + Joined(result.roots, ", ");
  texts.not_linked = Heading("Not linked from any page", result.not_linked);
  texts.only_from_orphans = Heading("Reachable only from orphans", result.only_from_orphans);
  texts.totals = OrphanCountText(result);
  return texts;
}

}  // namespace qvn::app
