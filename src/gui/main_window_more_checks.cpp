// "More checks...": the checks beyond the line scan, chosen in their own
// window and kept by the main window for its check runs and orphan searches.

#include <QLineEdit>
#include <QPushButton>

#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/text/text.h"
#include "gui/main_window.h"
#include "gui/more_checks_window.h"
#include "gui/twips.h"

namespace qvn::gui {

void MainWindow::CreateMoreChecksControls() {
  // In the free band below "Exclude links containing", left of the count
  // line and clear of the "Scanning file" line above it.
  cmdMoreChecks = new QPushButton(this);
  cmdMoreChecks->setObjectName("cmdMoreChecks");
  cmdMoreChecks->setGeometry(TwipsRect(120, 4800, 2300, 360));
  cmdMoreChecks->setFont(TahomaFont());
  cmdMoreChecks->setToolTip(
      QStringLiteral("Choose checks beyond the first link of each line: every link, root "
                     "links, folder links, anchors, letter case."));
  setTabOrder(txbExcludedLinks, cmdMoreChecks);
  setTabOrder(cmdMoreChecks, cmdClear);
  connect(cmdMoreChecks, &QPushButton::clicked, this, [this] { cmdMoreChecks_Click(); });
  UpdateMoreChecksButton();
}

void MainWindow::UpdateMoreChecksButton() {
  const int on = int{moreChecks.all_links} + int{moreChecks.site_root} +
                 int{moreChecks.index_pages} + int{moreChecks.check_fragments} +
                 int{moreChecks.letter_case};
  cmdMoreChecks->setText(on == 0 ? QStringLiteral("More checks...")
                                 : QStringLiteral("More checks (%1 on)...").arg(on));
}

void MainWindow::cmdMoreChecks_Click() {
  MoreChecksWindow window(moreChecks, this);
  window.setWindowIcon(windowIcon());
  if (window.exec() == QDialog::Accepted) {
    moreChecks = window.Choice();
    UpdateMoreChecksButton();
  }
  SetDefaultFocus();
}

// The folder was valid when chosen, but may be gone since, or come from a
// settings file written on another machine.
bool MainWindow::SiteRootIsUsable(const QString& title) {
  if (!moreChecks.site_root) return true;
  const QString problem = SiteRootProblem(moreChecks.site_root_folder);
  if (problem.isEmpty()) return true;
  ShowMessage(this, problem, QMessageBox::Warning, title);
  return false;
}

MoreChecks MainWindow::MoreChecksForRun(const std::string& top) const {
  MoreChecks more = moreChecks;
  // A hand-edited settings file may leave out the separator the core needs.
  more.site_root_folder = std::string(TrimSpaces(more.site_root_folder));
  EnsureTrailingBackslash(more.site_root_folder);
  // The top folder however it is spelled: its links then stay relative to it.
  if (!more.site_root_folder.empty()) {
    const auto id = GetFolderId(more.site_root_folder);
    if (more.site_root_folder == top || (id && id == GetFolderId(top)))
      more.site_root_folder.clear();
  }
  return more;
}

}  // namespace qvn::gui
