#include "core/results/broken_links.h"

namespace qvn {

std::string LinkNote(const BrokenLink& link) {
  switch (link.problem) {
    case LinkProblem::kMissing:
      return link.detail.empty() ? std::string() : "did you mean: " + link.detail;
    case LinkProblem::kLetterCase:
      return "letter case: " + link.detail;
    case LinkProblem::kNoAnchor:
      return "no such anchor";
    case LinkProblem::kNoIndexPage:
      return "no index page";
  }
  return {};
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

void BrokenLinkTable::Append(BrokenLinkTable&& other) {
  for (auto& entry : other.entries_) Add(other.pages_[entry.page], std::move(entry.link));
  other.Clear();
}

void BrokenLinkTable::Clear() {
  pages_.clear();
  entries_.clear();
}

}  // namespace qvn
