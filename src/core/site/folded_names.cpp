#include "core/site/folded_names.h"

#include <algorithm>

#include "core/text/casefold.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

std::u32string Folded(std::string_view name) {
  std::u32string chars = ToChars(name);
  for (char32_t& c : chars) c = LowerChar(c);
  return chars;
}

std::size_t CommonPrefix(std::u32string_view a, std::u32string_view b) {
  const std::size_t most = std::min(a.size(), b.size());
  std::size_t n = 0;
  while (n < most && a[n] == b[n]) ++n;
  return n;
}

// Edit-distance rows against one wanted text, one row per character of a
// name; names that share a prefix share its rows (a walk of the sorted
// names is a walk of the trie they form).
class DistanceRows {
 public:
  DistanceRows(std::u32string_view wanted, std::size_t deepest)
      : wanted_(wanted), width_(wanted.size() + 1), rows_((deepest + 1) * width_) {
    for (std::size_t j = 0; j < width_; ++j) rows_[j] = j;
  }

  /// Fills row depth (depth >= 1) from the one above for character c;
  /// returns the row's smallest value: every name that goes on from this
  /// prefix is at least that far from the wanted text.
  std::size_t Fill(std::size_t depth, char32_t c) {
    const std::size_t* above = &rows_[(depth - 1) * width_];
    std::size_t* row = &rows_[depth * width_];
    row[0] = depth;
    std::size_t smallest = depth;
    for (std::size_t j = 1; j < width_; ++j) {
      const std::size_t change = wanted_[j - 1] == c ? 0 : 1;
      row[j] = std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + change});
      smallest = std::min(smallest, row[j]);
    }
    return smallest;
  }

  /// The distance of the prefix of length depth to the whole wanted text.
  std::size_t Distance(std::size_t depth) const { return rows_[depth * width_ + width_ - 1]; }

 private:
  std::u32string_view wanted_;
  std::size_t width_;
  std::vector<std::size_t> rows_;
};

}  // namespace

FoldedNames::FoldedNames(const std::vector<Name>& names) {
  entries_.reserve(names.size());
  for (const Name& name : names) {
    const std::u32string folded = Folded(name.text);
    entries_.push_back({static_cast<std::uint32_t>(chars_.size()),
                        static_cast<std::uint32_t>(folded.size()), name});
    chars_ += folded;
    longest_ = std::max(longest_, folded.size());
  }
  std::sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) {
    return FoldedOf(a) < FoldedOf(b);
  });
}

std::optional<std::string_view> FoldedNames::SameFolded(std::string_view name,
                                                        PathKind kind) const {
  const std::u32string folded = Folded(name);
  auto it = std::lower_bound(
      entries_.begin(), entries_.end(), std::u32string_view(folded),
      [this](const Entry& entry, std::u32string_view text) { return FoldedOf(entry) < text; });
  std::optional<std::string_view> best;
  for (; it != entries_.end() && FoldedOf(*it) == folded; ++it)
    if (it->name.kind == kind && (!best || it->name.text < *best)) best = it->name.text;
  return best;
}

std::size_t FoldedNames::EndOfPrefix(std::size_t first, std::size_t length) const {
  const std::u32string_view prefix = FoldedOf(entries_[first]).substr(0, length);
  const auto end = std::partition_point(
      entries_.begin() + static_cast<std::ptrdiff_t>(first) + 1, entries_.end(),
      [&](const Entry& entry) { return FoldedOf(entry).starts_with(prefix); });
  return static_cast<std::size_t>(end - entries_.begin());
}

std::string_view FoldedNames::Nearest(std::string_view name, std::size_t limit,
                                      PathKind kind) const {
  const std::u32string wanted = Folded(name);
  // Below wanted.size() + limit characters every row's smallest value exceeds limit.
  DistanceRows rows(wanted, std::min(longest_, wanted.size() + limit + 1));
  std::u32string_view made;  // the prefix whose rows are filled
  std::size_t best_distance = limit + 1;
  std::string_view best;
  for (std::size_t i = 0; i < entries_.size();) {
    const std::u32string_view folded = FoldedOf(entries_[i]);
    std::size_t depth = CommonPrefix(folded, made);
    bool pruned = false;
    for (; depth < folded.size(); ++depth) {
      if (rows.Fill(depth + 1, folded[depth]) > limit) {
        pruned = true;
        break;
      }
    }
    made = folded.substr(0, depth);
    if (pruned) {  // no name that starts so comes near enough
      i = EndOfPrefix(i, depth + 1);
      continue;
    }
    const Entry& entry = entries_[i++];
    const std::size_t distance = rows.Distance(depth);
    if (entry.name.kind != kind || distance > best_distance) continue;
    if (distance < best_distance || entry.name.text < best) {
      best_distance = distance;
      best = entry.name.text;
    }
  }
  return best;
}

}  // namespace qvn
