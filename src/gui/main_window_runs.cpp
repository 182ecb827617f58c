// "Check links" and "List files": validation, the run on the core, the
// result files and the viewers that show them.

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/platform/data_folder.h"
#include "core/platform/path.h"
#include "core/text/text.h"
#include "core/platform/text_file.h"
#include "core/results/file_list.h"
#include "core/check/run.h"
#include "core/results/report_by_source.h"
#include "core/results/report_by_target.h"
#include "gui/view_window.h"
#include "gui/run_status.h"
#include "core/settings/catalogue_texts.h"
#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

constexpr int kTextHelpFile = 16;
constexpr int kTextDataFolder = 310;

// Removes surrounding spaces (only spaces) from a box's text, in the box.
void TrimBox(QLineEdit* box) { box->setText(Q(std::string(TrimSpaces(U(box->text()))))); }

}  // namespace

Selection MainWindow::CurrentSelection() const {
  Selection selection;
  selection.top_folder = U(txbTopFolder->text());
  const auto count = static_cast<std::size_t>(std::max(intNumExcludedSubfolders, 0));
  for (std::size_t i = 0; i < count && i < strExcludedSubfolderList.size(); ++i)
    selection.excluded_subfolders.push_back(strExcludedSubfolderList[i]);
  selection.excluded_filepaths = SplitExclusionBox(U(txbExcludedFilepaths->text()));
  selection.excluded_links = SplitExclusionBox(U(txbExcludedLinks->text()));
  selection.top_folder_only = chkTopFolderOnly->isChecked();
  selection.include_php = chkIncludePHPfiles->isChecked();
  selection.more = MoreChecksForRun(selection.top_folder);
  return selection;
}

bool MainWindow::ValidateAndWalk() {
  std::string top = U(txbTopFolder->text());
  const TopFolderProblem problem = ValidateTopFolder(top);
  txbTopFolder->setText(Q(top));
  if (problem != TopFolderProblem::kNone) {
    const int text = problem == TopFolderProblem::kEmpty ? texts::kNoTopFolder : texts::kTopFolderMissing;
    ShowMessage(this, Text(text), QMessageBox::Warning, cmdCheckLinks->text());
    return false;
  }
  if (!blnListingFiles && !SiteRootIsUsable(cmdCheckLinks->text())) return false;
  TrimBox(txbExcludedFilepaths);
  TrimBox(txbExcludedLinks);
  SetControlsEnabled(false);
  cmdStop->show();
  cmdStop->setEnabled(true);
  blnStop = false;
  repaint();
  blnMaxNumFilesReached = blnMaxNumLinksReached = blnQuit = false;
  strFilesFound.clear();
  GuiRunStatus status(lblFileBeingScanned, lblTotalNumFilesOrBrokenLinks, blnStop,
                      eventIntervalMs);
  Selection selection = CurrentSelection();
  // The more checks concern what a check finds, not which pages are read.
  if (blnListingFiles) selection.more = MoreChecks();
  if (runStarting) runStarting(selection);
  if (blnListingFiles) {
    strFilesFound = RunList(selection, status).files;
  } else {
    strBrokenLinks = std::move(RunCheck(selection, status).broken_links);
  }
  status.Flush();
  if (quitting_) return true;
  SetControlsEnabled(true);
  cmdStop->hide();
  repaint();
  return true;
}

void MainWindow::cmdCheckLinks_Click() {
  TrimBox(txbTopFolder);
  lblTotalNumFilesOrBrokenLinks->clear();
  frmView->hide();
  strBrokenLinks.Clear();
  blnListingFiles = false;
  frmView2->hide();
  lblTotalNumFilesOrBrokenLinks->setText("No broken links found so far.");
  blnStop = false;
  blnRunStarted = ValidateAndWalk();
  if (quitting_) return;
  if (blnStop) {
    lblTotalNumFilesOrBrokenLinks->setText("Checking of links was stopped.");
  } else if (!blnRunStarted) {
    lblTotalNumFilesOrBrokenLinks->clear();
  }
  if (!strBrokenLinks.empty() && !(blnMaxNumLinksReached && blnQuit)) WriteReports();
  lblFileBeingScanned->clear();
  if (!blnStop && blnRunStarted)
    lblTotalNumFilesOrBrokenLinks->setText(
        Q(CheckOutcomeText(static_cast<long long>(strBrokenLinks.size()), false)));
  UpdateResultsAfterCheck();
  blnStop = false;
  if (frmView2->isVisible()) {
    frmView2->raise();
    frmView2->activateWindow();
  }
}

bool MainWindow::WriteOutput(const QString& path, const std::string& text, const QString& what,
                             const QString& title) {
  SystemError error;
  if (!path.isEmpty() && WriteTextFile(U(path), text, &error)) return true;
  ShowMessage(this, "Unable to write " + what + " to " + path + "\r\n\r\n" + Q(error.description),
              QMessageBox::Warning, title);
  return false;
}

