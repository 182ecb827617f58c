#pragma once
// frmOrphans: the result of an orphan search, as two read-only lists with
// their counts: the files no page links to, and the files reachable only
// from those. The main window runs the search and hands the result over.

#include <QWidget>

#include "core/check/orphans.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qvn::gui {

class OrphansWindow : public QWidget {
  Q_OBJECT

 public:
  /// A hidden top-level window; it lives as long as parent.
  explicit OrphansWindow(QWidget* parent = nullptr);

  /// Shows the lists of result (not stopped), found below top_folder.
  void SetResult(const OrphanResult& result, const QString& top_folder);

  QLabel* lblTopFolder;  ///< the top folder searched
  QLabel* lblSummary;    ///< files walked, pages read and the roots
  QLabel* lblNotLinked;  ///< the first list's heading, with its count
  QPlainTextEdit* txbNotLinked;
  QLabel* lblOnlyFromOrphans;  ///< the second list's heading, with its count
  QPlainTextEdit* txbOnlyFromOrphans;
  QLabel* lblTotals;  ///< the closing count line
  QPushButton* cmdClose;

 private:
  void CreateControls();
};

}  // namespace qvn::gui
