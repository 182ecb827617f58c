#pragma once
// Which files of a site link to which: one node per file, named by its full
// path with "." and ".." resolved, and from each page read an edge to every
// existing file its links name.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qvn {

class LinkGraph {
 public:
  using Node = std::uint32_t;

  /// The node of the file at path, made on first use. "." and ".." in path
  /// are resolved first, so every spelling of one file gives one node.
  Node Intern(std::string_view path);

  /// Records the links of a page: an edge to the node of each target (a
  /// repeated target counts once). Each page's links are recorded once.
  void AddLinks(Node page, const std::vector<std::string>& targets);

  /// Joins to the files of `files` the nodes that name one of them in
  /// another letter case (on Windows also with trailing dots or spaces):
  /// the existence test found those names, so the file system took them
  /// for that file. A node already in `files` stays itself; `files` must
  /// hold every page whose links were recorded.
  void JoinCaseVariants(const std::vector<Node>& files);

  std::size_t size() const { return spans_.size(); }

  /// For every node, whether a page other than itself links to it.
  std::vector<bool> LinkedFromOtherPages() const;

  /// For every node, whether it can be reached from one of roots by
  /// following links (roots themselves included).
  std::vector<bool> ReachableFrom(const std::vector<Node>& roots) const;

 private:
  struct Span {
    std::size_t begin = 0;
    std::uint32_t count = 0;
  };
  Node Canonical(Node node) const { return aliases_.empty() ? node : aliases_[node]; }

  std::unordered_map<std::string, Node> index_;
  std::vector<Span> spans_;  // per node: its outgoing edges in edges_
  std::vector<Node> edges_;
  std::vector<Node> aliases_;  // per node once case variants are joined; else empty
  std::vector<Node> scratch_;
};

}  // namespace qvn
