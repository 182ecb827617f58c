#include "core/results/findings.h"

#include <unordered_map>

#include "core/platform/path.h"

namespace qvn {
namespace {

constexpr std::array<std::string_view, kFindingKinds> kNames = {
    "missing-file", "folder", "not-a-file", "letter-case", "no-anchor", "no-index-page"};
constexpr std::array<std::string_view, kFindingKinds> kNotes = {
    "no such file",  "a folder, not a file", "not a regular file",
    "letter case",   "no such anchor",       "no index page"};

FindingKind KindOf(PathKind kind) {
  switch (kind) {
    case PathKind::kFolder: return FindingKind::kFolder;
    case PathKind::kOther: return FindingKind::kNotAFile;
    default: return FindingKind::kMissingFile;  // a file now: it was missing when tested
  }
}

// The kind a more check gave the link, if any.
std::optional<FindingKind> KindOf(LinkProblem problem) {
  switch (problem) {
    case LinkProblem::kLetterCase: return FindingKind::kLetterCase;
    case LinkProblem::kNoAnchor: return FindingKind::kNoAnchor;
    case LinkProblem::kNoIndexPage: return FindingKind::kNoIndexPage;
    case LinkProblem::kMissing: break;
  }
  return std::nullopt;
}

}  // namespace

std::string_view KindName(FindingKind kind) { return kNames[static_cast<std::size_t>(kind)]; }

std::optional<FindingKind> KindFromName(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name) return static_cast<FindingKind>(i);
  return std::nullopt;
}

std::string_view KindNote(FindingKind kind) { return kNotes[static_cast<std::size_t>(kind)]; }

std::array<long long, kFindingKinds> Findings::CountByKind() const {
  std::array<long long, kFindingKinds> counts{};
  for (const auto& item : items) ++counts[static_cast<std::size_t>(item.kind)];
  return counts;
}

long long Findings::PagesWithFindings() const {
  long long pages = 0;
  // Items of one page are consecutive, as the walk found them.
  for (std::size_t i = 0; i < items.size(); ++i)
    if (i == 0 || items[i].page != items[i - 1].page) ++pages;
  return pages;
}

Findings BuildFindings(const BrokenLinkTable& table, const std::string& top_folder, bool stopped,
                       const PathKindProbe& probe) {
  Findings findings;
  findings.top_folder = top_folder;
  findings.stopped = stopped;
  findings.items.reserve(table.size());
  std::unordered_map<std::string, FindingKind> kinds;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const BrokenLink& link = table.Link(i);
    Finding finding;
    finding.page = RelativeTo(table.Source(i), top_folder);
    finding.line = link.line;
    finding.column = link.column;
    finding.link = link.link;
    finding.target = RelativeTo(link.target, top_folder);
    if (const auto kind = KindOf(link.problem)) {
      finding.kind = *kind;
    } else {
      auto known = kinds.find(link.target);
      if (known == kinds.end())
        known = kinds.emplace(link.target, KindOf(probe(ResolveDotSegments(link.target)))).first;
      finding.kind = known->second;
    }
    finding.note = LinkNote(link);
    if (finding.note.empty()) finding.note = KindNote(finding.kind);
    if (link.problem == LinkProblem::kMissing || link.problem == LinkProblem::kLetterCase)
      finding.suggestion = link.detail;
    findings.items.push_back(std::move(finding));
  }
  return findings;
}

Findings BuildFindings(const CheckResult& result, const std::string& top_folder,
                       const PathKindProbe& probe) {
  Findings findings = BuildFindings(result.broken_links, top_folder, result.stopped, probe);
  findings.pages_read = result.pages_read;
  return findings;
}

}  // namespace qvn
