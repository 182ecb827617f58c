#pragma once
// Findings for the format tests: ordinary ones, and names that test quoting.

#include <string>

#include "core/results/baseline.h"
#include "core/results/findings.h"
#include "support/temp_dir.h"

namespace qvn::test {

inline Finding MakeFinding(std::string page, long long line, std::string link, std::string target,
                           FindingKind kind = FindingKind::kMissingFile) {
  Finding finding;
  finding.page = std::move(page);
  finding.line = line;
  finding.column = 10;
  finding.link = std::move(link);
  finding.target = std::move(target);
  finding.kind = kind;
  finding.note = KindNote(kind);
  return finding;
}

/// Three pages in walk order, a repeated link, and each kind.
inline Findings SampleFindings() {
  Findings findings;
  findings.top_folder = Native("/site/");
  findings.pages_read = 9;
  findings.items = {
      MakeFinding("index.htm", 3, "gone.htm#top", "gone.htm"),
      MakeFinding("index.htm", 8, "docs/", Native("docs/"), FindingKind::kFolder),
      MakeFinding("index.htm", 9, "gone.htm", "gone.htm"),
      MakeFinding(Native("news/a.htm"), 2, "../gone.htm", "gone.htm"),
      MakeFinding(Native("news/b.htm"), 40, "../con", "con", FindingKind::kNotAFile),
  };
  return findings;
}

/// Names as POSIX allows them: comma, quotes, line breaks, Markdown marks,
/// a byte that is not UTF-8, and a control character.
inline Findings OddlyNamedFindings() {
  Findings findings;
  findings.top_folder = "/site/";
  findings.items = {
      MakeFinding("a,b.htm", 1, "x \"quoted\".htm", "x \"quoted\".htm"),
      MakeFinding("line\nbreak.htm", 2, "cr\rlf\r\n.htm", "cr\rlf\r\n.htm"),
      MakeFinding("caf\xE9 *bold* _it_ [l](u) <b> #1 @me.htm", 3, "`tick`.htm", "`tick`.htm"),
      MakeFinding("tab\tand\x01.htm", 4, "100%.htm", "100%.htm"),
  };
  findings.items[3].suggestion = "100.htm";
  return findings;
}

/// The sample findings measured against a baseline that lacks the first and
/// holds one fixed link.
inline BaselineComparison SampleComparison(const Findings& findings) {
  std::vector<Finding> baseline(findings.items.begin() + 1, findings.items.end());
  baseline.push_back(MakeFinding("old.htm", 5, "fixed.htm", "fixed.htm"));
  return CompareWithBaseline(findings.items, baseline);
}

}  // namespace qvn::test
