#pragma once
// The results document: the broken links of a check as JSON, described by
// docs/results.schema.json. It is also the baseline file's format.

#include <string>

#include "core/results/baseline.h"
#include "core/results/json_writer.h"
#include "core/results/run_results.h"

namespace qvn {

/// The document's "format" and "version"; the version grows only when a
/// change would mislead a reader of the old one.
inline constexpr const char* kResultsFormatName = "quorvane-results";
inline constexpr int kResultsFormatVersion = 1;

/// Writes one broken link as an object; state (when given) adds "baseline",
/// repair (when given) "repair": the new link and its reason, the
/// candidates when there are several, or null.
void WriteLinkJson(JsonWriter& writer, const LinkRow& row, const BaselineState* state = nullptr,
                   const ProposedRepair* repair = nullptr);

/// Writes the baseline's fixed links as an array under key.
void WriteFixedJson(JsonWriter& writer, std::string_view key, const BaselineComparison& baseline);

/// The results document (UTF-8, LF line ends): the top folder, whether the
/// run was stopped, the counts and every broken link in order. With a
/// baseline comparison, each link is marked new or existing and the fixed
/// ones follow. The same results always give the same bytes.
std::string FormatResultsJson(const CheckResult& result,
                              const BaselineComparison* baseline = nullptr);

}  // namespace qvn
