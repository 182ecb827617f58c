// The top folder, the exclusion boxes and the Clear commands.

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/platform/path.h"
#include "core/settings/exclusions.h"
#include "core/site/folder_stats.h"
#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

constexpr int kTextNoneExcluded = 25;
constexpr int kTextOneExcluded = 26;
constexpr int kTextManyExcluded = 27;
constexpr int kTextNoSubfolders = 29;

}  // namespace

void MainWindow::cmdTopFolder_Click() {
  QString path = browseForFolder();
  if (path.isEmpty()) return;
  if (!path.endsWith(QChar(kSeparator))) path += QChar(kSeparator);
  txbTopFolder->setText(path);
  const bool has_exclusions = !txbExcludedFilepaths->text().isEmpty() ||
                              !txbExcludedLinks->text().isEmpty() ||
                              !txbExcludedSubfolders->toPlainText().isEmpty();
  if (has_exclusions &&
      ShowMessage(this, "Keep excluded subfolders, excluded filepaths and excluded links?",
                  QMessageBox::NoIcon, "Top folder", QMessageBox::Yes | QMessageBox::No) ==
          QMessageBox::No) {
    ClearExcludedSubfolders();
    ClearFilepathExclusions();
    ClearLinkExclusions();
    UpdateExcludedSubfoldersState();
  }
  UpdateExcludedSubfoldersState();
}

void MainWindow::txbExcludedFilepaths_LostFocus() {
  txbExcludedFilepaths->setText(Q(NormaliseCommaList(U(txbExcludedFilepaths->text()), true)));
}

void MainWindow::txbExcludedLinks_LostFocus() {
  txbExcludedLinks->setText(Q(NormaliseCommaList(U(txbExcludedLinks->text()), false)));
}

void MainWindow::ClearExcludedSubfolders() {
  txbExcludedSubfolders->clear();
  intNumExcludedSubfolders = 0;
  lblTotalNumFilesOrBrokenLinks->clear();
  lblNumExcludedTopSubfolders->setText(Text(kTextNoneExcluded));
}

void MainWindow::ClearFilepathExclusions() {
  txbExcludedFilepaths->clear();
  lblTotalNumFilesOrBrokenLinks->clear();
}

void MainWindow::ClearLinkExclusions() {
  txbExcludedLinks->clear();
  lblTotalNumFilesOrBrokenLinks->clear();
}

void MainWindow::UpdateExcludedSubfoldersState() {
  if (txbTopFolder->text().isEmpty()) {
    blnTopFolderHasSubfolders = false;
    cmdSelectSubfolders->setEnabled(false);
    lblNumExcludedTopSubfolders->hide();
    return;
  }
  blnTopFolderHasSubfolders = CountSubfolders(U(txbTopFolder->text())).count > 0;
  cmdSelectSubfolders->setEnabled(blnTopFolderHasSubfolders);
  lblNumExcludedTopSubfolders->show();
  if (blnTopFolderHasSubfolders) {
    txbExcludedSubfolders->setEnabled(true);
    lblNumExcludedTopSubfolders->setText(
        Q(ExcludedSubfoldersLabel(intNumExcludedSubfolders, catalogue_.Get(kTextNoneExcluded),
                                  catalogue_.Get(kTextOneExcluded),
                                  catalogue_.Get(kTextManyExcluded))));
    lblTotalNumFilesOrBrokenLinks->clear();
  } else {
    txbExcludedSubfolders->setEnabled(false);
    lblNumExcludedTopSubfolders->setText(Text(kTextNoSubfolders));
  }
}

void MainWindow::cboClear_Click() {
  if (!blnStartupCompleted) return;
  if (ShowMessage(this, "Are you sure?", QMessageBox::NoIcon, "Clear",
                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
    cmdClear_Click();
  SetDefaultFocus();
}

void MainWindow::cmdClear_Click() {
  switch (cboClear->currentIndex()) {
    case 0:
      txbTopFolder->clear();
      ClearExcludedSubfolders();
      lblTotalNumFilesOrBrokenLinks->clear();
      break;
    case 1:
      ClearExcludedSubfolders();
      break;
    case 2:
      ClearFilepathExclusions();
      break;
    case 3:
      ClearLinkExclusions();
      break;
    case 4:
      if (ShowMessage(this,
                      "Are you sure you want to clear all the settings?\r\nThis cannot be undone.",
                      QMessageBox::NoIcon, "Clear all",
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                      QMessageBox::Cancel) != QMessageBox::Yes) {
        SetDefaultFocus();
        return;
      }
      txbTopFolder->clear();
      ClearExcludedSubfolders();
      ClearFilepathExclusions();
      ClearLinkExclusions();
      lblTotalNumFilesOrBrokenLinks->clear();
      break;
    default:
      return;
  }
  UpdateExcludedSubfoldersState();
  SetDefaultFocus();
}

void MainWindow::ConnectHandlers() {
  connect(cmdTopFolder, &QPushButton::clicked, this, [this] { cmdTopFolder_Click(); });
  connect(cmdSelectSubfolders, &QPushButton::clicked, this, [this] { cmdSelectSubfolders_Click(); });
  connect(cmdListFiles, &QPushButton::clicked, this, [this] { cmdListFiles_Click(); });
  connect(cmdCheckLinks, &QPushButton::clicked, this, [this] { cmdCheckLinks_Click(); });
  connect(cmdStop, &QPushButton::clicked, this, [this] { cmdStop_Click(); });
  connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
  connect(cmdSettings, &QPushButton::clicked, this, [this] { cmdSettings_Click(); });
  connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
  connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
  connect(cboClear, &QComboBox::activated, this, [this] { cboClear_Click(); });
  connect(cboSettings, &QComboBox::activated, this, [this] { cboSettings_Click(); });
  for (QCheckBox* box : {chkTopFolderOnly, chkShowRepeatedLinks, chkIncludePHPfiles})
    connect(box, &QCheckBox::clicked, this, [this] { SetDefaultFocus(); });
  txbExcludedFilepaths->installEventFilter(this);
  txbExcludedLinks->installEventFilter(this);
  lblOrrinford->installEventFilter(this);
  lblUserManualURL->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == txbExcludedFilepaths) txbExcludedFilepaths_LostFocus();
    if (watched == txbExcludedLinks) txbExcludedLinks_LostFocus();
  } else if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == lblOrrinford) lblOrrinford_Click();
    if (watched == lblUserManualURL) lblUserManualURL_Click();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qvn::gui
