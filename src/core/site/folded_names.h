#pragma once
// A folder's names indexed by their folded forms (each character's simple
// lower case), for the letter-case check: the names that differ from a name
// only in letter case, and the name nearest to a missing one, both found
// without comparing against every name of a large folder.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/platform.h"

namespace qvn {

class FoldedNames {
 public:
  /// One name of the folder; the text must outlive the index.
  struct Name {
    std::string_view text;
    PathKind kind = PathKind::kOther;
  };

  explicit FoldedNames(const std::vector<Name>& names);

  /// Among the names of kind `kind` that equal name when both are folded,
  /// the first by character code; nullopt when there is none.
  std::optional<std::string_view> SameFolded(std::string_view name, PathKind kind) const;

  /// The name of kind `kind` nearest to name by edit distance (insertions,
  /// deletions, substitutions of folded characters), if at most limit away;
  /// among equally near names the first by character code; "" when none.
  std::string_view Nearest(std::string_view name, std::size_t limit, PathKind kind) const;

 private:
  struct Entry {
    std::uint32_t offset = 0;  // of the folded characters in chars_
    std::uint32_t length = 0;  // in characters
    Name name;
  };
  std::u32string_view FoldedOf(const Entry& entry) const {
    return std::u32string_view(chars_).substr(entry.offset, entry.length);
  }
  // The entries after first whose folded forms start as first's does in its
  // first `length` characters end at the index returned.
  std::size_t EndOfPrefix(std::size_t first, std::size_t length) const;
  void LinkSharedPrefixes();
  // Nearest for a folded name; "" when no name is within limit.
  std::string_view NearestWithin(std::u32string_view wanted, std::size_t limit,
                                 PathKind kind) const;

  std::u32string chars_;
  std::vector<Entry> entries_;  // ordered by folded form, character by character
  // For each entry: the length of the prefix it shares with the entry
  // before, and the next entry that shares less than that with its own.
  std::vector<std::uint32_t> shared_, next_shorter_;
  std::size_t longest_ = 0;
};

}  // namespace qvn
