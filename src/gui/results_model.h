#pragma once
// The results window's table model: the check's broken-link table seen
// through a ResultsView. No item exists per cell; a cell's text is formed
// when the table view paints it, and sorting and filtering reorder row
// numbers only.

#include <QAbstractTableModel>
#include <QString>
#include <memory>

#include "core/results/results_view.h"
#include "core/results/run_results.h"

namespace qvn::gui {

class ResultsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  /// No results: no rows.
  explicit ResultsModel(QObject* parent = nullptr);

  /// Shows result's links in walk order, the filter kept.
  void SetResults(std::shared_ptr<const CheckResult> result);
  const CheckResult& result() const { return *result_; }
  /// Shows only the rows with a cell that contains text, letter case aside.
  void SetFilter(const QString& text);
  /// The table entry of a shown row.
  std::size_t EntryAt(int row) const { return view_.EntryAt(static_cast<std::size_t>(row)); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  /// Column -1 restores walk order.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  std::shared_ptr<const CheckResult> result_ = std::make_shared<const CheckResult>();
  ResultsView view_;
};

}  // namespace qvn::gui
