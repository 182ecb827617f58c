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
// names is a walk of the trie they form). Only distances up to limit
// matter, so only the cells within limit of the diagonal are worked out;
// the others stand for "too far" (limit + 1).
class DistanceRows {
 public:
  DistanceRows(std::u32string_view wanted, std::size_t limit, std::size_t deepest)
      : wanted_(wanted), limit_(limit), width_(wanted.size() + 1), rows_((deepest + 1) * width_) {
    for (std::size_t j = 0; j < width_; ++j) rows_[j] = std::min(j, limit + 1);
  }

  /// Fills row depth (depth >= 1) from the one above for character c;
  /// returns the row's smallest value: every name that goes on from this
  /// prefix is at least that far from the wanted text.
  std::size_t Fill(std::size_t depth, char32_t c) {
    const std::size_t far = limit_ + 1;
    const std::size_t* above = &rows_[(depth - 1) * width_];
    std::size_t* row = &rows_[depth * width_];
    const std::size_t low = depth > limit_ ? depth - limit_ : 0;
    const std::size_t high = std::min(width_ - 1, depth + limit_);
    if (low > high) return far;
    std::size_t smallest = far;
    if (low == 0) {
      row[0] = depth;
      smallest = depth;
    } else {
      row[low - 1] = far;
    }
    for (std::size_t j = std::max<std::size_t>(low, 1); j <= high; ++j) {
      // The row above's band ends one cell earlier.
      const std::size_t up = j >= depth + limit_ ? far : above[j];
      const std::size_t change = wanted_[j - 1] == c ? 0 : 1;
      row[j] = std::min({up + 1, row[j - 1] + 1, above[j - 1] + change, far});
      smallest = std::min(smallest, row[j]);
    }
    return smallest;
  }

  /// The distance of the prefix of length depth to the whole wanted text
  /// (limit + 1 for anything farther than limit).
  std::size_t Distance(std::size_t depth) const {
    const std::size_t m = width_ - 1;
    if ((depth > m ? depth - m : m - depth) > limit_) return limit_ + 1;
    return rows_[depth * width_ + m];
  }

 private:
  std::u32string_view wanted_;
  std::size_t limit_;
  std::size_t width_;
  std::vector<std::size_t> rows_;
};

}  // namespace

FoldedNames::FoldedNames(const std::vector<Name>& names) {
  entries_.reserve(names.size());
  std::size_t bytes = 0;
  for (const Name& name : names) bytes += name.text.size();
  chars_.reserve(bytes);
  for (const Name& name : names) {
    const std::size_t offset = chars_.size();
    for (std::size_t i = 0; i < name.text.size();)
      chars_.push_back(LowerChar(DecodeNext(name.text, i)));
    const std::size_t length = chars_.size() - offset;
    entries_.push_back(
        {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length), name});
    longest_ = std::max(longest_, length);
  }
  std::sort(entries_.begin(), entries_.end(), [this](const Entry& a, const Entry& b) {
    return FoldedOf(a) < FoldedOf(b);
  });
  LinkSharedPrefixes();
}

void FoldedNames::LinkSharedPrefixes() {
  const std::size_t count = entries_.size();
  shared_.assign(count, 0);
  next_shorter_.assign(count, static_cast<std::uint32_t>(count));
  for (std::size_t i = 1; i < count; ++i) {
    const std::size_t shared = CommonPrefix(FoldedOf(entries_[i - 1]), FoldedOf(entries_[i]));
    shared_[i] = static_cast<std::uint32_t>(shared);
  }
  // The next smaller value of each, found with a stack of those still open.
  std::vector<std::uint32_t> open;
  for (std::size_t i = 0; i < count; ++i) {
    while (!open.empty() && shared_[open.back()] > shared_[i]) {
      next_shorter_[open.back()] = static_cast<std::uint32_t>(i);
      open.pop_back();
    }
    open.push_back(static_cast<std::uint32_t>(i));
  }
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
  // Every entry before next_shorter_[k] shares at least shared_[k]
  // characters with the one before it, so each jump stays inside the
  // prefix's entries while shared_[k] >= length; the values fall with each.
  std::size_t k = first + 1;
  while (k < entries_.size() && shared_[k] >= length) k = next_shorter_[k];
  return k;
}

std::string_view FoldedNames::Nearest(std::string_view name, std::size_t limit,
                                      PathKind kind) const {
  const std::u32string wanted = Folded(name);
  // Nearer names are looked for first: a search for names at most one edit
  // away looks at far fewer prefixes than one for names two edits away.
  for (std::size_t within = 0; within <= limit; ++within) {
    const std::string_view found = NearestWithin(wanted, within, kind);
    if (!found.empty()) return found;
  }
  return {};
}

std::string_view FoldedNames::NearestWithin(std::u32string_view wanted, std::size_t limit,
                                            PathKind kind) const {
  // Below wanted.size() + limit characters every row's smallest value exceeds limit.
  DistanceRows rows(wanted, limit, std::min(longest_, wanted.size() + limit + 1));
  std::u32string_view made;  // the prefix whose rows are filled
  std::size_t best_distance = limit + 1;
  std::string_view best;
  for (std::size_t i = 0; i < entries_.size();) {
    const std::u32string_view folded = FoldedOf(entries_[i]);
    std::size_t depth = CommonPrefix(folded, made);
    bool pruned = false;
    // Once a name is found, only names as near can matter (ties go by name).
    const std::size_t bound = std::min(limit, best_distance);
    for (; depth < folded.size(); ++depth) {
      if (rows.Fill(depth + 1, folded[depth]) > bound) {
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
