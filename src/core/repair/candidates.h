#pragma once
// The rules that find new links for a broken one: the target in other letter
// case, the fragment's anchor in other letter case, the file moved elsewhere
// in the site, a name that differs a little.

#include <map>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "core/repair/link_style.h"
#include "core/repair/repair_types.h"
#include "core/repair/site_files.h"

namespace qvn {

/// Where a link stands, as the rules need it.
struct LinkPlace {
  std::string page;       ///< full path of the page holding the link
  std::string site_root;  ///< what a root-relative link starts from, ending in the separator
  LinkDecoding decoding;  ///< how the scan read the link
};

class CandidateFinder {
 public:
  /// files: every file of the selected site, for the moved rule (may be
  /// null when options.moved is off).
  CandidateFinder(const RepairOptions& options, const SiteFiles* files);

  /// The candidates for link, distinct, best rule first: letter case for a
  /// missing file (and the letter-case kind), then the moved and near rules
  /// together when letter case finds none; the anchor rule for a missing
  /// anchor. Empty when no rule applies or finds anything.
  std::vector<Candidate> Find(const BrokenLink& link, const LinkPlace& place);

 private:
  struct Target;
  std::vector<Candidate> LetterCase(const Target& target, const LinkPlace& place);
  std::vector<Candidate> Moved(const Target& target, const LinkPlace& place);
  std::vector<Candidate> Near(const Target& target, const LinkPlace& place);
  std::vector<Candidate> AnchorCase(const BrokenLink& link, const LinkPlace& place);
  void CaseMatches(const Target& target, std::string folder, std::vector<std::string>& chosen,
                   std::vector<std::vector<std::string>>& out);
  const std::vector<FolderEntry>& Listing(const std::string& folder);

  RepairOptions options_;
  const SiteFiles* files_;
  std::map<std::string, std::vector<FolderEntry>> listings_;
};

}  // namespace qvn
