#pragma once
// frmMoreChecks: the checks beyond the line scan, each off by default. The
// main window owns the choice; this modal window edits a copy of it, and
// OK hands the copy back once it passes validation.

#include <QDialog>
#include <functional>

#include "core/site/selection.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qvn::gui {

/// The message for a site root folder that cannot be used: one that is not
/// empty and names no existing folder; "" when folder can be used.
QString SiteRootProblem(const std::string& folder);

class MoreChecksWindow : public QDialog {
  Q_OBJECT

 public:
  /// A modal window showing more.
  explicit MoreChecksWindow(const MoreChecks& more, QWidget* parent = nullptr);

  /// The checks as the window shows them: the site root folder without
  /// surrounding spaces and, when not empty, ending in the separator.
  MoreChecks Choice() const;

  QCheckBox *chkAllLinks, *chkSiteRoot, *chkIndexPages, *chkCheckFragments, *chkLetterCase;
  QLineEdit *txtSiteRoot, *txtIndexFiles;
  QPushButton *cmdSiteRoot, *cmdOK, *cmdCancel;

  /// Seam for tests: the folder browser, given the folder to start in;
  /// returns "" when cancelled.
  std::function<QString(const QString& start)> browseForFolder;

 public slots:
  /// Closes the window with OK when the choice is valid; otherwise tells
  /// what is wrong and stays open.
  void accept() override;

 private:
  void CreateControls();
  void LayOut();
  void Show(const MoreChecks& more);
  void UpdateEnabled();
  void cmdSiteRoot_Click();
  bool Validate();
};

}  // namespace qvn::gui
