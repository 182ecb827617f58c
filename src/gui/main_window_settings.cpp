// Settings files: saved for the next run, saved to and loaded from files of
// the user's choice.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/platform/path.h"
#include "core/text/text.h"
#include "core/settings/settings_file.h"
#include "gui/main_window.h"
#include "gui/popup_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

constexpr int kTextSaved = 50;

Settings FromWindow(const MainWindow& w) {
  Settings s;
  s.top_folder = U(w.txbTopFolder->text());
  s.excluded_subfolders = U(w.txbExcludedSubfolders->toPlainText().replace("\n", "\r\n"));
  s.excluded_filepaths = U(w.txbExcludedFilepaths->text());
  s.excluded_links = U(w.txbExcludedLinks->text());
  s.top_folder_only = w.chkTopFolderOnly->isChecked() ? 1 : 0;
  s.show_repeated = w.chkShowRepeatedLinks->isChecked() ? 1 : 0;
  s.include_php = w.chkIncludePHPfiles->isChecked() ? 1 : 0;
  SetMoreChecks(s, w.moreChecks);
  return s;
}

}  // namespace

void MainWindow::SaveSettings(const QString& chosen, bool notice) {
  QString path = chosen;
  if (path.isEmpty()) {
    path = chooseSettingsFile(true);
    if (!path.isEmpty()) strLastSettingsFile = path;
  }
  if (path.isEmpty()) return;
  SystemError error;
  if (!WriteSettingsFile(U(path), FromWindow(*this), &error)) {
    const QString text = error.code == -1 ? Q(error.description)
                                          : "Error when attempting to save settings: " +
                                                Q(error.description);
    ShowMessage(this, text, QMessageBox::Warning, "Save settings");
    return;
  }
  if (notice) {
    const QRect main = frameGeometry();
    frmPopUp->PopUp(Text(kTextSaved), 2000, 380, 2000,
                    Twips(main.top() + cboClear->y()) + 850,
                    Twips(main.left() + cboClear->x()) + 150);
  }
  SetDefaultFocus();
}

void MainWindow::LoadSettings(const QString& chosen) {
  QString path = chosen;
  if (path.isEmpty()) {
    path = chooseSettingsFile(false);
    if (!path.isEmpty()) strLastSettingsFile = path;
  }
  // A cancelled dialog leaves the window as it was.
  if (!path.isEmpty()) ApplySettings(path);
  if (isVisible()) SetDefaultFocus();
}

// Applies the fields that could be read; the boxes not reached stay empty and
// the top folder and options not reached keep their values. A file read up
// to its seventh field also sets the more checks, those it lacks (all, in
// a file of an earlier version) to their defaults.
bool MainWindow::ApplySettings(const QString& path) {
  ResetTexts();
  Settings settings;
  SystemError error;
  const int read = ReadSettingsFile(U(path), settings, &error);
  if (read >= 1) {
    const std::string top(TrimSpaces(settings.top_folder));
    txbTopFolder->setText(IsExistingFolder(top) ? Q(top) : QString());
  }
  if (read >= 2) {
    intNumExcludedSubfolders = 0;
    if (!txbTopFolder->text().isEmpty()) {
      txbExcludedSubfolders->setPlainText(Q(settings.excluded_subfolders));
      intNumExcludedSubfolders = static_cast<int>(SplitLines(
          settings.excluded_subfolders, strExcludedSubfolderList, CaseMode::kLower, true));
    }
    if (intNumExcludedSubfolders == 0) txbExcludedSubfolders->clear();
  }
  if (read >= 3) txbExcludedFilepaths->setText(Q(std::string(TrimSpaces(settings.excluded_filepaths))));
  if (read >= 4) txbExcludedLinks->setText(Q(std::string(TrimSpaces(settings.excluded_links))));
  if (read >= 5) chkTopFolderOnly->setChecked(settings.top_folder_only == 1);
  if (read >= 6) chkShowRepeatedLinks->setChecked(settings.show_repeated == 1);
  if (read >= 7) chkIncludePHPfiles->setChecked(settings.include_php == 1);
  if (read >= kSettingsFields) {
    moreChecks = MoreChecksOf(settings);
    UpdateMoreChecksButton();
  }
  if (blnStartupCompleted) UpdateExcludedSubfoldersState();
  return IsCompleteSettingsRead(read);
}

void MainWindow::cboSettings_Click() {
  if (!blnStartupCompleted) return;
  cmdSettings_Click();
  SetDefaultFocus();
}

void MainWindow::cmdSettings_Click() {
  switch (cboSettings->currentIndex()) {
    case 0:
      SaveSettings(strDefaultSettingsFile, true);
      break;
    case 1:
      SaveSettings("", true);
      break;
    case 2:
      SaveSettings(strDefaultSettingsFile, false);
      SaveSettings("", true);
      break;
    case 3:
      LoadSettings("");
      break;
    default:
      break;
  }
}

QString MainWindow::ChooseSettingsFileInDialog(bool save) {
  const QString folder =
      strLastSettingsFile.isEmpty() ? QString() : Q(GetFolderPart(U(strLastSettingsFile), false));
  const QString filter = "Settings file (*.usr)";
  if (save)
    return QFileDialog::getSaveFileName(this, "Specify file for settings for index module", folder,
                                        filter);
  return QFileDialog::getOpenFileName(this, "Specify index module settings file", folder, filter,
                                      nullptr, QFileDialog::ReadOnly);
}

}  // namespace qvn::gui
