#include "core/results/broken_links.h"

#include "core/platform/path.h"

namespace qvn {
namespace {

constexpr std::array<std::string_view, kLinkKinds> kNames = {
    "missing-file", "folder",        "not-a-file",      "letter-case",
    "no-anchor",    "no-index-page", "external-status", "external-error"};

}  // namespace

std::string_view KindName(LinkKind kind) { return kNames[static_cast<std::size_t>(kind)]; }

std::optional<LinkKind> KindFromName(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name) return static_cast<LinkKind>(i);
  return std::nullopt;
}

LinkKind KindOfMissingTarget(PathKind target) {
  switch (target) {
    case PathKind::kFolder: return LinkKind::kFolder;
    case PathKind::kOther: return LinkKind::kNotAFile;
    default: return LinkKind::kMissingFile;  // a file now: it was missing when tested
  }
}

std::string ReportNote(const BrokenLink& link) {
  switch (link.kind) {
    case LinkKind::kLetterCase: return "letter case: " + link.suggestion;
    case LinkKind::kNoAnchor: return "no such anchor";
    case LinkKind::kNoIndexPage: return "no index page";
    case LinkKind::kExternalStatus:
    case LinkKind::kExternalError: return link.note;
    default: return link.suggestion.empty() ? std::string() : "did you mean: " + link.suggestion;
  }
}

std::string LinkNote(const BrokenLink& link) {
  if (HasReportNote(link)) return ReportNote(link);
  switch (link.kind) {
    case LinkKind::kFolder: return "a folder, not a file";
    case LinkKind::kNotAFile: return "not a regular file";
    default: return "no such file";
  }
}

void BrokenLinkTable::Add(std::string_view page, std::string target) {
  BrokenLink link;
  link.target = std::move(target);
  Add(page, std::move(link));
}

void BrokenLinkTable::Add(std::string_view page, BrokenLink link) {
  if (pages_.empty() || pages_.back() != page) pages_.emplace_back(page);
  entries_.push_back({pages_.size() - 1, std::move(link)});
}

LinkRow BrokenLinkTable::Row(std::size_t i, std::string_view top_folder) const {
  const BrokenLink& link = entries_[i].link;
  return {RelativeTo(pages_[entries_[i].page], top_folder), RelativeTo(link.target, top_folder),
          link};
}

std::array<long long, kLinkKinds> BrokenLinkTable::CountByKind() const {
  std::array<long long, kLinkKinds> counts{};
  for (const auto& entry : entries_) ++counts[static_cast<std::size_t>(entry.link.kind)];
  return counts;
}

void BrokenLinkTable::Append(BrokenLinkTable&& other) {
  for (auto& entry : other.entries_) Add(other.pages_[entry.page], std::move(entry.link));
  other.Clear();
}

void BrokenLinkTable::Clear() {
  pages_.clear();
  entries_.clear();
}

}  // namespace qvn
