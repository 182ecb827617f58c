#include "core/results/report_json.h"

namespace qvn {
namespace {

void WriteCounts(JsonWriter& writer, const Findings& findings) {
  writer.Key("counts");
  writer.BeginObject();
  writer.Field("pagesRead", findings.pages_read);
  writer.Field("pagesWithBrokenLinks", findings.PagesWithFindings());
  writer.Field("brokenLinks", static_cast<long long>(findings.items.size()));
  writer.Key("byKind");
  writer.BeginObject();
  const auto counts = findings.CountByKind();
  for (std::size_t i = 0; i < kFindingKinds; ++i)
    writer.Field(KindName(static_cast<FindingKind>(i)), counts[i]);
  writer.EndObject();
  writer.EndObject();
}

void WriteBaselineCounts(JsonWriter& writer, const BaselineComparison& baseline) {
  writer.Key("baseline");
  writer.BeginObject();
  writer.Field("new", baseline.new_count);
  writer.Field("existing", baseline.existing_count);
  writer.Field("fixed", static_cast<long long>(baseline.fixed.size()));
  writer.EndObject();
}

}  // namespace

void WriteFindingJson(JsonWriter& writer, const Finding& finding, const BaselineState* state) {
  writer.BeginObject();
  writer.Field("page", finding.page);
  writer.Field("line", finding.line);
  writer.Field("column", finding.column);
  writer.Field("link", finding.link);
  writer.Field("target", finding.target);
  writer.Field("kind", KindName(finding.kind));
  writer.Field("note", finding.note);
  writer.Key("suggestion");
  if (finding.suggestion.empty()) {
    writer.Null();
  } else {
    writer.String(finding.suggestion);
  }
  if (state != nullptr) writer.Field("baseline", StateName(*state));
  writer.EndObject();
}

std::string FormatResultsJson(const Findings& findings, const BaselineComparison* baseline) {
  JsonWriter writer;
  writer.BeginObject();
  writer.Field("format", kResultsFormatName);
  writer.Field("version", kResultsFormatVersion);
  writer.Field("topFolder", findings.top_folder);
  writer.FieldBool("stopped", findings.stopped);
  WriteCounts(writer, findings);
  if (baseline != nullptr) WriteBaselineCounts(writer, *baseline);
  writer.Key("brokenLinks");
  writer.BeginArray();
  for (std::size_t i = 0; i < findings.items.size(); ++i)
    WriteFindingJson(writer, findings.items[i], baseline != nullptr ? &baseline->states[i] : nullptr);
  writer.EndArray();
  if (baseline != nullptr) {
    writer.Key("fixed");
    writer.BeginArray();
    for (const auto& finding : baseline->fixed) WriteFindingJson(writer, finding);
    writer.EndArray();
  }
  writer.EndObject();
  return writer.Take();
}

}  // namespace qvn
