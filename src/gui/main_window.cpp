#include "gui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "core/platform/data_folder.h"
#include "core/platform/path.h"
#include "gui/results_window.h"
#include "gui/view_window.h"
#include "core/settings/exclusions.h"
#include "gui/popup_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

constexpr int kTextVendorAddress = 6;
constexpr int kTextNoneExcluded = 25;
constexpr int kTextDataFolder = 310;

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  CreateControls();
  frmView = new ViewWindow("frmView", catalogue_);
  frmView2 = new ViewWindow("frmView2", catalogue_);
  frmPopUp = new PopupWindow(this);
  CreateResultsControls();
  CreateOrphansControls();
  CreateMoreChecksControls();
  browseForFolder = [this] {
    return QFileDialog::getExistingDirectory(this, "Specify top folder", txbTopFolder->text());
  };
  launchUrl = [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); };
  chooseSettingsFile = [this](bool save) { return ChooseSettingsFileInDialog(save); };
  ConnectHandlers();
}

MainWindow::~MainWindow() {
  delete frmView;
  delete frmView2;
  delete frmResults;
}

QString MainWindow::Text(int number) const { return Q(catalogue_.Get(number)); }

QString MainWindow::UserManualAddress() { return "https://quorvane.example/manual/"; }

bool MainWindow::Form_Load() {
  blnStartupCompleted = false;
  strProgramTextFile = "qvn.dat";
  const std::string path =
      catalogueFile.isEmpty() ? ProgramFilePath(U(strProgramTextFile)) : U(catalogueFile);
  const int loaded = catalogue_.Load(path);
  if (loaded <= 0) {
    ShowMessage(nullptr, Q(CatalogueFailureText(loaded, path)), QMessageBox::Critical, "");
    return false;
  }
  InitialiseSettings();
  ResetTexts();
  ApplyBackColours();
  UpdateExcludedSubfoldersState();
  cmdStop->hide();
  PlaceOnScreen();
  show();
  if (DoesFileExist(U(strDefaultSettingsFile))) LoadSettings(strDefaultSettingsFile);
  UpdateExcludedSubfoldersState();
  cmdHelp->setFocus();
  blnStartupCompleted = true;
  return true;
}

void MainWindow::PlaceOnScreen() {
  // The designed height: the settings button's bottom plus a margin.
  setFixedHeight(Px(5760 + 360 + 240));
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screen_height = screen != nullptr ? screen->availableGeometry().height() : 768;
  move(Px(100), (screen_height - frameGeometry().height()) / 2);
}

void MainWindow::InitialiseSettings() {
  chkTopFolderOnly->setChecked(false);
  chkShowRepeatedLinks->setChecked(false);
  chkIncludePHPfiles->setChecked(false);
  moreChecks = MoreChecks();
  UpdateMoreChecksButton();
  lngMaxNumFiles = lngMaxNumLinks = 50000;
  strLastSettingsFile.clear();
  SystemError error;
  strDefaultSettingsFile = Q(GetAppDataFilePath("qvn.usr", catalogue_.Get(kTextDataFolder), &error));
  intNumExcludedSubfolders = 0;
  lblNumExcludedTopSubfolders->setText(Text(kTextNoneExcluded));
  strExcludedSubfolderList.clear();
  strBrokenLinks.Clear();
  cboSettings->clear();
  cboSettings->addItems({"Save for next run", "Save to file", "Save in both ways", "Load from file"});
  cboSettings->setCurrentIndex(0);
  cboClear->clear();
  cboClear->addItems({"Top folder", "Excluded top subfolders", "Filepath exclusions",
                      "Link exclusions", "All of the above"});
  cboClear->setCurrentIndex(-1);
  lblTotalNumFilesOrBrokenLinks->clear();
  blnListingFiles = false;
}

void MainWindow::ResetTexts() {
  lblFileBeingScanned->clear();
  SetBackColour(lblFileBeingScanned, WindowBackColour());
  txbExcludedFilepaths->clear();
  txbExcludedSubfolders->clear();
  txbExcludedLinks->clear();
  lblTotalNumFilesOrBrokenLinks->clear();
  lblScanningFile->hide();
}

void MainWindow::SetControlsEnabled(bool enabled) {
  for (QWidget* w : findChildren<QWidget*>()) {
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QPushButton*>(w) ||
        qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
        qobject_cast<QPlainTextEdit*>(w))
      w->setEnabled(enabled);
  }
  lblScanningFile->setVisible(!enabled && !blnListingFiles);
  cmdQuit->setEnabled(true);
  UpdateResultsButton(enabled);
}

void MainWindow::SetDefaultFocus() {
  if (!isVisible() || !blnStartupCompleted) return;
  if (txbTopFolder->text().isEmpty() && cmdTopFolder->isEnabled()) {
    cmdTopFolder->setFocus();
  } else if (cmdListFiles->isEnabled()) {
    cmdListFiles->setFocus();
  }
}

void MainWindow::cmdStop_Click() {
  const auto answer = ShowMessage(this, "Really stop?", QMessageBox::NoIcon, "Stop",
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::No) blnStop = true;
}

void MainWindow::lblOrrinford_Click() { OpenWebPage(Text(kTextVendorAddress)); }

void MainWindow::lblUserManualURL_Click() { OpenWebPage(UserManualAddress()); }

void MainWindow::OpenWebPage(const QString& address) {
  if (launchUrl(address)) return;
  // The desktop gives no reason; a missing handler is by far the likeliest.
  const int code = 31;
  QString text = "Error launching web browser, error code = " + QString::number(code) + ".";
  text += "\r\n\r\nFile extension '" + Q(GetFileExtension(U(address), true)) +
          "' is not associated with any application program.";
  ShowMessage(this, text, QMessageBox::Warning, "Cannot launch web browser");
}

void MainWindow::cmdQuit_Click() {
  if (!strOutputFile.isEmpty() && DoesFileExist(U(strOutputFile)))
    RemoveFile(U(strOutputFile));
  quitting_ = true;
  blnQuit = true;
  blnStop = true;  // a run in progress unwinds at once
  frmView->hide();
  frmView2->hide();
  hide();
  QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!quitting_) cmdQuit_Click();
  event->accept();
}

}  // namespace qvn::gui
