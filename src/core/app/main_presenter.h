#pragma once
// The main window's state and rules, without a toolkit: the user's choices
// and what the window shows of them, which controls can be used, the runs
// (on a worker thread, with progress, Stop and "Really stop?"), what a run
// shows when it ends, the Clear and Settings actions and their questions,
// start-up and quitting. A front end binds its widgets to a MainView and
// passes the user's actions here; every call comes on the window thread.

#include <ctime>
#include <memory>
#include <string>

#include "core/app/choices.h"
#include "core/app/control_states.h"
#include "core/app/main_view.h"
#include "core/app/run_control.h"
#include "core/app/validation.h"
#include "core/settings/catalogue.h"

namespace qvn::app {

/// The online user manual.
inline constexpr const char* kUserManualAddress = "https://quorvane.example/manual/";

class MainPresenter {
 public:
  /// view must outlive the presenter and wait for the work it runs before
  /// either goes (see WindowThread). data_folder holds the reports, the file
  /// list and the settings saved for the next run; "" for the per-user
  /// data folder (catalogue text 310).
  explicit MainPresenter(MainView& view, std::string data_folder = "");
  ~MainPresenter();
  MainPresenter(const MainPresenter&) = delete;
  MainPresenter& operator=(const MainPresenter&) = delete;

  /// Start-up: loads the catalogue (catalogue_path, or "qvn.dat" beside the
  /// program when ""); false, after a message, when it cannot be loaded and
  /// the program must end. Then sets the defaults, places and shows the
  /// window and loads the settings saved for the next run.
  bool Start(const std::string& catalogue_path = "");

  // The user's actions, by the control acted on.
  void ChooseTopFolder();
  void SelectSubfolders();
  void ListFiles();
  void CheckLinks();
  void SearchOrphans();
  void ShowResults();
  void Stop();
  /// The Clear button: clears what the Clear list names.
  void ClearSelected();
  /// An item of the Clear list was picked (not merely moved to): asks,
  /// naming what goes, then clears it.
  void ClearChosen();
  /// The Settings button: saves or loads as the Settings list names.
  void SaveOrLoadSettings();
  /// An item of the Settings list was picked (not merely moved to): acts
  /// on it, after asking when it would overwrite the settings saved for
  /// the next run.
  void SettingsChosen();
  void ChooseMoreChecks();
  void ShowHelp();
  void OpenVendorPage();
  void OpenManualPage();
  void Quit();
  /// The Clear or Settings list now selects index (-1 none).
  void ListIndexChanged(Control list, int index);
  /// One of the three option boxes was clicked.
  void OptionClicked(Control box, bool ticked);
  /// The user typed in an exclusion box, leaving text.
  void BoxEdited(Control box, const std::string& text);
  /// The focus left an exclusion box: its list is tidied.
  void BoxLeft(Control box);
  /// Sets the top folder as if chosen, without questions (tests, benchmarks).
  void SetTopFolder(const std::string& folder);
  /// Stops a run under way, keeping nothing of it, as its window goes.
  void StopRun();

  const Choices& choices() const { return choices_; }
  const Catalogue& catalogue() const { return catalogue_; }
  /// Where repairs keep the pages they replace: "repairs" in the data folder.
  std::string RepairsFolderPath() const;
  Activity activity() const { return activity_; }
  bool running() const { return activity_ != Activity::kIdle; }
  /// The result file written last; deleted at quitting and before a listing.
  const std::string& output_file() const { return output_file_; }
  const std::string& default_settings_file() const { return default_settings_file_; }
  const std::string& last_settings_file() const { return last_settings_file_; }
  /// The last check's result (empty after a check that could not start).
  const CheckResult& last_check() const { return *last_check_; }

 private:
  struct RunOutcome;

  // main_presenter.cpp: start-up, states, focus, small actions.
  void InitialiseSettings();
  WindowFacts Facts() const;
  void ApplyControlStates();
  void SetDefaultFocus();
  void SetStatus(const std::string& text);
  void SetProgress(const std::string& text);
  void OpenWebPage(const std::string& address);
  void RemoveOutputFile();
  /// After anything that may change the top folder (before: the folder
  /// until then): the status line and the last check's results go.
  void TopFolderChanged(const std::string& before);

  // main_presenter_runs.cpp: validation, runs, what they show at the end.
  bool PrepareRun(RunKind kind, const std::string& title);
  std::string ProblemText(const Problem& problem) const;
  void StartRun(RunKind kind);
  // On the worker: the run, then its result files.
  static void Run(RunOutcome& outcome, Status& status);
  static void WriteResultFiles(RunOutcome& outcome);
  void ShowProgress(const RunProgress& progress);
  void RunEnded(const std::shared_ptr<RunOutcome>& outcome);
  void CheckEnded(RunOutcome& outcome);
  void ListEnded(RunOutcome& outcome);
  void OrphansEnded(RunOutcome& outcome);
  bool ResultFilesWritten(const RunOutcome& outcome, const std::string& what,
                          const std::string& title);
  void ShowReports(const RunOutcome& outcome);
  void ShowList(const RunOutcome& outcome);
  void OpenViewer(Viewing viewing, const std::string& path);
  void UpdateResultsAfterCheck();
  std::string ResultsCaption() const;

  // main_presenter_choices.cpp: the choices and the boxes that show them.
  void ShowChoices();
  void ShowTopFolder();
  void ShowExcludedSubfolders();
  void UpdateExcludedSubfoldersState();
  void ClearExcludedSubfolders();
  void ClearFilepathExclusions();
  void ClearLinkExclusions();
  void TrimExclusionBoxes();

  // main_presenter_settings.cpp: settings files.
  void SaveSettings(std::string path, bool notice);
  void SaveInBothWays();
  void LoadSettings(std::string path);
  void TellDroppedTopFolder(const std::string& folder);
  std::string ChooseSettingsFile(bool save);

  MainView& view_;
  const std::string data_folder_;
  Catalogue catalogue_;
  Choices choices_;
  bool startup_completed_ = false;
  bool shown_ = false;
  bool quitting_ = false;
  bool top_has_subfolders_ = false;
  int clear_index_ = -1;
  int settings_index_ = 0;
  std::string default_settings_file_;
  std::string last_settings_file_;
  std::string output_file_;
  std::shared_ptr<const CheckResult> last_check_ = std::make_shared<const CheckResult>();
  std::time_t last_check_time_ = 0;  ///< when the last check ended

  Activity activity_ = Activity::kIdle;
  std::shared_ptr<RunControl> control_;  ///< the run under way
  bool asking_stop_ = false;             ///< "Really stop?" is open
  std::shared_ptr<RunOutcome> ended_while_asking_;
};

}  // namespace qvn::app
