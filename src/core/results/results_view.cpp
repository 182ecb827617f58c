#include "core/results/results_view.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <thread>
#include <unordered_map>
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

// A note that is not its kind's alone: a suggestion, or a server's answer.
bool HasOwnNote(const BrokenLink& link) { return !link.suggestion.empty() || !link.note.empty(); }

}  // namespace

void ResultsView::Reset(const BrokenLinkTable* table, std::string_view top_folder) {
  table_ = table;
  top_folder_ = top_folder;
  for (std::size_t kind = 0; kind < kLinkKinds; ++kind) {
    BrokenLink link;
    link.kind = static_cast<LinkKind>(kind);
    kind_notes_[kind] = LinkNote(link);
  }
  // A page's entries are consecutive.
  page_starts_.clear();
  for (std::size_t i = 0; i < table_->size(); ++i)
    if (i == 0 || table_->PageIndex(i) != table_->PageIndex(i - 1))
      page_starts_.push_back(static_cast<std::uint32_t>(i));
  order_ = WalkOrder(table_->size());
  Refilter(false);
}

std::string_view ResultsView::Text(std::uint32_t entry, ResultsColumn column,
                                   std::string& scratch) const {
  const BrokenLink& link = table_->Link(entry);
  switch (column) {
    case ResultsColumn::kPage:
      return RelativeTo(table_->Source(entry), top_folder_);
    case ResultsColumn::kLine:
      return scratch = std::to_string(link.line);
    case ResultsColumn::kLink:
      return link.link;
    case ResultsColumn::kTarget:
      return RelativeTo(link.target, top_folder_);
    case ResultsColumn::kNote:
      if (!HasOwnNote(link)) return kind_notes_[static_cast<std::size_t>(link.kind)];
      return scratch = LinkNote(link);
  }
  return {};
}

std::string ResultsView::CellText(std::size_t entry, ResultsColumn column) const {
  std::string scratch;
  return std::string(Text(static_cast<std::uint32_t>(entry), column, scratch));
}

std::optional<std::size_t> ResultsView::RowOf(std::size_t entry) const {
  const auto& shown = Shown();
  const auto at = std::find(shown.begin(), shown.end(), entry);
  if (at == shown.end()) return std::nullopt;
  return static_cast<std::size_t>(at - shown.begin());
}

void ResultsView::SortBy(std::optional<ResultsColumn> column, bool ascending) {
  if (!column) {
    order_ = WalkOrder(table_->size());
  } else if (*column == ResultsColumn::kPage) {
    order_ = OrderByPage(ascending);
  } else if (*column == ResultsColumn::kLine) {
    OrderByLine(ascending);
  } else {
    shown_ = {};  // rebuilt below: no need to hold it while sorting
    order_ = WalkOrder(table_->size());
    // A link's own notes are built once each; other texts are the table's.
    std::unordered_map<std::uint32_t, std::string> notes;
    std::string unused;
    SortByFoldedText(
        order_,
        [&](std::uint32_t entry) -> std::string_view {
          const BrokenLink& link = table_->Link(entry);
          if (*column != ResultsColumn::kNote || !HasOwnNote(link))
            return Text(entry, *column, unused);
          auto [note, added] = notes.try_emplace(entry);
          if (added) note->second = LinkNote(link);
          return note->second;
        },
        !ascending);
  }
  ShowMatching();
}

