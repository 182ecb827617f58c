#pragma once
// The broken links of a check as findings: what the machine-readable
// formats, the baseline and the results window show, built once per check.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/platform.h"
#include "core/results/run_results.h"

namespace qvn {

/// Why a link is broken: its target is not a file (the first three), or a
/// more check found it wanting (the last three).
enum class FindingKind { kMissingFile, kFolder, kNotAFile, kLetterCase, kNoAnchor, kNoIndexPage };
inline constexpr std::size_t kFindingKinds = 6;

/// The kind's name in the machine-readable formats: "missing-file",
/// "folder", "not-a-file", "letter-case", "no-anchor" or "no-index-page".
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
  /// The path tested, relative to the top folder (as the reports; in full
  /// when it lies outside it); for kNoAnchor followed by "#" and the fragment.
  std::string target;
  FindingKind kind = FindingKind::kMissingFile;
  /// The note the text reports show (LinkNote: "letter case: logo.gif",
  /// "did you mean: about.htm", ...), or else KindNote of kind.
  std::string note;
  /// A likely intended name: the file's real name (kLetterCase) or a name
  /// in the target's folder that differs a little; "" when there is none.
  std::string suggestion;
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

/// The findings of a broken-link table whose pages lie below top_folder.
/// A link with a LinkProblem other than kMissing has that problem's kind.
/// For the rest, each distinct target is asked of probe once, after "." and
/// ".." in it are resolved: a folder gives kFolder, a device, pipe or socket
/// kNotAFile, anything else kMissingFile. pages_read is left 0.
Findings BuildFindings(const BrokenLinkTable& table, const std::string& top_folder, bool stopped,
                       const PathKindProbe& probe = GetPathKind);

/// As above, for the result of a check run (with its count of pages read).
Findings BuildFindings(const CheckResult& result, const std::string& top_folder,
                       const PathKindProbe& probe = GetPathKind);

}  // namespace qvn
