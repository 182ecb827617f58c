#include "core/results/baseline.h"

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

// One broken link of a baseline, added to links; "" or what is wrong with it.
std::string ReadLink(const JsonValue& item, BrokenLinkTable& links) {
  const std::string* page = StringMember(item, "page");
  const std::string* written = StringMember(item, "link");
  const std::string* target = StringMember(item, "target");
  if (page == nullptr || written == nullptr || target == nullptr)
    return "lacks its page, link or target";
  BrokenLink link;
  link.target = *target;
  link.link = *written;
  const std::pair<const char*, long long*> counts[] = {{"line", &link.line},
                                                       {"column", &link.column}};
  for (const auto& [key, count] : counts) {
    const std::optional<long long> value = CountMember(item, key);
    if (!value) return std::string("has a ") + key + " that is not a whole number from 0 to 2^53";
    *count = *value;
  }
  const std::string* kind = StringMember(item, "kind");
  link.kind = kind != nullptr ? KindFromName(*kind).value_or(LinkKind::kMissingFile)
                              : LinkKind::kMissingFile;
  if (const std::string* suggestion = StringMember(item, "suggestion"))
    link.suggestion = *suggestion;
  // Only the external kinds keep their note: the others' notes follow from them.
  if (const std::string* note = StringMember(item, "note"); note != nullptr && IsExternalKind(link.kind))
    link.note = *note;
  links.Add(*page, std::move(link));
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

std::string LinkIdentity(const LinkRow& row) {
  std::string identity = Normalised(row.page);
  identity += '\0';
  identity += ToValidUtf8(row.link.link);
  identity += '\0';
  identity += Normalised(row.target);
  return identity;
}

bool ParseBaseline(std::string_view text, BrokenLinkTable& links, std::string* error) {
  std::string problem;
  const auto document = ParseJson(text, &problem);
  if (!document) return Refuse(error, "not valid JSON: " + problem);
  if (!CheckHeader(*document, error)) return false;
  const JsonValue* items = document->Find("brokenLinks");
  if (items == nullptr || !items->Is(JsonValue::Type::kArray))
    return Refuse(error, "the document has no \"brokenLinks\" list");
  links.Clear();
  for (std::size_t i = 0; i < items->items.size(); ++i) {
    const std::string problem = ReadLink(items->items[i], links);
    if (!problem.empty())
      return Refuse(error, "broken link " + std::to_string(i + 1) + " " + problem);
  }
  return true;
}

bool ReadBaseline(const std::string& path, BrokenLinkTable& links, std::string* error) {
  std::string bytes;
  SystemError system_error;
  if (!ReadWholeFile(path, bytes, &system_error, kBaselineFileLimit))
    return Refuse(error, system_error.code == kErrorOverLimit
                             ? "the file is larger than " +
                                   std::to_string(kBaselineFileLimit >> 20) +
                                   " MB, the most a baseline may hold"
                             : system_error.description);
  return ParseBaseline(bytes, links, error);
}

BaselineComparison CompareWithBaseline(const BrokenLinkTable& current, std::string_view top_folder,
                                       const BrokenLinkTable& baseline) {
  // The baseline's paths are relative already.
  std::vector<std::string> known(baseline.size());
  std::map<std::string, long long> available;  // baseline links not yet matched
  for (std::size_t i = 0; i < baseline.size(); ++i)
    ++available[known[i] = LinkIdentity(baseline.Row(i, {}))];
  BaselineComparison comparison;
  comparison.states.reserve(current.size());
  for (std::size_t i = 0; i < current.size(); ++i) {
    auto match = available.find(LinkIdentity(current.Row(i, top_folder)));
    const bool existing = match != available.end() && match->second > 0;
    if (existing) --match->second;
    comparison.states.push_back(existing ? BaselineState::kExisting : BaselineState::kNew);
    ++(existing ? comparison.existing_count : comparison.new_count);
  }
  // The unmatched remainder of each identity is fixed: its last ones in the baseline.
  std::vector<bool> fixed(baseline.size());
  for (std::size_t i = baseline.size(); i-- > 0;) {
    auto& left = available[known[i]];
    if (left > 0) {
      --left;
      fixed[i] = true;
    }
  }
  for (std::size_t i = 0; i < baseline.size(); ++i)
    if (fixed[i]) comparison.fixed.Add(baseline.Source(i), baseline.Link(i));
  return comparison;
}

std::string_view StateName(BaselineState state) {
  return state == BaselineState::kNew ? "new" : "existing";
}

}  // namespace qvn