// A stable radix sort, 11 bits at a time: equal lines keep walk order.
void ResultsView::OrderByLine(bool ascending) {
  const std::size_t n = table_->size();
  std::vector<std::uint64_t> keys(n);
  std::uint64_t highest = 0;
  for (std::size_t i = 0; i < n; ++i) {
    keys[i] = static_cast<std::uint64_t>(std::max(table_->Link(i).line, 0LL));
    highest = std::max(highest, keys[i]);
  }
  if (!ascending)
    for (auto& key : keys) key = highest - key;
  order_ = WalkOrder(n);
  std::vector<std::uint32_t> next(n);
  constexpr int kBits = 11;
  for (int shift = 0; shift == 0 || (highest >> shift) != 0; shift += kBits) {
    std::vector<std::size_t> starts((1u << kBits) + 1);
    for (const std::uint32_t entry : order_) ++starts[((keys[entry] >> shift) & 0x7FF) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    for (const std::uint32_t entry : order_) next[starts[(keys[entry] >> shift) & 0x7FF]++] = entry;
    order_.swap(next);
  }
}

// Sorts the pages, not their entries: a page's entries stay together in walk order.
std::vector<std::uint32_t> ResultsView::OrderByPage(bool ascending) const {
  std::vector<std::uint32_t> pages = WalkOrder(page_starts_.size());
  SortByFoldedText(
      pages,
      [&](std::uint32_t page) {
        return RelativeTo(table_->Source(page_starts_[page]), top_folder_);
      },
      !ascending);
  std::vector<std::uint32_t> order;
  order.reserve(table_->size());
  for (const std::uint32_t page : pages) {
    const std::size_t end =
        page + 1 < page_starts_.size() ? page_starts_[page + 1] : table_->size();
    for (std::size_t entry = page_starts_[page]; entry < end; ++entry)
      order.push_back(static_cast<std::uint32_t>(entry));
  }
  return order;
}

void ResultsView::SetFilter(std::string_view text) {
  std::string folded = LowerCaseLatin(text);
  if (folded == filter_) return;
  // Typing on only narrows what is shown: test the shown rows alone.
  const bool narrowing = !filter_.empty() && folded.find(filter_) != std::string::npos;
  filter_ = std::move(folded);
  if (table_ != nullptr) Refilter(narrowing);
}

bool ResultsView::Matches(std::uint32_t entry, const Prepared& prepared,
                          std::string& scratch) const {
  if (prepared.pages[table_->PageIndex(entry)]) return true;
  const BrokenLink& link = table_->Link(entry);
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, link.line).ptr;
  if (std::string_view(digits, static_cast<std::size_t>(end - digits)).find(filter_) !=
      std::string_view::npos)
    return true;
  if (FoldedContains(link.link, filter_)) return true;
  if (!HasOwnNote(link) ? prepared.kind_notes[static_cast<std::size_t>(link.kind)]
                              : FoldedContains(Text(entry, ResultsColumn::kNote, scratch), filter_))
    return true;
  return FoldedContains(RelativeTo(link.target, top_folder_), filter_);
}

void ResultsView::Refilter(bool narrowing) {
  if (filter_.empty()) {
    matches_.assign(table_->size(), 1);
    shown_ = {};
    return;
  }
  // Each page's path and each fixed note is tested once, not once per link.
  Prepared prepared;
  prepared.pages.resize(static_cast<std::size_t>(table_->PageCount()));
  for (std::size_t page = 0; page < page_starts_.size(); ++page)
    prepared.pages[page] =
        FoldedContains(RelativeTo(table_->Source(page_starts_[page]), top_folder_), filter_);
  for (std::size_t kind = 0; kind < kLinkKinds; ++kind)
    prepared.kind_notes[kind] = FoldedContains(kind_notes_[kind], filter_);
  if (!narrowing) matches_.assign(table_->size(), 1);
  TestEntries(prepared);
  ShowMatching();
}

// Entries are tested in the order they lie in memory, whatever the order
// shown (a sorted order would make each test a wait for memory), and a large
// table in parts on several threads, each part writing its own bytes.
void ResultsView::TestEntries(const Prepared& prepared) {
  const std::size_t n = table_->size();
  auto test = [&](std::size_t begin, std::size_t end) {
    std::string scratch;
    for (std::size_t entry = begin; entry < end; ++entry)
      if (matches_[entry])
        matches_[entry] = Matches(static_cast<std::uint32_t>(entry), prepared, scratch);
  };
  constexpr std::size_t kPerThread = 1 << 16;
  const std::size_t threads = std::clamp<std::size_t>(
      std::min<std::size_t>(std::thread::hardware_concurrency(), n / kPerThread), 1, 4);
  const std::size_t part = (n + threads - 1) / threads;
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < threads; ++t)
    helpers.emplace_back(test, std::min(n, t * part), std::min(n, (t + 1) * part));
  test(0, std::min(n, part));
  for (std::thread& helper : helpers) helper.join();
}

void ResultsView::ShowMatching() {
  if (filter_.empty()) return;
  shown_.clear();
  for (const std::uint32_t entry : order_)
    if (matches_[entry]) shown_.push_back(entry);
}

}  // namespace qvn
