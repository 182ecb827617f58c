#pragma once
// The broken-link table of a check run: every link whose target is missing,
// in the order found (pages in walk order, lines in page order).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// Why a link is reported, beyond "its target file is missing" (the more checks).
enum class LinkProblem {
  kMissing,      ///< no such file (detail: a likely intended name, or "")
  kLetterCase,   ///< found only when letter case is ignored (detail: the real name)
  kNoAnchor,     ///< the target page has no such anchor (target ends in "#fragment")
  kNoIndexPage,  ///< the target is a folder without an index page
};

/// One broken link as a page holds it.
struct BrokenLink {
  std::string target;  ///< full path tested and not found, as it was formed
  std::string link;    ///< the link as written in the page
  long long line = 0;  ///< line of the page (from 1; CR LF, CR and LF each end a line)
  long long column = 0;  ///< character in the line where the link starts (from 1); 0 unknown
  LinkProblem problem = LinkProblem::kMissing;
  std::string detail = {};  ///< see LinkProblem
};

/// The short note the reports put in brackets after the target: "letter
/// case: logo.gif", "no such anchor", "no index page", "did you mean:
/// about.htm"; "" for a plain missing file.
std::string LinkNote(const BrokenLink& link);

class BrokenLinkTable {
 public:
  /// Records that page links to the missing target. Pages of consecutive
  /// entries share one stored path.
  void Add(std::string_view page, std::string target);
  /// Records a broken link of page with where it stands and how it was written.
  void Add(std::string_view page, BrokenLink link);

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  /// Full path of the page holding entry i's link.
  const std::string& Source(std::size_t i) const { return pages_[entries_[i].page]; }
  /// Full path of entry i's missing target, as it was formed.
  const std::string& Target(std::size_t i) const { return entries_[i].link.target; }
  /// Everything recorded of entry i.
  const BrokenLink& Link(std::size_t i) const { return entries_[i].link; }
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