// Both reports, each shown as soon as it is written; a report that cannot be
// written is named with the reason, and the other is still tried.
void MainWindow::WriteReports() {
  const ReportContext context{U(txbTopFolder->text()), blnStop, chkShowRepeatedLinks->isChecked()};
  const long long repeated = CountRepeatedLinks(strBrokenLinks);
  const std::string folder_name = catalogue_.Get(kTextDataFolder);
  SystemError error;
  strOutputFile = Q(GetAppDataFilePath("links_to.txt", folder_name, &error));
  if (WriteOutput(strOutputFile, FormatReportBySource(strBrokenLinks, context, repeated),
                  "the report", cmdCheckLinks->text()))
    ShowOutputFile();
  strOutputFile = Q(GetAppDataFilePath("links_from.txt", folder_name, &error));
  if (WriteOutput(strOutputFile, FormatReportByTarget(strBrokenLinks, context, repeated),
                  "the report", cmdCheckLinks->text()))
    ShowOutputFileInView2();
}

void MainWindow::cmdListFiles_Click() {
  TrimBox(txbTopFolder);
  if (!strOutputFile.isEmpty() && DoesFileExist(U(strOutputFile))) RemoveFile(U(strOutputFile));
  lblTotalNumFilesOrBrokenLinks->clear();
  frmView->hide();
  blnListingFiles = true;
  blnRunStarted = ValidateAndWalk();
  if (quitting_) return;
  const ListResult result{strFilesFound, blnStop};
  lblTotalNumFilesOrBrokenLinks->setText(blnRunStarted || blnStop ? Q(ListStatusText(result)) : "");
  if (blnRunStarted && !strFilesFound.empty() && !(blnMaxNumFilesReached && blnQuit)) ShowList();
  blnListingFiles = false;
  strFilesFound.clear();
  SetDefaultFocus();
}

void MainWindow::ShowList() {
  SystemError error;
  strOutputFile = Q(GetAppDataFilePath("files.txt", catalogue_.Get(kTextDataFolder), &error));
  const std::string text = BuildFileList(U(txbTopFolder->text()), strFilesFound, blnStop,
                                         chkTopFolderOnly->isChecked());
  if (!WriteOutput(strOutputFile, text, "the list of files", cmdListFiles->text())) return;
  if (blnStop) {
    const auto answer = ShowMessage(
        this, "The listing was stopped.  Do you wish to display the incomplete list?",
        QMessageBox::NoIcon, cmdListFiles->text(), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
  }
  ShowOutputFile();
}

void MainWindow::ShowOutputFile() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screen_height = screen != nullptr ? screen->availableGeometry().height() : 768;
  move(Px(100), (screen_height - frameGeometry().height()) / 2);
  if (frmView->isMinimized()) frmView->showNormal();
  frmView->hide();
  frmView2->hide();
  frmView->setWindowIcon(windowIcon());
  const QRect main = frameGeometry();
  if (blnListingFiles) {
    frmView->move(main.left() + main.width(), main.top());
  } else {
    frmView->move(main.left(), main.top() + Px(350));
  }
  frmView->resize(size());
  frmView->strFilename = strOutputFile;
  frmView->setWindowTitle(blnListingFiles ? "Files with links to be checked"
                                          : "Broken links sorted by link-from");
  frmView->blnCopyToClipboardInvisible = false;
  frmView->SetTextFontSize(10);
  frmView->blnFileDisplayed = false;
  frmView->show();
}

void MainWindow::ShowOutputFileInView2() {
  if (frmView2->isMinimized()) frmView2->showNormal();
  frmView2->hide();
  frmView2->setWindowIcon(windowIcon());
  const QRect main = frameGeometry();
  frmView2->move(main.left() + main.width(), main.top() + Px(350));
  frmView2->resize(size());
  frmView2->strFilename = strOutputFile;
  frmView2->setWindowTitle("Broken links sorted by link-to");
  frmView2->blnCopyToClipboardInvisible = false;
  frmView2->SetTextFontSize(10);
  frmView2->blnFileDisplayed = false;
  frmView2->show();
}

void MainWindow::cmdHelp_Click() {
  if (frmView->isMinimized()) frmView->showNormal();
  frmView->hide();
  frmView2->hide();
  frmView->setWindowIcon(windowIcon());
  move(Px(100), frameGeometry().top());
  const QRect main = frameGeometry();
  frmView->move(main.left() + main.width(), main.top());
  frmView->resize(size());
  frmView->strFilename = Q(ProgramFilePath(catalogue_.Get(kTextHelpFile)));
  frmView->setWindowTitle("Help for Quorvane");
  frmView->blnCopyToClipboardInvisible = true;
  frmView->SetTextFontSize(10);
  frmView->blnFileDisplayed = false;
  frmView->show();
}

}  // namespace qvn::gui
