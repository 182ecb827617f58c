#include "gui/results_model.h"

#include <optional>
#include <utility>
#include <vector>

#include "core/app/results_texts.h"
#include "gui/twips.h"

namespace qvn::gui {

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {
  view_.Reset(&result_->broken_links, result_->top_folder);
}

void ResultsModel::SetResults(std::shared_ptr<const CheckResult> result) {
  beginResetModel();
  result_ = std::move(result);
  view_.Reset(&result_->broken_links, result_->top_folder);
  endResetModel();
}

void ResultsModel::SetFilter(const QString& text) {
  // The row count changes: a reset is cheaper for the views than removing
  // and inserting rows.
  beginResetModel();
  view_.SetFilter(text.toStdString());
  endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(view_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(kResultsColumns);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return Q(view_.CellText(EntryAt(index.row()), static_cast<ResultsColumn>(index.column())));
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= static_cast<int>(kResultsColumns))
    return QAbstractTableModel::headerData(section, orientation, role);
  return QString::fromLatin1(app::ResultsColumnCaption(static_cast<ResultsColumn>(section)));
}

void ResultsModel::sort(int column, Qt::SortOrder order) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  // The selected and current rows follow their links to where they move.
  const QModelIndexList before = persistentIndexList();
  std::vector<std::size_t> entries;
  for (const QModelIndex& index : before) entries.push_back(EntryAt(index.row()));
  std::optional<ResultsColumn> by;
  if (column >= 0 && column < static_cast<int>(kResultsColumns))
    by = static_cast<ResultsColumn>(column);
  view_.SortBy(by, order == Qt::AscendingOrder);
  QModelIndexList after;
  for (qsizetype i = 0; i < before.size(); ++i)
    after << index(static_cast<int>(*view_.RowOf(entries[static_cast<std::size_t>(i)])),
                   before[i].column());
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace qvn::gui
