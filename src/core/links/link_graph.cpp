#include "core/links/link_graph.h"

#include <algorithm>
#include <deque>

#include "core/text/casefold.h"
#include "core/platform/path.h"

namespace qvn {
namespace {

// The form under which names that the file system takes for one file meet.
std::string FoldedName(std::string_view path) {
  std::string folded = LowerCaseLatin(path);
#ifdef _WIN32
  // Windows drops trailing dots and spaces from a name ('a.htm.' opens 'a.htm').
  while (!folded.empty() && (folded.back() == '.' || folded.back() == ' ')) folded.pop_back();
#endif
  return folded;
}

}  // namespace

LinkGraph::Node LinkGraph::Intern(std::string_view path) {
  std::string key = MayNeedDotResolution(path) ? ResolveDotSegments(path) : std::string(path);
  const auto [it, added] = index_.try_emplace(std::move(key), static_cast<Node>(spans_.size()));
  if (added) {
    spans_.emplace_back();
    if (!aliases_.empty()) aliases_.push_back(it->second);
  }
  return it->second;
}

void LinkGraph::AddLinks(Node page, const std::vector<std::string>& targets) {
  scratch_.clear();
  for (const std::string& target : targets) scratch_.push_back(Intern(target));
  std::sort(scratch_.begin(), scratch_.end());
  scratch_.erase(std::unique(scratch_.begin(), scratch_.end()), scratch_.end());
  spans_[page] = {edges_.size(), static_cast<std::uint32_t>(scratch_.size())};
  edges_.insert(edges_.end(), scratch_.begin(), scratch_.end());
}

void LinkGraph::JoinCaseVariants(const std::vector<Node>& files) {
  aliases_.resize(spans_.size());
  for (Node node = 0; node < aliases_.size(); ++node) aliases_[node] = node;
  std::vector<const std::string*> names(spans_.size(), nullptr);
  for (const auto& [name, node] : index_) names[node] = &name;
  std::vector<bool> is_file(spans_.size(), false);
  // Where two files differ in letter case only, the first in files wins.
  std::unordered_map<std::string, Node> by_folded;
  for (Node file : files) {
    is_file[file] = true;
    by_folded.try_emplace(FoldedName(*names[file]), file);
  }
  for (Node node = 0; node < aliases_.size(); ++node) {
    if (is_file[node]) continue;
    const auto match = by_folded.find(FoldedName(*names[node]));
    if (match != by_folded.end()) aliases_[node] = match->second;
  }
}

std::vector<bool> LinkGraph::LinkedFromOtherPages() const {
  std::vector<bool> linked(spans_.size(), false);
  for (Node page = 0; page < spans_.size(); ++page) {
    const Span span = spans_[page];
    for (std::size_t i = span.begin; i < span.begin + span.count; ++i) {
      const Node target = Canonical(edges_[i]);
      if (target != Canonical(page)) linked[target] = true;
    }
  }
  return linked;
}

std::vector<bool> LinkGraph::ReachableFrom(const std::vector<Node>& roots) const {
  // Only pages hold edges, and pages are walked files, never joined to another.
  std::vector<bool> reached(spans_.size(), false);
  std::deque<Node> queue;
  const auto visit = [&](Node node) {
    node = Canonical(node);
    if (!reached[node]) {
      reached[node] = true;
      queue.push_back(node);
    }
  };
  for (Node root : roots) visit(root);
  while (!queue.empty()) {
    const Span span = spans_[queue.front()];
    queue.pop_front();
    for (std::size_t i = span.begin; i < span.begin + span.count; ++i) visit(edges_[i]);
  }
  return reached;
}

}  // namespace qvn
