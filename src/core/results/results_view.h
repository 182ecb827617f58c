#pragma once
// The broken-link table as the results window shows it: its rows in walk
// order or sorted by one column, and only those that contain the filter
// text. The view holds row numbers only (4 bytes a row, and a bit for the
// filter); cells are formed when asked for.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/broken_links.h"

namespace qvn {

/// The columns, in order: page, line, link as written, missing target, note.
enum class ResultsColumn { kPage, kLine, kLink, kTarget, kNote };
inline constexpr std::size_t kResultsColumns = 5;

class ResultsView {
 public:
  /// Shows table's rows (paths relative to top_folder) in walk order, the
  /// filter kept. The table must outlive the view's use of it.
  void Reset(const BrokenLinkTable* table, std::string_view top_folder);

  /// Orders the rows by column (lines as numbers, texts without regard to
  /// letter case), or in walk order for nullopt; rows that are equal in
  /// that column keep walk order whichever way it is sorted.
  void SortBy(std::optional<ResultsColumn> column, bool ascending);
  /// Shows only the rows with a cell that contains text, letter case aside
  /// ("" shows all).
  void SetFilter(std::string_view text);

  /// Rows shown, and the table entry of a shown row (in the order shown).
  std::size_t size() const { return Shown().size(); }
  std::size_t EntryAt(std::size_t shown_row) const { return Shown()[shown_row]; }
  /// Where entry is shown; nullopt when filtered out.
  std::optional<std::size_t> RowOf(std::size_t entry) const;
  /// The text of a cell of entry: paths relative to the top folder, the line
  /// as a number, the note as LinkNote.
  std::string CellText(std::size_t entry, ResultsColumn column) const;

 private:
  // Without a filter every entry is shown, and shown_ is left empty.
  const std::vector<std::uint32_t>& Shown() const { return filter_.empty() ? order_ : shown_; }
  std::string_view Text(std::uint32_t entry, ResultsColumn column, std::string& scratch) const;
  // What the filter finds in each page's path and in the fixed notes.
  struct Prepared {
    std::vector<char> pages;
    std::array<bool, kLinkKinds> kind_notes{};
  };
  std::vector<std::uint32_t> OrderByPage(bool ascending) const;
  void OrderByLine(bool ascending);
  bool Matches(std::uint32_t entry, const Prepared& prepared, std::string& scratch) const;
  void Refilter(bool narrowing);
  void TestEntries(const Prepared& prepared);
  void ShowMatching();

  const BrokenLinkTable* table_ = nullptr;
  std::string top_folder_;
  std::vector<std::uint32_t> page_starts_;          // first entry of each page's run
  std::vector<std::uint32_t> order_;                // every entry, in the sorted order
  std::vector<std::uint32_t> shown_;                // those of order_ that match a filter
  std::vector<std::uint8_t> matches_;               // by entry: 1 when shown
  std::string filter_;                              // folded
  std::array<std::string, kLinkKinds> kind_notes_;  // notes of links without a suggestion
};

}  // namespace qvn
