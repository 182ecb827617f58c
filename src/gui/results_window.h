#pragma once
// frmResults: the broken links of the last check as a table (page, line,
// link as written, missing target, note), sortable by clicking a header and
// filtered as the user types; the counts by kind stand at the top, and a
// double-click opens the row's page in the user's default application.

#include <QString>
#include <QWidget>
#include <functional>

#include "core/results/run_results.h"

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace qvn::gui {

class ResultsWindow : public QWidget {
  Q_OBJECT

 public:
  /// The table's columns, in order.
  enum Column { kPageColumn, kLineColumn, kLinkColumn, kTargetColumn, kNoteColumn, kColumns };

  /// A hidden top-level window named "frmResults".
  explicit ResultsWindow(QWidget* parent = nullptr);

  /// Shows the broken links of result instead of the current ones: rows in
  /// walk order (no column sorted), paths relative to its top folder, the
  /// filter text kept and applied.
  void SetResults(CheckResult result);
  const CheckResult& results() const { return result_; }
  /// Empties the table; reason stands where the counts were.
  void ClearWithReason(const QString& reason);

  /// Rows shown after filtering, and the text of a shown cell (rows in the
  /// order shown).
  int ShownRows() const;
  QString CellText(int row, int column) const;
  /// The full path of the page of a shown row.
  QString PagePath(int row) const;

  /// Opens a file (full path) in the user's default application; false on
  /// failure. A seam, so tests open nothing.
  std::function<bool(const QString& path)> openFile;

  QLabel* lblCounts;
  QLineEdit* txbFilter;
  QLabel* lblShown;
  QTableView* tblResults;
  QPushButton* cmdClose;

 private:
  void CreateControls();
  void CreateTable();
  void FillModel();
  void UpdateCounts();
  void UpdateShown();
  void OpenRow(const QModelIndex& index);

  CheckResult result_;
  QStandardItemModel* model_;
  QSortFilterProxyModel* proxy_;
};

}  // namespace qvn::gui
