#include "core/repair/candidates.h"

#include <algorithm>
#include <optional>

#include "core/links/anchor_cache.h"
#include "core/links/html/html_scanner.h"
#include "core/links/letter_case.h"
#include "core/links/percent_decode.h"
#include "core/platform/path.h"

namespace qvn {
namespace {

// More alternatives than this are as ambiguous as two; listing them all helps nobody.
constexpr std::size_t kMostCandidates = 8;

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> names;
  std::size_t pos = 0;
  while (pos < path.size()) {
    const std::size_t end = std::min(path.find(kSeparator, pos), path.size());
    if (end > pos) names.emplace_back(path.substr(pos, end - pos));
    pos = end + 1;
  }
  return names;
}

std::string JoinNames(const std::vector<std::string>& names, std::size_t end, char separator) {
  std::string out;
  for (std::size_t i = 0; i < end; ++i) {
    if (i > 0) out += separator;
    out += names[i];
  }
  return out;
}

std::string WithoutFragment(const std::string& target) {
  const std::string path = target.substr(0, target.find('#'));
  return MayNeedDotResolution(path) ? ResolveDotSegments(path) : path;
}

std::string PathPart(const LinkParts& parts) {
  LinkParts path = parts;
  path.tail.clear();
  return JoinLink(path);
}

void AddDistinct(std::vector<Candidate>& out, Candidate candidate) {
  for (const Candidate& known : out)
    if (known.link == candidate.link || known.target == candidate.target) return;
  out.push_back(std::move(candidate));
}

}  // namespace

struct CandidateFinder::Target {
  LinkParts parts;
  std::vector<std::string> decoded;  // the names as the scan decoded them
  std::string base;                  // where the names start, ending in the separator
  std::string resolved;              // the target tested, "." and ".." resolved

  static std::optional<Target> Of(const BrokenLink& link, const LinkPlace& place) {
    auto parts = SplitLink(link.link);
    if (!parts) return std::nullopt;
    Target target{std::move(*parts), {}, {}, WithoutFragment(link.target)};
    for (const std::string& name : target.parts.names) {
      target.decoded.push_back(DecodeName(name, place.decoding.every_link));
      if (target.decoded.back().find(kSeparator) != std::string::npos) return std::nullopt;
    }
    const std::string suffix = JoinNames(target.decoded, target.decoded.size(), kSeparator);
    // The names must be the target's last ones, or a change to them changes something else.
    if (!target.resolved.ends_with(suffix)) return std::nullopt;
    target.base = target.resolved.substr(0, target.resolved.size() - suffix.size());
    if (!target.base.empty() && target.base.back() != kSeparator) return std::nullopt;
    return target;
  }
  std::string Folder() const {
    return base + JoinNames(decoded, decoded.size() - 1, kSeparator) +
           (decoded.size() > 1 ? std::string(1, kSeparator) : std::string());
  }
};

CandidateFinder::CandidateFinder(const RepairOptions& options, const SiteFiles* files)
    : options_(options), files_(files) {}

std::vector<Candidate> CandidateFinder::Find(const BrokenLink& link, const LinkPlace& place) {
  if (!KindSelected(options_, link.kind)) return {};
  if (link.kind == LinkKind::kNoAnchor) return AnchorCase(link, place);
  if (link.kind != LinkKind::kMissingFile && link.kind != LinkKind::kLetterCase) return {};
  const auto target = Target::Of(link, place);
  if (!target) return {};
  std::vector<Candidate> found = LetterCase(*target, place);
  if (!found.empty() || link.kind != LinkKind::kMissingFile) return found;
  for (Candidate& candidate : Moved(*target, place)) AddDistinct(found, std::move(candidate));
  for (Candidate& candidate : Near(*target, place)) AddDistinct(found, std::move(candidate));
  return found;
}

const std::vector<FolderEntry>& CandidateFinder::Listing(const std::string& folder) {
  auto [slot, added] = listings_.try_emplace(folder);
  if (added)
    ListFolder(folder.empty() ? std::string{'.', kSeparator} : folder, slot->second, nullptr);
  return slot->second;
}

void CandidateFinder::CaseMatches(const Target& target, std::string folder,
                                  std::vector<std::string>& chosen,
                                  std::vector<std::vector<std::string>>& out) {
  const std::size_t level = chosen.size();
  const bool last = level + 1 == target.decoded.size();
  const PathKind wanted = last ? PathKind::kFile : PathKind::kFolder;
  const std::string& name = target.decoded[level];
  const std::vector<FolderEntry>& entries = Listing(folder);
  const bool exact = std::any_of(entries.begin(), entries.end(), [&](const FolderEntry& e) {
    return e.name == name && e.kind == wanted;
  });
  const std::u32string folded = Folded(name);
  for (const FolderEntry& entry : entries) {
    if (out.size() >= kMostCandidates) return;
    if (entry.kind != wanted || (exact ? entry.name != name : Folded(entry.name) != folded))
      continue;
    chosen.push_back(entry.name);
    if (last)
      out.push_back(chosen);
    else
      CaseMatches(target, folder + entry.name + kSeparator, chosen, out);
    chosen.pop_back();
  }
}

