#include "core/results/report_json.h"

#include "core/platform/path.h"

namespace qvn {
namespace {

void WriteCounts(JsonWriter& writer, const CheckResult& result) {
  const BrokenLinkTable& table = result.broken_links;
  writer.Key("counts");
  writer.BeginObject();
  writer.Field("pagesRead", result.pages_read);
  writer.Field("pagesWithBrokenLinks", table.PageCount());
  writer.Field("brokenLinks", static_cast<long long>(table.size()));
  writer.Key("byKind");
  writer.BeginObject();
  const auto counts = table.CountByKind();
  const std::size_t kinds = result.external.checked ? kLinkKinds : kLocalLinkKinds;
  for (std::size_t i = 0; i < kinds; ++i)
    writer.Field(KindName(static_cast<LinkKind>(i)), counts[i]);
  writer.EndObject();
  // Only when something was skipped, so that documents of whole sites stay as they were.
  if (!result.skipped.empty()) {
    writer.Key("skipped");
    writer.BeginObject();
    writer.Field("folders", result.skipped.Count(SkipReason::kFolder));
    writer.Field("pages", result.skipped.Count(SkipReason::kPage));
    writer.Field("pathsTooLong", result.skipped.Count(SkipReason::kPathTooLong));
    writer.EndObject();
  }
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

// Links to other sites that answer through a permanent redirect: not broken,
// so apart from the broken links.
void WriteRedirects(JsonWriter& writer, const CheckResult& result) {
  writer.Key("redirects");
  writer.BeginArray();
  for (const PermanentRedirect& redirect : result.external.redirects) {
    writer.BeginObject();
    writer.Field("page", RelativeTo(redirect.page, result.top_folder));
    writer.Field("line", redirect.line);
    writer.Field("column", redirect.column);
    writer.Field("link", redirect.link);
    writer.Field("finalAddress", redirect.final_url);
    writer.EndObject();
  }
  writer.EndArray();
}

void WriteRepairChoice(JsonWriter& writer, const RepairChoice& choice) {
  writer.Field("link", choice.link);
  writer.Field("reason", choice.reason);
}

// One choice is the repair; more are listed as candidates, none applied.
void WriteRepairJson(JsonWriter& writer, const ProposedRepair& repair) {
  writer.Key("repair");
  if (repair.choices.empty()) {
    writer.Null();
    return;
  }
  writer.BeginObject();
  if (repair.choices.size() == 1) {
    WriteRepairChoice(writer, repair.choices[0]);
  } else {
    writer.Key("candidates");
    writer.BeginArray();
    for (const RepairChoice& choice : repair.choices) {
      writer.BeginObject();
      WriteRepairChoice(writer, choice);
      writer.EndObject();
    }
    writer.EndArray();
  }
  writer.EndObject();
}

}  // namespace

void WriteLinkJson(JsonWriter& writer, const LinkRow& row, const BaselineState* state,
                   const ProposedRepair* repair) {
  const BrokenLink& link = row.link;
  writer.BeginObject();
  writer.Field("page", row.page);
  writer.Field("line", link.line);
  writer.Field("column", link.column);
  writer.Field("link", link.link);
  writer.Field("target", row.target);
  writer.Field("kind", KindName(link.kind));
  writer.Field("note", LinkNote(link));
  writer.Key("suggestion");
  if (link.suggestion.empty()) {
    writer.Null();
  } else {
    writer.String(link.suggestion);
  }
  if (state != nullptr) writer.Field("baseline", StateName(*state));
  if (repair != nullptr) WriteRepairJson(writer, *repair);
  writer.EndObject();
}

void WriteFixedJson(JsonWriter& writer, std::string_view key, const BaselineComparison& baseline) {
  writer.Key(key);
  writer.BeginArray();
  for (std::size_t i = 0; i < baseline.fixed.size(); ++i)
    WriteLinkJson(writer, baseline.fixed.Row(i, {}));
  writer.EndArray();
}

std::string FormatResultsJson(const CheckResult& result, const BaselineComparison* baseline) {
  const BrokenLinkTable& table = result.broken_links;
  JsonWriter writer;
  writer.BeginObject();
  writer.Field("format", kResultsFormatName);
  writer.Field("version", kResultsFormatVersion);
  writer.Field("topFolder", result.top_folder);
  writer.FieldBool("stopped", result.stopped);
  WriteCounts(writer, result);
  if (baseline != nullptr) WriteBaselineCounts(writer, *baseline);
  writer.Key("brokenLinks");
  writer.BeginArray();
  for (std::size_t i = 0; i < table.size(); ++i)
    WriteLinkJson(writer, table.Row(i, result.top_folder),
                  baseline != nullptr ? &baseline->states[i] : nullptr,
                  result.repairs.empty() ? nullptr : &result.repairs[i]);
  writer.EndArray();
  if (baseline != nullptr) WriteFixedJson(writer, "fixed", *baseline);
  if (result.external.checked) WriteRedirects(writer, result);
  writer.EndObject();
  return writer.Take();
}

}  // namespace qvn
