#include "core/results/report_csv.h"

#include "core/results/json_writer.h"

namespace qvn {
namespace {

void AppendRow(std::string& out, const LinkRow& row, std::string_view state) {
  const BrokenLink& link = row.link;
  AppendCsvField(out, row.page);
  out += ',';
  out += std::to_string(link.line);
  out += ',';
  out += std::to_string(link.column);
  const std::string note = LinkNote(link);
  for (std::string_view field : {std::string_view(link.link), row.target, KindName(link.kind),
                                 std::string_view(note), std::string_view(link.suggestion)}) {
    out += ',';
    AppendCsvField(out, field);
  }
  if (!state.empty()) {
    out += ',';
    out += state;
  }
  out += "\r\n";
}

}  // namespace

void AppendCsvField(std::string& out, std::string_view field) {
  const std::string text = ToValidUtf8(field);
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string FormatResultsCsv(const CheckResult& result, const BaselineComparison* baseline) {
  const BrokenLinkTable& table = result.broken_links;
  std::string out = "page,line,column,link,target,kind,note,suggestion";
  out += baseline != nullptr ? ",baseline\r\n" : "\r\n";
  for (std::size_t i = 0; i < table.size(); ++i)
    AppendRow(out, table.Row(i, result.top_folder),
              baseline != nullptr ? StateName(baseline->states[i]) : std::string_view());
  if (baseline != nullptr)
    for (std::size_t i = 0; i < baseline->fixed.size(); ++i)
      AppendRow(out, baseline->fixed.Row(i, {}), "fixed");
  return out;
}

}  // namespace qvn
