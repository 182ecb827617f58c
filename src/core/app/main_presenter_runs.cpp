// The main window's runs: "Check links", "List files" and "Orphan files"
// validated, run on a worker thread, and what each shows when it ends.

#include "core/app/main_presenter.h"
#include "core/app/more_checks_rules.h"
#include "core/app/result_files.h"
#include "core/app/runs.h"
#include "core/app/viewer_text.h"
#include "core/check/run.h"
#include "core/platform/path.h"
#include "core/results/file_list.h"
#include "core/results/orphan_report.h"
#include "core/platform/data_folder.h"
#include "core/settings/catalogue_texts.h"

namespace qvn::app {

/// A run's choices, result and result files, shared by the worker and the
/// window thread (the worker is done with it before the window thread
/// reads it).
struct MainPresenter::RunOutcome {
  RunKind kind = RunKind::kCheck;
  Choices choices;
  std::string data_folder;       ///< "" for the per-user data folder
  std::string data_folder_name;  ///< catalogue text 310
  CheckResult check;
  ListResult list;
  OrphanResult orphans;
  OutputFolder folder;            ///< where the result files went
  std::vector<ResultFile> files;  ///< written, or the one that failed
};

void MainPresenter::Run(RunOutcome& outcome, Status& status) {
  if (outcome.kind == RunKind::kCheck) outcome.check = RunCheck(outcome.choices, status);
  if (outcome.kind == RunKind::kList) outcome.list = RunList(outcome.choices, status);
  if (outcome.kind == RunKind::kOrphans) outcome.orphans = RunOrphans(outcome.choices, status);
}

// The reports of a check that found broken links, or the file list of a
// listing that selected files, written on the worker too: formatting and
// writing a large report would hold up the window.
void MainPresenter::WriteResultFiles(RunOutcome& outcome) {
  const bool any = outcome.kind == RunKind::kCheck  ? !outcome.check.broken_links.empty()
                   : outcome.kind == RunKind::kList ? !outcome.list.files.empty()
                                                     : false;
  if (!any) return;
  outcome.folder = PrepareOutputFolder(outcome.data_folder, outcome.data_folder_name);
  if (outcome.folder.problem != FolderProblem::kNone) return;
  outcome.files = outcome.kind == RunKind::kCheck
                      ? WriteCheckReports(outcome.check, outcome.choices, outcome.folder.path)
                      : WriteFileList(outcome.list, outcome.choices, outcome.folder.path);
}

void MainPresenter::CheckLinks() {
  if (running()) return;
  view_.HideWindow(Window::kViewer);
  view_.HideWindow(Window::kViewer2);
  last_check_ = std::make_shared<const CheckResult>();
  SetStatus("No broken links found so far.");
  if (!PrepareRun(RunKind::kCheck, "Check links")) {
    SetStatus("");
    SetProgress("");
    UpdateResultsAfterCheck();
    return;
  }
  StartRun(RunKind::kCheck);
}

void MainPresenter::ListFiles() {
  if (running()) return;
  RemoveOutputFile();
  SetStatus("");
  view_.HideWindow(Window::kViewer);
  // A listing reads no site root, but its problems carry the check's title.
  if (PrepareRun(RunKind::kList, "Check links")) {
    StartRun(RunKind::kList);
  } else {
    SetDefaultFocus();
  }
}

void MainPresenter::SearchOrphans() {
  if (running()) return;
  view_.HideWindow(Window::kOrphans);
  SetStatus("");
  if (PrepareRun(RunKind::kOrphans, "Orphan files")) StartRun(RunKind::kOrphans);
}

// Validates the choices for a run (the top folder box shows the folder as
// validated) and trims the exclusion boxes; false after telling the problem.
bool MainPresenter::PrepareRun(RunKind kind, const std::string& title) {
  const std::optional<Problem> problem = ValidateChoices(choices_, kind);
  ShowTopFolder();
  if (problem) {
    view_.ShowMessage({ProblemText(*problem), title, Icon::kWarning});
    return false;
  }
  TrimExclusionBoxes();
  return true;
}

std::string MainPresenter::ProblemText(const Problem& problem) const {
  // The site root was valid when chosen, but may be gone since, or come
  // from a settings file written on another machine.
  if (problem.kind == ProblemKind::kSiteRootMissing) return SiteRootProblemText(problem.detail);
  // No catalogue text says this; a run that read nothing must not look like success.
  if (problem.kind == ProblemKind::kTopFolderUnreadable)
    return "Cannot read the top folder " + problem.detail + ":\n\n" + problem.reason;
  return catalogue_.Get(problem.text);
}

void MainPresenter::StartRun(RunKind kind) {
  activity_ = kind == RunKind::kCheck  ? Activity::kChecking
              : kind == RunKind::kList ? Activity::kListing
                                       : Activity::kSearchingOrphans;
  ApplyControlStates();
  control_ = std::make_shared<RunControl>();
  auto outcome = std::make_shared<RunOutcome>();
  outcome->kind = kind;
  outcome->choices = choices_;
  outcome->data_folder = data_folder_;
  outcome->data_folder_name = catalogue_.Get(texts::kDataFolderName);
  // Answers of other sites are kept beside the reports.
  if (kind == RunKind::kCheck && outcome->choices.more.external)
    outcome->choices.more.external_cache_folder =
        data_folder_.empty() ? DataFolderPath(outcome->data_folder_name) : data_folder_;
  MainView& view = view_;
  view_.RunInBackground(
      [this, &view, control = control_, outcome] {
        ThrottledStatus status(*control, [this, &view](const RunProgress& progress) {
          view.PostToWindow([this, progress] { ShowProgress(progress); });
        });
        Run(*outcome, status);
        status.Finish();
        if (!control->Abandoned()) WriteResultFiles(*outcome);
      },
      [this, outcome] { RunEnded(outcome); });
}

void MainPresenter::ShowProgress(const RunProgress& progress) {
  if (quitting_ || !running()) return;
  if (!progress.page.empty()) SetProgress(progress.page);
  if (!progress.totals.empty()) SetStatus(progress.totals);
}

void MainPresenter::RunEnded(const std::shared_ptr<RunOutcome>& outcome) {
  if (quitting_) return;
  // The run ended while "Really stop?" is open: the answer comes first.
  if (asking_stop_) {
    ended_while_asking_ = outcome;
    return;
  }
  control_.reset();
  activity_ = Activity::kIdle;
  // The disk may have changed during the run: subfolders made or removed.
  UpdateExcludedSubfoldersState();
  if (outcome->kind == RunKind::kCheck) CheckEnded(*outcome);
  if (outcome->kind == RunKind::kList) ListEnded(*outcome);
  if (outcome->kind == RunKind::kOrphans) OrphansEnded(*outcome);
}

void MainPresenter::CheckEnded(RunOutcome& outcome) {
  const CheckResult& result = outcome.check;
  if (result.stopped) SetStatus("Checking of links was stopped.");
  if (!result.broken_links.empty()) ShowReports(outcome);
  SetProgress("");
  if (!result.stopped)
    SetStatus(CheckOutcomeText(static_cast<long long>(result.broken_links.size()), false,
                               result.external.checked));
  last_check_ = std::make_shared<const CheckResult>(std::move(outcome.check));
  last_check_time_ = std::time(nullptr);
  UpdateResultsAfterCheck();
  if (view_.IsShown(Window::kViewer2)) view_.ShowWindow(Window::kViewer2, std::nullopt);
}

void MainPresenter::ListEnded(RunOutcome& outcome) {
  SetStatus(ListStatusText(outcome.list));
  if (!outcome.list.files.empty()) ShowList(outcome);
  SetDefaultFocus();
}

void MainPresenter::OrphansEnded(RunOutcome& outcome) {
  SetProgress("");
  SetStatus(OrphanCountText(outcome.orphans));
  // A stopped search's lists would be wrong.
  if (outcome.orphans.stopped) return;
  view_.SetOrphans(outcome.orphans, outcome.choices.top_folder);
  std::optional<TwipsRect> place;
  if (!view_.IsShown(Window::kOrphans)) place = OrphansWindowPlace(view_.Place());
  view_.ShowWindow(Window::kOrphans, place);
}

// False, after telling why, when the result files could not be written.
bool MainPresenter::ResultFilesWritten(const RunOutcome& outcome, const std::string& what,
                                       const std::string& title) {
  std::string path = outcome.folder.path;
  const SystemError* error = &outcome.folder.error;
  if (const ResultFile* failed = FirstFailure(outcome.files)) {
    path = failed->path;
    error = &failed->error;
  } else if (outcome.folder.problem == FolderProblem::kNone) {
    return true;
  }
  view_.ShowMessage(
      {"Unable to write " + what + " to " + path + "\r\n\r\n" + error->description, title,
       Icon::kWarning});
  return false;
}

// Both reports, written together, each shown in its viewer.
void MainPresenter::ShowReports(const RunOutcome& outcome) {
  if (!ResultFilesWritten(outcome, "the report", "Check links")) return;
  output_file_ = outcome.files[1].path;
  OpenViewer(Viewing::kReportBySource, outcome.files[0].path);
  OpenViewer(Viewing::kReportByTarget, outcome.files[1].path);
}

void MainPresenter::ShowList(const RunOutcome& outcome) {
  if (!ResultFilesWritten(outcome, "the list of files", "List files")) return;
  output_file_ = outcome.files[0].path;
  if (outcome.list.stopped &&
      view_.Ask({"The listing was stopped.  Do you wish to display the incomplete list?",
                 "List files"}) != Answer::kYes)
    return;
  OpenViewer(Viewing::kFileList, output_file_);
}

void MainPresenter::OpenViewer(Viewing viewing, const std::string& path) {
  const Window viewer = viewing == Viewing::kReportByTarget ? Window::kViewer2 : Window::kViewer;
  if (viewer == Window::kViewer) {
    view_.HideWindow(Window::kViewer);
    view_.HideWindow(Window::kViewer2);
  }
  MainPlace place = view_.Place();
  const TwipsRect frame = MainFrameForViewing(viewing, place);
  if (!(frame == place.frame)) {
    view_.MoveMainWindow(frame);
    place.frame = frame;
  }
  const ViewerText read = ReadForViewer(path, catalogue_);
  if (read.problem) {
    view_.ShowMessage(*read.problem);
    return;
  }
  view_.ShowFile(viewer, {path, ViewerCaption(viewing), read.text, ViewerPlace(viewing, place),
                          viewing != Viewing::kHelp});
}

void MainPresenter::ShowResults() {
  if (last_check_->broken_links.empty()) return;
  view_.SetResults(last_check_);
  view_.SetResultsCaption(ResultsCaption());
  std::optional<TwipsRect> place;
  if (!view_.IsShown(Window::kResults)) place = ResultsWindowPlace(view_.Place());
  view_.ShowWindow(Window::kResults, place);
}

// The results button follows the last check, and an open results window
// shows its broken links (or closes when there are none).
void MainPresenter::UpdateResultsAfterCheck() {
  ApplyControlStates();
  if (!view_.IsShown(Window::kResults)) return;
  if (last_check_->broken_links.empty()) {
    view_.HideWindow(Window::kResults);
  } else {
    view_.SetResults(last_check_);
    view_.SetResultsCaption(ResultsCaption());
  }
}

// The folder and the time of the check, so that results kept open are
// never taken for another site's or for the disk as it is now.
std::string MainPresenter::ResultsCaption() const {
  std::string caption = "Broken links table";
  if (last_check_->top_folder.empty()) return caption;
  char when[32] = "";
  if (const std::tm* local = std::localtime(&last_check_time_))
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", local);
  return caption + ": " + last_check_->top_folder + " (checked " + when + ")";
}

}  // namespace qvn::app
