#pragma once
// Check results for the format tests: ordinary links, and names that test quoting.

#include <string>
#include <vector>

#include "core/results/baseline.h"
#include "core/results/run_results.h"
#include "support/temp_dir.h"

namespace qvn::test {

/// A broken link with its page and target relative to the top folder.
struct SampleLink {
  std::string page;
  long long line = 1;
  std::string link;
  std::string target;
  LinkKind kind = LinkKind::kMissingFile;
  std::string suggestion = {};
};

/// A table of links, top_folder put before each page and target (all in
/// column 10).
inline BrokenLinkTable TableOf(const std::vector<SampleLink>& links,
                               const std::string& top_folder = {}) {
  BrokenLinkTable table;
  for (const auto& l : links)
    table.Add(top_folder + l.page,
              BrokenLink{top_folder + l.target, l.link, l.line, 10, l.kind, l.suggestion});
  return table;
}

inline CheckResult ResultOf(const std::vector<SampleLink>& links,
                            std::string top_folder = Native("/site/"), long long pages_read = 0) {
  CheckResult result;
  result.broken_links = TableOf(links, top_folder);
  result.pages_read = pages_read;
  result.top_folder = std::move(top_folder);
  return result;
}

/// Three pages in walk order, a repeated link, and three kinds.
inline std::vector<SampleLink> SampleLinks() {
  return {
      {"index.htm", 3, "gone.htm#top", "gone.htm"},
      {"index.htm", 8, "docs/", Native("docs/"), LinkKind::kFolder},
      {"index.htm", 9, "gone.htm", "gone.htm"},
      {Native("news/a.htm"), 2, "../gone.htm", "gone.htm"},
      {Native("news/b.htm"), 40, "../con", "con", LinkKind::kNotAFile},
  };
}

/// SampleLinks as a check of /site/ that read 9 pages.
inline CheckResult SampleResult() { return ResultOf(SampleLinks(), Native("/site/"), 9); }

/// Names as POSIX allows them: comma, quotes, line breaks, Markdown marks,
/// a byte that is not UTF-8, and a control character.
inline CheckResult OddlyNamedResult() {
  return ResultOf({
                      {"a,b.htm", 1, "x \"quoted\".htm", "x \"quoted\".htm"},
                      {"line\nbreak.htm", 2, "cr\rlf\r\n.htm", "cr\rlf\r\n.htm"},
                      {"caf\xE9 *bold* _it_ [l](u) <b> #1 @me.htm", 3, "`tick`.htm", "`tick`.htm"},
                      {"tab\tand\x01.htm", 4, "100%.htm", "100%.htm", LinkKind::kMissingFile,
                       "100.htm"},
                  },
                  "/site/");
}

/// result measured against a baseline that lacks the first of SampleLinks
/// and holds one fixed link.
inline BaselineComparison SampleComparison(const CheckResult& result) {
  std::vector<SampleLink> baseline = SampleLinks();
  baseline.erase(baseline.begin());
  baseline.push_back({"old.htm", 5, "fixed.htm", "fixed.htm"});
  return CompareWithBaseline(result.broken_links, result.top_folder, TableOf(baseline));
}

}  // namespace qvn::test
