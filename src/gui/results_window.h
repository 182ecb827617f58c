#pragma once
// frmResults: the broken links of the last check as a table (page, line,
// link as written, missing target, note), sortable by clicking a header and
// filtered as the user types; the counts by kind stand at the top, and a
// double-click opens the row's page in the user's default application.

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/app/choices.h"
#include "core/results/run_results.h"

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace qvn::gui {

class RepairWindow;
class ResultsModel;

class ResultsWindow : public QWidget {
  Q_OBJECT

 public:
  /// The table's columns, in order.
  enum Column { kPageColumn, kLineColumn, kLinkColumn, kTargetColumn, kNoteColumn, kColumns };

  /// A hidden top-level window named "frmResults".
  explicit ResultsWindow(QWidget* parent = nullptr);

  /// Shows the broken links of result instead of the current ones: rows in
  /// walk order (no column sorted), paths relative to its top folder, the
  /// filter text kept and applied. The window shares result, not a copy.
  void SetResults(std::shared_ptr<const CheckResult> result);
  /// As above, for a result the window alone will hold.
  void SetResults(CheckResult result);
  const CheckResult& results() const;
  /// Empties the table; reason stands where the counts were.
  void ClearWithReason(const QString& reason);

  /// Rows shown after filtering, and the text of a shown cell (rows in the
  /// order shown).
  int ShownRows() const;
  QString CellText(int row, int column) const;
  /// The full path of the page of a shown row.
  QString PagePath(int row) const;

  /// What "Repair..." needs besides the results: the choices of the check
  /// that found them, and where repairs keep their backups. Until given,
  /// the button stays disabled.
  void SetRepairSource(const app::Choices& choices, const std::string& repairs_folder);
  /// The Repair window, once "Repair..." opened it (null before).
  RepairWindow* repairWindow() const { return repair_window_; }

  /// Opens a file (full path) in the user's default application; false on
  /// failure. A seam, so tests open nothing.
  std::function<bool(const QString& path)> openFile;

  QLabel* lblCounts;
  QLineEdit* txbFilter;
  QLabel* lblShown;
  QTableView* tblResults;
  QPushButton* cmdRepair;
  QPushButton* cmdClose;

 private:
  void CreateControls();
  void CreateTable();
  void UpdateCounts();
  void UpdateShown();
  void OpenRow(const QModelIndex& index);
  void OpenRepair();

  ResultsModel* model_;
  std::shared_ptr<const CheckResult> result_;
  app::Choices repair_choices_;
  std::string repairs_folder_;  // "" until SetRepairSource
  RepairWindow* repair_window_ = nullptr;
};

}  // namespace qvn::gui
