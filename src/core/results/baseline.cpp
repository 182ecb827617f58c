#include "core/results/baseline.h"

#include <algorithm>
#include <map>
#include <optional>

#include "core/platform/platform.h"
#include "core/results/json_reader.h"
#include "core/results/json_writer.h"
#include "core/results/report_json.h"

namespace qvn {
namespace {

const std::string* StringMember(const JsonValue& object, std::string_view key) {
  const JsonValue* value = object.Find(key);
  return value != nullptr && value->Is(JsonValue::Type::kString) ? &value->text : nullptr;
}

// A line or column: 0 when absent or no number; nullopt for a number that is
// no count (a fraction, below 0, beyond what a double holds exactly).
std::optional<long long> CountMember(const JsonValue& object, std::string_view key) {
  const JsonValue* value = object.Find(key);
  if (value == nullptr || !value->Is(JsonValue::Type::kNumber)) return 0;
  const std::optional<long long> count = value->Integer();
  if (!count || *count < 0) return std::nullopt;
  return count;
}

// One broken link of a baseline; "" or what is wrong with it.
std::string ReadFinding(const JsonValue& item, Finding& finding) {
  const std::string* page = StringMember(item, "page");
  const std::string* link = StringMember(item, "link");
  const std::string* target = StringMember(item, "target");
  if (page == nullptr || link == nullptr || target == nullptr)
    return "lacks its page, link or target";
  finding.page = *page;
  finding.link = *link;
  finding.target = *target;
  const std::pair<const char*, long long*> counts[] = {{"line", &finding.line},
                                                       {"column", &finding.column}};
  for (const auto& [key, count] : counts) {
    const std::optional<long long> value = CountMember(item, key);
    if (!value) return std::string("has a ") + key + " that is not a whole number from 0 to 2^53";
    *count = *value;
  }
  const std::string* kind = StringMember(item, "kind");
  finding.kind = kind != nullptr ? KindFromName(*kind).value_or(FindingKind::kMissingFile)
                                 : FindingKind::kMissingFile;
  const std::string* note = StringMember(item, "note");
  finding.note = note != nullptr ? *note : std::string(KindNote(finding.kind));
  const std::string* suggestion = StringMember(item, "suggestion");
  if (suggestion != nullptr) finding.suggestion = *suggestion;
  return {};
}

bool Refuse(std::string* error, std::string why) {
  if (error != nullptr) *error = std::move(why);
  return false;
}

bool CheckHeader(const JsonValue& document, std::string* error) {
  const std::string* format = StringMember(document, "format");
  if (format == nullptr || *format != kResultsFormatName)
    return Refuse(error, std::string("not a results document (\"format\" is not \"") +
                             kResultsFormatName + "\")");
  const JsonValue* version_value = document.Find("version");
  const auto version = version_value != nullptr ? version_value->Integer() : std::nullopt;
  if (!version) return Refuse(error, "the document has no version number");
  if (*version != kResultsFormatVersion)
    return Refuse(error, "version " + std::to_string(*version) +
                             " of the results document is not known to this qvn");
  return true;
}

std::string Normalised(std::string_view name) {
  std::string text = ToValidUtf8(name);
  for (char& c : text)
    if (c == '\\') c = '/';
  return text;
}

}  // namespace

std::string FindingIdentity(const Finding& finding) {
  std::string identity = Normalised(finding.page);
  identity += '\0';
  identity += ToValidUtf8(finding.link);
  identity += '\0';
  identity += Normalised(finding.target);
  return identity;
}

bool ParseBaseline(std::string_view text, std::vector<Finding>& findings, std::string* error) {
  std::string problem;
  const auto document = ParseJson(text, &problem);
  if (!document) return Refuse(error, "not valid JSON: " + problem);
  if (!CheckHeader(*document, error)) return false;
  const JsonValue* links = document->Find("brokenLinks");
  if (links == nullptr || !links->Is(JsonValue::Type::kArray))
    return Refuse(error, "the document has no \"brokenLinks\" list");
  findings.clear();
  for (std::size_t i = 0; i < links->items.size(); ++i) {
    Finding finding;
    const std::string problem = ReadFinding(links->items[i], finding);
    if (!problem.empty())
      return Refuse(error, "broken link " + std::to_string(i + 1) + " " + problem);
    findings.push_back(std::move(finding));
  }
  return true;
}

bool ReadBaseline(const std::string& path, std::vector<Finding>& findings, std::string* error) {
  std::string bytes;
  SystemError system_error;
  if (!ReadWholeFile(path, bytes, &system_error, kBaselineFileLimit))
    return Refuse(error, system_error.code == kErrorOverLimit
                             ? "the file is larger than " +
                                   std::to_string(kBaselineFileLimit >> 20) +
                                   " MB, the most a baseline may hold"
                             : system_error.description);
  return ParseBaseline(bytes, findings, error);
}

BaselineComparison CompareWithBaseline(const std::vector<Finding>& current,
                                       const std::vector<Finding>& baseline) {
  std::map<std::string, long long> available;  // baseline findings not yet matched
  for (const auto& finding : baseline) ++available[FindingIdentity(finding)];
  BaselineComparison comparison;
  comparison.states.reserve(current.size());
  for (const auto& finding : current) {
    auto match = available.find(FindingIdentity(finding));
    const bool existing = match != available.end() && match->second > 0;
    if (existing) --match->second;
    comparison.states.push_back(existing ? BaselineState::kExisting : BaselineState::kNew);
    ++(existing ? comparison.existing_count : comparison.new_count);
  }
  // The unmatched remainder of each identity is fixed: its last ones in the baseline.
  for (auto it = baseline.rbegin(); it != baseline.rend(); ++it) {
    auto& left = available[FindingIdentity(*it)];
    if (left > 0) {
      --left;
      comparison.fixed.push_back(*it);
    }
  }
  std::reverse(comparison.fixed.begin(), comparison.fixed.end());
  return comparison;
}

std::string_view StateName(BaselineState state) {
  return state == BaselineState::kNew ? "new" : "existing";
}

}  // namespace qvn
