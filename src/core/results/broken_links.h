#pragma once
// The broken-link table of a check run: every link whose target is not a
// file, with its kind, in the order found (pages in walk order, lines in
// page order). The text reports, the machine-readable formats, the baseline
// and the results window all read it.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/platform.h"
#include "core/results/shared_note.h"

namespace qvn {

/// Why a link is broken: its target is not a file (the first three), a
/// more check found it wanting (the next three), or a link to another site
/// got an error status (kExternalStatus) or no answer (kExternalError).
enum class LinkKind {
  kMissingFile,
  kFolder,
  kNotAFile,
  kLetterCase,
  kNoAnchor,
  kNoIndexPage,
  kExternalStatus,
  kExternalError,
};
inline constexpr std::size_t kLinkKinds = 8;
/// The kinds a check without links to other sites can find: the formats
/// list only these for such a check, as they always did.
inline constexpr std::size_t kLocalLinkKinds = 6;

/// True for the kinds of links to other sites.
inline bool IsExternalKind(LinkKind kind) { return kind >= LinkKind::kExternalStatus; }

/// The kind's name in the machine-readable formats: "missing-file",
/// "folder", "not-a-file", "letter-case", "no-anchor", "no-index-page",
/// "external-status" or "external-error".
std::string_view KindName(LinkKind kind);
/// The kind named name; nullopt for an unknown name.
std::optional<LinkKind> KindFromName(std::string_view name);

/// The kind of a link whose target is not a file, from what the target
/// names: a folder is kFolder, a device, pipe or socket kNotAFile, and
/// anything else (nothing, or a file after all) kMissingFile.
LinkKind KindOfMissingTarget(PathKind target);

/// One broken link as a page holds it.
struct BrokenLink {
  /// Full path tested, as it was formed; for kNoAnchor followed by "#" and
  /// the fragment.
  std::string target;
  std::string link;    ///< the link as written in the page
  long long line = 0;  ///< line of the page (from 1; CR LF, CR and LF each end a line)
  /// Where the link starts in the line, in UTF-16 code units from 1; 0 unknown.
  long long column = 0;
  LinkKind kind = LinkKind::kMissingFile;
  /// A likely intended name: the file's real name (kLetterCase, always
  /// given) or a name in the target's folder that differs a little
  /// (kMissingFile); "" when there is none.
  std::string suggestion = {};
  /// The external kinds: what the server answered ("404 Not Found") or why
  /// it did not ("DNS failure", "timeout", ...).
  SharedNote note = {};
};

/// The note the text reports put in brackets after the target: "letter
/// case: logo.gif", "no such anchor", "no index page", "did you mean:
/// about.htm", the external kinds' note; "" when they show none (a target
/// that is not a file, without a suggestion).
std::string ReportNote(const BrokenLink& link);
/// True when ReportNote(link) is not empty.
inline bool HasReportNote(const BrokenLink& link) {
  return link.kind >= LinkKind::kLetterCase || !link.suggestion.empty();
}
/// The note the machine-readable formats and the results window show:
/// ReportNote, or else a short reason ("no such file", "a folder, not a
/// file", "not a regular file").
std::string LinkNote(const BrokenLink& link);

/// A table entry as the formats show it; the views last as long as the table.
struct LinkRow {
  std::string_view page;    ///< relative to the top folder (in full outside it)
  std::string_view target;  ///< the same
  const BrokenLink& link;
};

class BrokenLinkTable {
 public:
  /// Records that page links to the missing target. Pages of consecutive
  /// entries share one stored path.
  void Add(std::string_view page, std::string target);
  /// Records a broken link of page with where it stands and how it was written.
  void Add(std::string_view page, BrokenLink link);

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  /// Path of the page holding entry i's link, as it was added (in full for a check).
  const std::string& Source(std::size_t i) const { return pages_[entries_[i].page]; }
  /// Which page holds entry i's link: 0 for the first page added, and so on
  /// (below PageCount()).
  std::size_t PageIndex(std::size_t i) const { return entries_[i].page; }
  /// Path of entry i's target, as it was formed.
  const std::string& Target(std::size_t i) const { return entries_[i].link.target; }
  /// Everything recorded of entry i.
  const BrokenLink& Link(std::size_t i) const { return entries_[i].link; }
  /// Entry i with its paths relative to top_folder ("" keeps them as added).
  LinkRow Row(std::size_t i, std::string_view top_folder) const;

  /// Number of entries of each kind, indexed by LinkKind.
  std::array<long long, kLinkKinds> CountByKind() const;
  /// Number of pages with entries (a page's entries being consecutive).
  long long PageCount() const { return static_cast<long long>(pages_.size()); }

  /// Appends all of other's entries after this table's.
  void Append(BrokenLinkTable&& other);
  void Clear();

 private:
  struct Entry {
    std::size_t page;
    BrokenLink link;
  };
  std::vector<std::string> pages_;
  std::vector<Entry> entries_;
};

}  // namespace qvn
