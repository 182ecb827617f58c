// The windows of the last check's broken links and of the last orphan
// search, filled as the presenter says.

#include "gui/keyboard.h"
#include "gui/main_window.h"
#include "gui/orphans_window.h"
#include "gui/results_window.h"
#include "gui/twips.h"

namespace qvn::gui {

void MainWindow::CreateResultWindows() {
  resultsWindow_ = new ResultsWindow();
  orphansWindow_ = new OrphansWindow(this);
  for (QWidget* window :
       {static_cast<QWidget*>(resultsWindow_), static_cast<QWidget*>(orphansWindow_)}) {
    CloseOnEscape(window);
    PressFocusedButtonOnEnter(window);
  }
}

void MainWindow::SetResults(std::shared_ptr<const CheckResult> result) {
  resultsWindow_->SetRepairSource(presenter_.choices(), presenter_.RepairsFolderPath());
  resultsWindow_->SetResults(std::move(result));
}

void MainWindow::SetResultsCaption(const std::string& caption) {
  resultsWindow_->setWindowTitle(Q(caption));
}

void MainWindow::ClearResults(const std::string& reason) {
  resultsWindow_->ClearWithReason(Q(reason));
}

void MainWindow::SetOrphans(const OrphanResult& result, const std::string& top_folder) {
  orphansWindow_->SetResult(result, Q(top_folder));
}

}  // namespace qvn::gui
