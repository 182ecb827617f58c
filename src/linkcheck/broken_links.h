#pragma once
// The broken-link table of a check run: every link whose target is missing,
// in the order found (pages in walk order, lines in page order).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

class BrokenLinkTable {
 public:
  /// Records that page links to the missing target. Pages of consecutive
  /// entries share one stored path.
  void Add(std::string_view page, std::string target);

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  /// Full path of the page holding entry i's link.
  const std::string& Source(std::size_t i) const { return pages_[entries_[i].page]; }
  /// Full path of entry i's missing target, as it was formed.
  const std::string& Target(std::size_t i) const { return entries_[i].target; }
  /// Appends all of other's entries after this table's.
  void Append(BrokenLinkTable&& other);
  void Clear();

 private:
  struct Entry {
    std::size_t page;
    std::string target;
  };
  std::vector<std::string> pages_;
  std::vector<Entry> entries_;
};

}  // namespace qvn
