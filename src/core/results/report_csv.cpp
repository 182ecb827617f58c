#include "core/results/report_csv.h"

#include "core/results/json_writer.h"

namespace qvn {
namespace {

void AppendRow(std::string& out, const Finding& finding, std::string_view state) {
  AppendCsvField(out, finding.page);
  out += ',';
  out += std::to_string(finding.line);
  out += ',';
  out += std::to_string(finding.column);
  for (std::string_view field : {std::string_view(finding.link), std::string_view(finding.target),
                                 KindName(finding.kind), std::string_view(finding.note),
                                 std::string_view(finding.suggestion)}) {
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

std::string FormatResultsCsv(const Findings& findings, const BaselineComparison* baseline) {
  std::string out = "page,line,column,link,target,kind,note,suggestion";
  out += baseline != nullptr ? ",baseline\r\n" : "\r\n";
  for (std::size_t i = 0; i < findings.items.size(); ++i)
    AppendRow(out, findings.items[i],
              baseline != nullptr ? StateName(baseline->states[i]) : std::string_view());
  if (baseline != nullptr)
    for (const auto& finding : baseline->fixed) AppendRow(out, finding, "fixed");
  return out;
}

}  // namespace qvn
