#include "core/results/results_view.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "core/platform/path.h"
#include "core/text/casefold.h"
#include "core/text/folded_order.h"

namespace qvn {
namespace {

std::vector<std::uint32_t> WalkOrder(std::size_t n) {
  std::vector<std::uint32_t> order(n);
  std::iota(order.begin(), order.end(), std::uint32_t{0});
  return order;
}

}  // namespace

void ResultsView::Reset(const BrokenLinkTable* table, std::string_view top_folder) {
  table_ = table;
  top_folder_ = top_folder;
  for (std::size_t kind = 0; kind < kLinkKinds; ++kind) {
    BrokenLink link;
    link.kind = static_cast<LinkKind>(kind);
    kind_notes_[kind] = LinkNote(link);
  }
  // A page's entries are consecutive and share one stored path.
  page_starts_.clear();
  for (std::size_t i = 0; i < table_->size(); ++i)
    if (i == 0 || &table_->Source(i) != &table_->Source(i - 1))
      page_starts_.push_back(static_cast<std::uint32_t>(i));
  order_ = WalkOrder(table_->size());
  Refilter(false);
}

std::string_view ResultsView::Text(std::uint32_t entry, ResultsColumn column,
                                   std::string& scratch) const {
  const BrokenLink& link = table_->Link(entry);
  switch (column) {
    case ResultsColumn::kPage: return RelativeTo(table_->Source(entry), top_folder_);
    case ResultsColumn::kLine: return scratch = std::to_string(link.line);
    case ResultsColumn::kLink: return link.link;
    case ResultsColumn::kTarget: return RelativeTo(link.target, top_folder_);
    case ResultsColumn::kNote:
      if (link.suggestion.empty()) return kind_notes_[static_cast<std::size_t>(link.kind)];
      return scratch = LinkNote(link);
  }
  return {};
}

std::string ResultsView::CellText(std::size_t entry, ResultsColumn column) const {
  std::string scratch;
  return std::string(Text(static_cast<std::uint32_t>(entry), column, scratch));
}

std::optional<std::size_t> ResultsView::RowOf(std::size_t entry) const {
  const auto at = std::find(shown_.begin(), shown_.end(), entry);
  if (at == shown_.end()) return std::nullopt;
  return static_cast<std::size_t>(at - shown_.begin());
}

void ResultsView::SortBy(std::optional<ResultsColumn> column, bool ascending) {
  if (!column || *column == ResultsColumn::kPage) {
    order_ = column ? OrderByPage(ascending) : WalkOrder(table_->size());
  } else if (*column == ResultsColumn::kLine) {
    std::vector<std::pair<long long, std::uint32_t>> keyed(table_->size());
    for (std::uint32_t i = 0; i < keyed.size(); ++i) keyed[i] = {table_->Link(i).line, i};
    std::sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
      if (a.first != b.first) return ascending ? a.first < b.first : a.first > b.first;
      return a.second < b.second;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) order_[i] = keyed[i].second;
  } else {
    order_ = WalkOrder(table_->size());
    SortByFoldedText(
        order_,
        [&](std::uint32_t entry, std::string& scratch) { return Text(entry, *column, scratch); },
        !ascending);
  }
  ShowMatching();
}

// Sorts the pages, not their entries: a page's entries stay together in walk order.
std::vector<std::uint32_t> ResultsView::OrderByPage(bool ascending) const {
  std::vector<std::uint32_t> pages = WalkOrder(page_starts_.size());
  SortByFoldedText(
      pages,
      [&](std::uint32_t page, std::string& scratch) {
        return Text(page_starts_[page], ResultsColumn::kPage, scratch);
      },
      !ascending);
  std::vector<std::uint32_t> order;
  order.reserve(table_->size());
  for (const std::uint32_t page : pages) {
    const std::size_t end = page + 1 < page_starts_.size() ? page_starts_[page + 1] : table_->size();
    for (std::size_t entry = page_starts_[page]; entry < end; ++entry)
      order.push_back(static_cast<std::uint32_t>(entry));
  }
  return order;
}

std::size_t ResultsView::PageRunOf(std::uint32_t entry) const {
  return static_cast<std::size_t>(
      std::upper_bound(page_starts_.begin(), page_starts_.end(), entry) - page_starts_.begin() - 1);
}

void ResultsView::SetFilter(std::string_view text) {
  std::string folded = LowerCaseLatin(text);
  if (folded == filter_) return;
  // Typing on only narrows what is shown: test the shown rows alone.
  const bool narrowing = !filter_.empty() && folded.find(filter_) != std::string::npos;
  filter_ = std::move(folded);
  if (table_ != nullptr) Refilter(narrowing);
}

bool ResultsView::Matches(std::uint32_t entry, const std::vector<char>& page_matches,
                          std::string& scratch) const {
  if (page_matches[PageRunOf(entry)]) return true;
  for (const auto column : {ResultsColumn::kLine, ResultsColumn::kLink, ResultsColumn::kNote,
                            ResultsColumn::kTarget})
    if (FoldedContains(Text(entry, column, scratch), filter_)) return true;
  return false;
}

void ResultsView::Refilter(bool narrowing) {
  if (filter_.empty()) {
    matches_.assign(table_->size(), true);
    shown_ = order_;
    return;
  }
  // Each page's path is tested once, not once per link.
  std::vector<char> page_matches(page_starts_.size());
  for (std::size_t page = 0; page < page_starts_.size(); ++page)
    page_matches[page] = FoldedContains(
        RelativeTo(table_->Source(page_starts_[page]), top_folder_), filter_);
  if (!narrowing) matches_.assign(table_->size(), false);
  std::vector<std::uint32_t> kept;
  std::string scratch;
  for (const std::uint32_t entry : narrowing ? shown_ : order_) {
    const bool match = Matches(entry, page_matches, scratch);
    matches_[entry] = match;
    if (match) kept.push_back(entry);
  }
  shown_ = std::move(kept);
}

void ResultsView::ShowMatching() {
  if (filter_.empty()) {
    shown_ = order_;
    return;
  }
  shown_.clear();
  for (const std::uint32_t entry : order_)
    if (matches_[entry]) shown_.push_back(entry);
}

}  // namespace qvn
