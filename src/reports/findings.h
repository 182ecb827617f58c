#pragma once
// The broken links of a check as findings: what the machine-readable
// formats, the baseline and the results window show, built once per check.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform.h"
#include "linkcheck/run.h"

namespace qvn {

/// Why a link's target is not a file.
enum class FindingKind { kMissingFile, kFolder, kNotAFile };
inline constexpr std::size_t kFindingKinds = 3;

/// The kind's name in the machine-readable formats: "missing-file",
/// "folder" or "not-a-file".
std::string_view KindName(FindingKind kind);
/// The kind named name; nullopt for an unknown name.
std::optional<FindingKind> KindFromName(std::string_view name);
/// A short reason for people: "no such file", "a folder, not a file", ...
std::string_view KindNote(FindingKind kind);

/// One broken link.
struct Finding {
  std::string page;    ///< relative to the top folder, with the platform's separator (as the reports)
  long long line = 0;    ///< from 1
  long long column = 0;  ///< from 1, in UTF-16 code units; 0 unknown
  std::string link;    ///< as written in the page
  std::string target;  ///< the path tested, relative to the top folder (as the reports)
  FindingKind kind = FindingKind::kMissingFile;
  std::string note;        ///< KindNote of kind
  std::string suggestion;  ///< a likely intended target; "" when there is none
};

/// The findings of one check run.
struct Findings {
  std::string top_folder;  ///< as the run used it, ending in a separator
  bool stopped = false;
  long long pages_read = 0;
  std::vector<Finding> items;  ///< in the order of the report by page (walk order)

  std::array<long long, kFindingKinds> CountByKind() const;
  /// Number of distinct pages among the items.
  long long PagesWithFindings() const;
};

/// What a path names; the file system's answer by default, a seam for tests.
using PathKindProbe = std::function<PathKind(const std::string& path)>;

/// The findings of a broken-link table whose pages and targets lie below
/// top_folder. Each distinct target is asked of probe once, after "." and
/// ".." in it are resolved: a folder gives kFolder, a device, pipe or socket
/// kNotAFile, anything else kMissingFile. pages_read is left 0.
Findings BuildFindings(const BrokenLinkTable& table, const std::string& top_folder, bool stopped,
                       const PathKindProbe& probe = GetPathKind);

/// As above, for the result of a check run (with its count of pages read).
Findings BuildFindings(const CheckResult& result, const std::string& top_folder,
                       const PathKindProbe& probe = GetPathKind);

}  // namespace qvn
