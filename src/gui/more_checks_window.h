#pragma once
// frmMoreChecks: the checks beyond the line scan, each off by default. The
// main window owns the choice; this modal window edits a copy of it, and
// OK hands the copy back once it passes validation (app/more_checks_rules.h).

#include <QDialog>
#include <functional>

#include "core/site/selection.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qvn::gui {

class MoreChecksWindow : public QDialog {
  Q_OBJECT

 public:
  /// A modal window showing more.
  explicit MoreChecksWindow(const MoreChecks& more, QWidget* parent = nullptr);

  /// The checks as the window shows them, tidied as OK keeps them.
  MoreChecks Choice() const;

  /// Seam for tests: the folder browser, given the folder to start in;
  /// returns "" when cancelled.
  std::function<QString(const QString& start)> browseForFolder;

 public slots:
  /// Closes the window with OK when the choice is valid; otherwise tells
  /// what is wrong and stays open.
  void accept() override;

 private slots:
  void updateEnabled();
  void browseClicked();

 private:
  void CreateControls();
  void LayOut();
  void Show(const MoreChecks& more);
  MoreChecks Shown() const;

  QCheckBox *allLinksBox_, *siteRootBox_, *indexPagesBox_, *fragmentsBox_, *letterCaseBox_,
      *externalBox_;
  QLineEdit *siteRootFolderBox_, *indexFilesBox_;
  QPushButton *browseButton_, *okButton_, *cancelButton_;
  MoreChecks shown_;  // what the window was opened with
};

}  // namespace qvn::gui
