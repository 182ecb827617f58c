// "Results table": the results window with the broken links of the last
// check, reached by a button beside "Check links".

#include <QLineEdit>
#include <QPushButton>

#include "gui/results_window.h"
#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::gui {

void MainWindow::CreateResultsControls() {
  frmResults = new ResultsWindow();
  // In the free space right of "Check links", clear of the options above.
  cmdResults = new QPushButton(QStringLiteral("Results table"), this);
  cmdResults->setObjectName("cmdResults");
  cmdResults->setGeometry(TwipsRect(8235, 2400, 1380, 360));
  cmdResults->setFont(TahomaFont());
  cmdResults->setToolTip(QStringLiteral("Show the broken links of the last check as a table."));
  cmdResults->setEnabled(false);
  setTabOrder(cmdStop, cmdResults);
  connect(cmdResults, &QPushButton::clicked, this, &MainWindow::cmdResults_Click);
}

void MainWindow::UpdateResultsButton(bool controls_enabled) {
  cmdResults->setEnabled(controls_enabled && !strBrokenLinks.empty());
}

CheckResult MainWindow::CurrentResults() const {
  CheckResult result;
  result.broken_links = strBrokenLinks;
  result.stopped = results_stopped_;
  result.top_folder = results_top_folder_;
  return result;
}

void MainWindow::UpdateResultsAfterCheck() {
  results_top_folder_ = U(txbTopFolder->text());
  results_stopped_ = blnStop;
  UpdateResultsButton(cmdCheckLinks->isEnabled());
  if (!frmResults->isVisible()) return;
  if (strBrokenLinks.empty()) {
    frmResults->hide();
  } else {
    frmResults->SetResults(CurrentResults());
  }
}

void MainWindow::cmdResults_Click() {
  if (strBrokenLinks.empty()) return;
  frmResults->SetResults(CurrentResults());
  if (!frmResults->isVisible()) {
    const QRect main = frameGeometry();
    frmResults->move(main.left() + Px(350), main.top() + Px(700));
    frmResults->setWindowIcon(windowIcon());
  }
  frmResults->show();
  frmResults->raise();
  frmResults->activateWindow();
  frmResults->txbFilter->setFocus();
}

}  // namespace qvn::gui
