#pragma once
// frmMain: the program's main window. It owns the run state and coordinates:
// the runs, the reports and the settings are done by the core; the viewers,
// the pop-up notice and the subfolder window are windows of their own.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/results/broken_links.h"
#include "core/site/selection.h"
#include "core/results/run_results.h"
#include "core/settings/catalogue.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qvn::gui {

class ViewWindow;
class PopupWindow;
class ResultsWindow;
class OrphansWindow;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  /// Start-up: loads the catalogue (false, after its message box, when it
  /// cannot be loaded: the program must end), sets the defaults, shows the
  /// window and loads the default settings file.
  bool Form_Load();

  // Run state.
  bool blnStartupCompleted = false;
  bool blnStop = false;
  bool blnQuit = false;
  bool blnMaxNumFilesReached = false;
  bool blnMaxNumLinksReached = false;
  bool blnListingFiles = false;
  bool blnRunStarted = false;
  bool blnTopFolderHasSubfolders = false;
  long long lngMaxNumFiles = 50000;
  long long lngMaxNumLinks = 50000;
  QString strProgramTextFile;
  QString strDefaultSettingsFile;
  QString strLastSettingsFile;
  QString strOutputFile;
  std::vector<std::string> strExcludedSubfolderList;
  int intNumExcludedSubfolders = 0;
  BrokenLinkTable strBrokenLinks;
  std::vector<std::string> strFilesFound;  ///< files of a List files run, relative

  // Controls (object names as the member names).
  QPushButton *cmdTopFolder, *cmdSelectSubfolders, *cmdListFiles, *cmdCheckLinks, *cmdStop;
  QPushButton *cmdClear, *cmdSettings, *cmdHelp, *cmdQuit;
  QLineEdit *txbTopFolder, *txbExcludedFilepaths, *txbExcludedLinks;
  QPlainTextEdit* txbExcludedSubfolders;
  QLabel *lblNumExcludedTopSubfolders, *lblExcludeFilepathsContaining, *Label1;
  QLabel *lblScanningFile, *lblFileBeingScanned, *lblTotalNumFilesOrBrokenLinks;
  QLabel *lblOrrinford, *lblUserManual, *lblUserManualURL;
  QCheckBox *chkTopFolderOnly, *chkShowRepeatedLinks, *chkIncludePHPfiles;
  QComboBox *cboClear, *cboSettings;
  ViewWindow *frmView, *frmView2;
  PopupWindow* frmPopUp;
  /// The broken links of the last check as a table, and its button.
  ResultsWindow* frmResults;
  QPushButton* cmdResults;
  /// The orphan files of the last orphan search, and its button.
  OrphansWindow* frmOrphans;
  QPushButton* cmdOrphans;
  /// The checks beyond the line scan that check runs and orphan searches
  /// use (all off until chosen or loaded), and the button that opens their
  /// window; its caption counts those on.
  MoreChecks moreChecks;
  QPushButton* cmdMoreChecks;

  /// Seams for tests: the folder browser (returns "" when cancelled) and the
  /// web-page launcher (returns false on failure).
  std::function<QString()> browseForFolder;
  std::function<bool(const QString&)> launchUrl;
  /// Where the catalogue is read from ("" = beside the program).
  QString catalogueFile;
  /// How often a run lets pending events run, in milliseconds (tests use 0).
  int eventIntervalMs = 8;
  /// Seam for tests: the settings file dialog (save or open); "" when cancelled.
  std::function<QString(bool save)> chooseSettingsFile;
  /// Seam for tests: when set, told the selection each run (check, list,
  /// orphan search) is about to start with.
  std::function<void(const Selection&)> runStarting;

  const Catalogue& catalogue() const { return catalogue_; }
  QString Text(int number) const;

  // Window operations.
  void SetControlsEnabled(bool enabled);
  void SetDefaultFocus();
  void ResetTexts();
  void InitialiseSettings();

  // Runs and viewers.
  void cmdCheckLinks_Click();
  void cmdListFiles_Click();
  bool ValidateAndWalk();
  void ShowOutputFile();
  void ShowOutputFileInView2();
  void cmdHelp_Click();
  /// Shows the results window with the last check's broken links.
  void cmdResults_Click();
  /// After a check: the results button follows its outcome, and an open
  /// results window shows the new broken links (or closes when there are none).
  void UpdateResultsAfterCheck();
  /// Searches the current top folder and selection for orphan files, as a
  /// check runs, and shows them in frmOrphans.
  void cmdOrphans_Click();
  /// Shows the more checks window; OK there replaces moreChecks.
  void cmdMoreChecks_Click();
  /// The more checks button's caption follows moreChecks.
  void UpdateMoreChecksButton();

  // Top folder and exclusions.
  void cmdTopFolder_Click();
  void txbExcludedFilepaths_LostFocus();
  void txbExcludedLinks_LostFocus();
  void ClearExcludedSubfolders();
  void ClearFilepathExclusions();
  void ClearLinkExclusions();
  void UpdateExcludedSubfoldersState();
  void cmdSelectSubfolders_Click();

  // Settings files.
  void SaveSettings(const QString& path, bool notice);
  void LoadSettings(const QString& path);

  // Small commands.
  void cmdStop_Click();
  void cboClear_Click();
  void cmdClear_Click();
  void cboSettings_Click();
  void cmdSettings_Click();
  void lblOrrinford_Click();
  void lblUserManualURL_Click();
  void OpenWebPage(const QString& address);
  void cmdQuit_Click();

  /// The online user manual.
  static QString UserManualAddress();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateButtons();
  void CreateTextBoxes();
  void CreateLabels();
  void CreateOptions();
  void ConnectHandlers();
  void ApplyBackColours();
  void PlaceOnScreen();
  Selection CurrentSelection() const;
  void WriteReports();
  void ShowList();
  bool ApplySettings(const QString& path);
  QString ChooseSettingsFileInDialog(bool save);
  bool WriteOutput(const QString& path, const std::string& text, const QString& what,
                   const QString& title);
  void EndRun();
  void CreateResultsControls();
  void CreateOrphansControls();
  void CreateMoreChecksControls();
  /// False, after telling the user, when the site root check is on and its
  /// folder is not there.
  bool SiteRootIsUsable(const QString& title);
  /// moreChecks as a run takes them: the site root folder ends in the
  /// separator, and is "" when it is top.
  MoreChecks MoreChecksForRun(const std::string& top) const;
  bool PrepareOrphanSearch();
  void UpdateResultsButton(bool controls_enabled);
  CheckResult CurrentResults() const;

  Catalogue catalogue_;
  bool quitting_ = false;
  std::string results_top_folder_;  ///< the last check's top folder
  bool results_stopped_ = false;    ///< the last check was stopped
};

}  // namespace qvn::gui
