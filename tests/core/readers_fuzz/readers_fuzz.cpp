// libFuzzer target for the readers of files the user names (cmake
// -DQVN_FUZZ=ON, clang only): each input is read as a settings file and as a
// JSON baseline. Neither may crash or hang; settings that were read survive
// saving and reading back; a baseline compared with itself shows nothing new
// or fixed; JSON within tight limits is refused past them, never misread. A
// mismatch aborts, so the fuzzer keeps the input. Seeds:
// tests/core/readers_fuzz/corpus, tokens: tests/core/readers_fuzz/readers_fuzz.dict.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/results/baseline.h"
#include "core/results/json_reader.h"
#include "core/settings/settings_file.h"

namespace {

void SettingsSurviveSaveAndReload(std::string_view text) {
  qvn::Settings read;
  const int fields = qvn::ParseSettings(text, read);
  if (fields < 0 || fields > qvn::kAllSettingsFields) std::abort();
  if (!qvn::FieldWithDoubleQuote(read).empty()) return;  // refused on saving
  qvn::Settings back;
  if (!qvn::IsCompleteSettingsRead(qvn::ParseSettings(qvn::FormatSettings(read), back)) ||
      !(back == read))
    std::abort();
}

void BaselineMatchesItself(std::string_view text) {
  qvn::BrokenLinkTable links;
  if (!qvn::ParseBaseline(text, links, nullptr)) return;
  for (std::size_t i = 0; i < links.size(); ++i)
    if (links.Link(i).line < 0 || links.Link(i).column < 0) std::abort();
  const qvn::BaselineComparison same = qvn::CompareWithBaseline(links, {}, links);
  if (same.new_count != 0 || !same.fixed.empty() ||
      same.existing_count != static_cast<long long>(links.size()))
    std::abort();
}

// Counts the values of a tree and its depth, to hold them against the limits.
void Measure(const qvn::JsonValue& value, std::size_t depth, std::size_t& values,
             std::size_t& deepest) {
  ++values;
  deepest = std::max(deepest, depth);
  if (value.Is(qvn::JsonValue::Type::kObject) && value.keys.size() != value.items.size())
    std::abort();
  for (const qvn::JsonValue& item : value.items) Measure(item, depth + 1, values, deepest);
}

void JsonKeepsItsLimits(std::string_view text) {
  const qvn::JsonLimits limits{.max_depth = 6, .max_values = 40};
  const auto value = qvn::ParseJson(text, nullptr, limits);
  if (!value) return;
  std::size_t values = 0, deepest = 0;
  Measure(*value, 0, values, deepest);
  if (values > limits.max_values || deepest > limits.max_depth) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  SettingsSurviveSaveAndReload(text);
  BaselineMatchesItself(text);
  JsonKeepsItsLimits(text);
  return 0;
}
