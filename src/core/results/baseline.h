#pragma once
// Baselines: the findings of an earlier check, saved as a JSON results
// document (report_json.h), against which a later check tells new broken
// links from those already known and from those fixed since.
//
// A finding's identity is its page, its link as written and its target, not
// its line, so that edits elsewhere in the page do not make it new. A link
// broken twice in one page is two findings: one fixed leaves one existing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/findings.h"

namespace qvn {

/// Reads the findings of a baseline document: a results document of format
/// "quorvane-results", version 1, whose broken links each have at least a
/// page, a link and a target. False, with *error saying why, otherwise.
bool ParseBaseline(std::string_view text, std::vector<Finding>& findings, std::string* error);

/// The most a baseline file may hold (64 MB, some 250,000 broken links). With
/// the JSON reader's limits (JsonLimits) it bounds the memory a baseline takes.
inline constexpr std::uint64_t kBaselineFileLimit = 64u << 20;

/// As ParseBaseline, for the file at path; *error also covers reading it
/// (a pipe or device is read as a stream, up to kBaselineFileLimit).
bool ReadBaseline(const std::string& path, std::vector<Finding>& findings, std::string* error);

enum class BaselineState { kNew, kExisting };

/// The current findings measured against a baseline.
struct BaselineComparison {
  std::vector<BaselineState> states;  ///< one per current finding, in their order
  std::vector<Finding> fixed;         ///< in the baseline but no longer found, in its order
  long long new_count = 0;
  long long existing_count = 0;
};

/// Matches current findings to the baseline's by identity, in order: of n
/// current and m baseline findings with one identity, the first min(n, m)
/// current ones are existing, the rest new, and the last m - n (if any) of
/// the baseline's are fixed. Names compare as they are written in the
/// documents (bytes that are not UTF-8 as U+FFFD), with "\" read as "/" so
/// that a baseline moves between platforms.
BaselineComparison CompareWithBaseline(const std::vector<Finding>& current,
                                       const std::vector<Finding>& baseline);

/// What identifies a finding across runs: its page, link and target as
/// written in the documents, joined by NUL characters.
std::string FindingIdentity(const Finding& finding);

/// The name of a state in the machine-readable formats: "new" or "existing".
std::string_view StateName(BaselineState state);

}  // namespace qvn
