// "Orphan files": the orphan search of the current top folder and selection,
// run as checks are (progress, Stop), its result shown in frmOrphans.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/text/text.h"
#include "core/check/orphans.h"
#include "core/check/run.h"
#include "core/results/orphan_report.h"
#include "gui/orphans_window.h"
#include "gui/run_status.h"
#include "core/settings/catalogue_texts.h"
#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::gui {

void MainWindow::CreateOrphansControls() {
  frmOrphans = new OrphansWindow(this);
  // In the free space right of "List files", clear of the options above.
  cmdOrphans = new QPushButton(QStringLiteral("Orphan files"), this);
  cmdOrphans->setObjectName("cmdOrphans");
  cmdOrphans->setGeometry(TwipsRect(8235, 1920, 1380, 360));
  cmdOrphans->setFont(TahomaFont());
  cmdOrphans->setToolTip(QStringLiteral("List the files that no page links to."));
  setTabOrder(cmdListFiles, cmdOrphans);
  connect(cmdOrphans, &QPushButton::clicked, this, &MainWindow::cmdOrphans_Click);
}

// Validates the top folder and trims the boxes as a check does; false after
// telling the problem.
bool MainWindow::PrepareOrphanSearch() {
  std::string top(TrimSpaces(U(txbTopFolder->text())));
  const TopFolderProblem problem = ValidateTopFolder(top);
  txbTopFolder->setText(Q(top));
  if (problem != TopFolderProblem::kNone) {
    const int text = problem == TopFolderProblem::kEmpty ? texts::kNoTopFolder : texts::kTopFolderMissing;
    ShowMessage(this, Text(text), QMessageBox::Warning, cmdOrphans->text());
    return false;
  }
  if (!SiteRootIsUsable(cmdOrphans->text())) return false;
  for (QLineEdit* box : {txbExcludedFilepaths, txbExcludedLinks})
    box->setText(Q(std::string(TrimSpaces(U(box->text())))));
  return true;
}

void MainWindow::cmdOrphans_Click() {
  frmOrphans->hide();
  lblTotalNumFilesOrBrokenLinks->clear();
  if (!PrepareOrphanSearch()) return;
  SetControlsEnabled(false);
  cmdStop->show();
  cmdStop->setEnabled(true);
  blnStop = false;
  repaint();
  GuiRunStatus status(lblFileBeingScanned, lblTotalNumFilesOrBrokenLinks, blnStop, eventIntervalMs);
  const Selection selection = CurrentSelection();
  if (runStarting) runStarting(selection);
  const OrphanResult result = RunOrphans(selection, status);
  status.Flush();
  if (quitting_) return;
  SetControlsEnabled(true);
  cmdStop->hide();
  lblFileBeingScanned->clear();
  lblTotalNumFilesOrBrokenLinks->setText(Q(OrphanCountText(result)));
  blnStop = false;
  repaint();
  if (result.stopped) return;
  frmOrphans->SetResult(result, txbTopFolder->text());
  if (!frmOrphans->isVisible()) {
    const QRect main = frameGeometry();
    frmOrphans->move(main.left() + main.width(), main.top());
    frmOrphans->setWindowIcon(windowIcon());
  }
  frmOrphans->show();
  frmOrphans->raise();
  frmOrphans->activateWindow();
}

}  // namespace qvn::gui
