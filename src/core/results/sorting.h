#pragma once
// In-place sorts of a range of a list of texts, by key. The key of an entry is
// its text from character start_column on (1 = the whole text; "" when the
// column lies beyond the text), lower-cased with LowerCaseLatin when folding.
// Keys are compared with CompareUtf16; when one key is a prefix of the other,
// the shorter is smaller.
//
// All four routines rest on one quicksort that produces descending order; an
// ascending result is that order reversed. The sorts are not stable: entries
// with equal keys end in the order that this particular quicksort gives, and
// callers (and their tests) may rely on that order, so it must not change.
//
// Only a[first..last] take part; the other entries are untouched. A range of
// fewer than two entries (first >= last), or one that does not lie within a,
// leaves a unchanged.

#include <string>
#include <vector>

namespace qvn {

/// Sorts a[first..last] by key, letter case significant: ascending when
/// ascending is set (the descending order reversed), otherwise descending.
void SortStrings(bool ascending, std::vector<std::string>& a, long long first, long long last,
                 long long start_column);

/// Sorts a[first..last] in ascending key order (the descending order
/// reversed); keys are folded with LowerCaseLatin when fold is set.
void SortStringsFolded(std::vector<std::string>& a, long long first, long long last, bool fold,
                       long long start_column);

/// Sorts a[first..last] in descending key order, letter case significant.
void QuickSortDescending(std::vector<std::string>& a, long long first, long long last,
                         long long start_column);

/// Sorts a[first..last] in descending key order; keys are folded with
/// LowerCaseLatin when fold is set (without it, as QuickSortDescending).
void QuickSortDescendingFolded(std::vector<std::string>& a, long long first, long long last,
                               bool fold, long long start_column);

}  // namespace qvn
