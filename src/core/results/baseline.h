#pragma once
// Baselines: the broken links of an earlier check, saved as a JSON results
// document (report_json.h), against which a later check tells new broken
// links from those already known and from those fixed since.
//
// A broken link's identity is its page, its link as written and its target,
// not its line, so that edits elsewhere in the page do not make it new. A
// link broken twice in one page counts twice: one fixed leaves one existing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/broken_links.h"

namespace qvn {

/// Reads the broken links of a baseline document into links (paths as the
/// document writes them, relative to its top folder): a results document of
/// format "quorvane-results", version 1, whose broken links each have at
/// least a page, a link and a target. False, with *error saying why, otherwise.
bool ParseBaseline(std::string_view text, BrokenLinkTable& links, std::string* error);

/// The most a baseline file may hold (64 MB, some 250,000 broken links). With
/// the JSON reader's limits (JsonLimits) it bounds the memory a baseline takes.
inline constexpr std::uint64_t kBaselineFileLimit = 64u << 20;

/// As ParseBaseline, for the file at path; *error also covers reading it
/// (a pipe or device is read as a stream, up to kBaselineFileLimit).
bool ReadBaseline(const std::string& path, BrokenLinkTable& links, std::string* error);

enum class BaselineState { kNew, kExisting };

/// The current broken links measured against a baseline.
struct BaselineComparison {
  std::vector<BaselineState> states;  ///< one per current link, in their order
  BrokenLinkTable fixed;  ///< in the baseline but no longer found, in its order, as it has them
  long long new_count = 0;
  long long existing_count = 0;
};

/// Matches the current links (paths below top_folder) to the baseline's by
/// identity, in order: of n current and m baseline links with one identity,
/// the first min(n, m) current ones are existing, the rest new, and the last
/// m - n (if any) of the baseline's are fixed. Names compare as they are
/// written in the documents (bytes that are not UTF-8 as U+FFFD), with "\"
/// read as "/" so that a baseline moves between platforms.
BaselineComparison CompareWithBaseline(const BrokenLinkTable& current, std::string_view top_folder,
                                       const BrokenLinkTable& baseline);

/// What identifies a broken link across runs: its page, link and target as
/// written in the documents, joined by NUL characters.
std::string LinkIdentity(const LinkRow& row);

/// The name of a state in the machine-readable formats: "new" or "existing".
std::string_view StateName(BaselineState state);

}  // namespace qvn
