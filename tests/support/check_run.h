#pragma once
// Runs a check with chosen more checks and gives its broken links as short
// texts, for the tests of the more checks. Header-only.

#include <algorithm>
#include <string>
#include <vector>

#include "core/platform/path.h"
#include "core/check/run.h"
#include "core/results/report_text.h"
#include "support/temp_dir.h"

namespace qvn::test {

/// A check of site (its top folder) with the more checks more.
inline CheckResult CheckSite(const TempDir& site, const MoreChecks& more, unsigned workers = 2,
                             std::vector<std::string> excluded_links = {}) {
  Selection selection;
  selection.top_folder = site.path();
  selection.excluded_links = std::move(excluded_links);
  selection.more = more;
  Status quiet;
  return RunCheck(selection, quiet, workers);
}

/// The broken links of a check of site, in report order, each as
/// "page:line:column target", with "  [note]" after the target when the
/// reports show one. Paths are relative to the top folder (in full outside
/// it) and written with "/".
inline std::vector<std::string> CheckedLinks(const TempDir& site, const MoreChecks& more,
                                             unsigned workers = 2,
                                             std::vector<std::string> excluded_links = {}) {
  const CheckResult result = CheckSite(site, more, workers, std::move(excluded_links));
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < result.broken_links.size(); ++i) {
    const BrokenLink& link = result.broken_links.Link(i);
    std::string target(RelativeTo(link.target, site.path()));
    if (HasReportNote(link)) target = WithNote(target, link);
    std::string text = std::string(RelativeTo(result.broken_links.Source(i), site.path())) + ":" +
                       std::to_string(link.line) + ":" + std::to_string(link.column) + " " +
                       target;
    std::replace(text.begin(), text.end(), kSeparator, '/');
    texts.push_back(std::move(text));
  }
  return texts;
}

}  // namespace qvn::test
