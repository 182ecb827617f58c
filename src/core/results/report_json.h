#pragma once
// The results document: the findings of a check as JSON, described by
// docs/results.schema.json. It is also the baseline file's format.

#include <string>

#include "core/results/baseline.h"
#include "core/results/findings.h"
#include "core/results/json_writer.h"

namespace qvn {

/// The document's "format" and "version"; the version grows only when a
/// change would mislead a reader of the old one.
inline constexpr const char* kResultsFormatName = "quorvane-results";
inline constexpr int kResultsFormatVersion = 1;

/// Writes one finding as an object; state (when given) adds "baseline".
void WriteFindingJson(JsonWriter& writer, const Finding& finding,
                      const BaselineState* state = nullptr);

/// The results document (UTF-8, LF line ends): the top folder, whether the
/// run was stopped, the counts and every finding in order. With a baseline
/// comparison, each finding is marked new or existing and the fixed ones
/// follow. The same findings always give the same bytes.
std::string FormatResultsJson(const Findings& findings,
                              const BaselineComparison* baseline = nullptr);

}  // namespace qvn
