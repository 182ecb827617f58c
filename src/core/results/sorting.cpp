#include "core/results/sorting.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "core/text/casefold.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

bool IsSortableRange(const std::vector<std::string>& a, long long first, long long last) {
  return first >= 0 && first < last && last < static_cast<long long>(a.size());
}

std::string KeyOf(std::string_view text, long long start_column, bool fold) {
  std::size_t i = 0;
  for (long long k = 1; k < start_column && i < text.size(); ++k) DecodeNext(text, i);
  const std::string_view rest = text.substr(i);
  return fold ? LowerCaseLatin(rest) : std::string(rest);
}

// The entries a[first..last] with their keys, worked out once. Every exchange
// moves an entry and its key together.
class KeyedRange {
 public:
  KeyedRange(std::vector<std::string>& a, long long first, long long last, bool fold,
             long long start_column);

  /// Sorts the whole range in descending key order.
  void SortDescending() { Sort(first_, last_); }

 private:
  const std::string& Key(long long i) const { return own_keys_ ? a_[i] : keys_[i - first_]; }
  void Exchange(long long i, long long j);
  void Partition(long long first, long long last, long long& i, long long& j);
  void Sort(long long first, long long last);

  std::vector<std::string>& a_;
  long long first_;
  long long last_;
  bool own_keys_;                  // the texts are their own keys; keys_ stays empty
  std::vector<std::string> keys_;  // keys_[i - first_] is the key of a_[i]
};

KeyedRange::KeyedRange(std::vector<std::string>& a, long long first, long long last, bool fold,
                       long long start_column)
    : a_(a), first_(first), last_(last), own_keys_(!fold && start_column <= 1) {
  if (own_keys_) return;
  keys_.reserve(static_cast<std::size_t>(last - first + 1));
  for (long long k = first; k <= last; ++k) keys_.push_back(KeyOf(a[k], start_column, fold));
}

void KeyedRange::Exchange(long long i, long long j) {
  std::swap(a_[i], a_[j]);
  if (!own_keys_) std::swap(keys_[i - first_], keys_[j - first_]);
}

// One partitioning pass over first..last around the key of the middle entry.
// On return j < i; first..j holds keys >= pivot, i..last keys <= pivot.
void KeyedRange::Partition(long long first, long long last, long long& i, long long& j) {
  i = first;
  j = last;
  // A copy: the middle entry may be exchanged during the pass.
  const std::string pivot = Key(first + (last - first) / 2);
  while (i <= j) {
    while (i < last && CompareUtf16(Key(i), pivot) > 0) ++i;
    while (j > first && CompareUtf16(Key(j), pivot) < 0) --j;
    if (i <= j) {
      if (i < j) Exchange(i, j);
      ++i;
      --j;
    }
  }
}

void KeyedRange::Sort(long long first, long long last) {
  // The two parts first..j and i..last do not overlap, and how a part is
  // sorted depends only on its own contents, so sorting the right part before
  // the left gives the same result (equal keys included). That lets the
  // smaller part go to recursion (depth at most log2 of the size) and the
  // larger one round the loop.
  while (first < last) {
    long long i = 0;
    long long j = 0;
    Partition(first, last, i, j);
    if (j - first < last - i) {
      Sort(first, j);
      first = i;
    } else {
      Sort(i, last);
      last = j;
    }
  }
}

void ReverseRange(std::vector<std::string>& a, long long first, long long last) {
  // Exchanges a[first + k] and a[last - k] for k = 0, 1, ... while
  // first + k < last - k: a plain reversal of the range.
  std::reverse(a.begin() + first, a.begin() + last + 1);
}

}  // namespace

void SortStrings(bool ascending, std::vector<std::string>& a, long long first, long long last,
                 long long start_column) {
  if (ascending) {
    SortStringsFolded(a, first, last, false, start_column);
  } else {
    QuickSortDescending(a, first, last, start_column);
  }
}

void SortStringsFolded(std::vector<std::string>& a, long long first, long long last, bool fold,
                       long long start_column) {
  if (!IsSortableRange(a, first, last)) return;
  QuickSortDescendingFolded(a, first, last, fold, start_column);
  ReverseRange(a, first, last);
}

void QuickSortDescending(std::vector<std::string>& a, long long first, long long last,
                         long long start_column) {
  QuickSortDescendingFolded(a, first, last, false, start_column);
}

void QuickSortDescendingFolded(std::vector<std::string>& a, long long first, long long last,
                               bool fold, long long start_column) {
  if (!IsSortableRange(a, first, last)) return;
  KeyedRange(a, first, last, fold, start_column).SortDescending();
}

}  // namespace qvn