std::vector<Candidate> CandidateFinder::LetterCase(const Target& target, const LinkPlace& place) {
  std::vector<std::vector<std::string>> matches;
  std::vector<std::string> chosen;
  CaseMatches(target, target.base, chosen, matches);
  const LinkStyle style(PathPart(target.parts), place.decoding);
  std::vector<Candidate> out;
  for (const auto& names : matches) {
    if (names == target.decoded) continue;
    LinkParts parts = target.parts;
    bool written = true;
    for (std::size_t i = 0; i < names.size() && written; ++i) {
      if (names[i] == target.decoded[i]) continue;
      const auto name = style.Write(names[i]);
      written = name.has_value();
      if (written) parts.names[i] = *name;
    }
    if (written)
      AddDistinct(out, {RepairReason::kLetterCase, JoinLink(parts),
                        target.base + JoinNames(names, names.size(), kSeparator)});
  }
  return out;
}

}  // namespace qvn

namespace qvn {
namespace {

// The relative path from folder to file, both full: "../" steps, then names.
std::pair<std::size_t, std::vector<std::string>> RelativePath(std::string_view folder,
                                                              std::string_view file) {
  const std::vector<std::string> from = SplitPath(folder), to = SplitPath(file);
  std::size_t common = 0;
  while (common < from.size() && common + 1 < to.size() && from[common] == to[common]) ++common;
  return {from.size() - common, std::vector<std::string>(to.begin() + common, to.end())};
}

}  // namespace

std::vector<Candidate> CandidateFinder::Moved(const Target& target, const LinkPlace& place) {
  if (!options_.moved || files_ == nullptr) return {};
  // Where the link is read from: a base element would make it somewhere else.
  const std::string origin =
      target.parts.root_relative ? place.site_root : GetFolderPart(place.page, false);
  std::string formed = origin;
  for (std::size_t i = 0; i < target.parts.parent_steps; ++i)
    formed += std::string("..") + kSeparator;
  formed += JoinNames(target.decoded, target.decoded.size(), kSeparator);
  if (ResolveDotSegments(formed) != target.resolved) return {};
  const LinkStyle style(PathPart(target.parts), place.decoding);
  const std::u32string folder = Folded(target.Folder());
  std::vector<Candidate> out;
  for (const std::string& file : files_->Named(target.decoded.back())) {
    if (Folded(GetFolderPart(file, false)) == folder || out.size() >= kMostCandidates) continue;
    if (target.parts.root_relative && !file.starts_with(place.site_root)) continue;
    auto [ups, names] =
        target.parts.root_relative
            ? std::pair{std::size_t{0}, SplitPath(file.substr(place.site_root.size()))}
            : RelativePath(origin, file);
    LinkParts parts = target.parts;
    parts.names.clear();
    parts.separators.clear();
    for (const std::string& name : names) {
      const auto written = style.Write(name);
      if (!written) break;
      parts.names.push_back(*written);
    }
    if (parts.names.size() != names.size()) continue;
    if (!parts.root_relative && (ups > 0 || target.parts.parent_steps > 0)) {
      parts.lead.clear();
      for (std::size_t i = 0; i < ups; ++i) parts.lead += std::string("..") + parts.slash;
    }
    AddDistinct(out, {RepairReason::kMoved, JoinLink(parts), file});
  }
  return out;
}

std::vector<Candidate> CandidateFinder::Near(const Target& target, const LinkPlace& place) {
  if (!options_.similar) return {};
  const std::string folder = target.Folder();
  const std::string& name = target.decoded.back();
  const std::size_t limit = SuggestionLimit(name);
  const std::u32string wanted = Folded(name);
  const LinkStyle style(PathPart(target.parts), place.decoding);
  std::vector<Candidate> out;
  for (const FolderEntry& entry : Listing(folder)) {
    if (entry.kind != PathKind::kFile || entry.name == name || out.size() >= kMostCandidates ||
        FoldedEditDistance(wanted, Folded(entry.name), limit) > limit)
      continue;
    const auto written = style.Write(entry.name);
    if (!written) continue;
    LinkParts parts = target.parts;
    parts.names.back() = *written;
    AddDistinct(out, {RepairReason::kNear, JoinLink(parts), folder + entry.name});
  }
  return out;
}

std::vector<Candidate> CandidateFinder::AnchorCase(const BrokenLink& link, const LinkPlace& place) {
  const std::size_t hash = link.link.find('#');
  if (hash == std::string::npos) return {};
  const std::string_view fragment = std::string_view(link.link).substr(hash + 1);
  const std::string page = WithoutFragment(link.target);
  std::vector<std::string> anchors;
  const std::u32string wanted = Folded(PercentDecode(fragment));
  InputFile file;
  if (!file.Open(page)) return {};
  HtmlScanner scanner([](const HtmlLink&) {},
                      [&](const HtmlAnchor& anchor) {
                        if (Folded(anchor.name) == wanted &&
                            std::find(anchors.begin(), anchors.end(), anchor.name) == anchors.end())
                          anchors.emplace_back(anchor.name);
                      });
  if (!scanner.ScanFile(file)) return {};
  const LinkStyle style(fragment, place.decoding);
  std::vector<Candidate> out;
  for (const std::string& anchor : anchors) {
    const auto written = style.WriteFragment(anchor);
    if (written && out.size() < kMostCandidates)
      AddDistinct(out, {RepairReason::kAnchorCase, link.link.substr(0, hash + 1) + *written,
                        page + '#' + anchor});
  }
  return out;
}

}  // namespace qvn
