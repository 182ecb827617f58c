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
#include "core/settings/catalogue_texts.h"

namespace qvn::app {

/// A run's choices and result, shared by the worker and the window thread
/// (the worker is done with it before the window thread reads it).
struct MainPresenter::RunOutcome {
  RunKind kind = RunKind::kCheck;
  Choices choices;
  CheckResult check;
  ListResult list;
  OrphanResult orphans;
};

void MainPresenter::CheckLinks() {
  if (running()) return;
  view_.HideWindow(Window::kViewer);
  view_.HideWindow(Window::kViewer2);
  last_check_ = CheckResult();
  SetStatus("No broken links found so far.");
  if (!PrepareRun(RunKind::kCheck, "Check links")) {
    SetStatus("");
    SetProgress("");
    last_check_top_ = choices_.top_folder;
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
  MainView& view = view_;
  view_.RunInBackground(
      [this, &view, control = control_, outcome] {
        ThrottledStatus status(*control, [this, &view](const RunProgress& progress) {
          view.PostToWindow([this, progress] { ShowProgress(progress); });
        });
        if (outcome->kind == RunKind::kCheck) outcome->check = RunCheck(outcome->choices, status);
        if (outcome->kind == RunKind::kList) outcome->list = RunList(outcome->choices, status);
        if (outcome->kind == RunKind::kOrphans)
          outcome->orphans = RunOrphans(outcome->choices, status);
        status.Finish();
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
  ApplyControlStates();
  if (outcome->kind == RunKind::kCheck) CheckEnded(*outcome);
  if (outcome->kind == RunKind::kList) ListEnded(*outcome);
  if (outcome->kind == RunKind::kOrphans) OrphansEnded(*outcome);
}

void MainPresenter::CheckEnded(RunOutcome& outcome) {
  const CheckResult& result = outcome.check;
  if (result.stopped) SetStatus("Checking of links was stopped.");
  if (!result.broken_links.empty()) WriteReports(outcome);
  SetProgress("");
  if (!result.stopped)
    SetStatus(CheckOutcomeText(static_cast<long long>(result.broken_links.size()), false));
  last_check_ = std::move(outcome.check);
  last_check_top_ = outcome.choices.top_folder;
  UpdateResultsAfterCheck();
  if (view_.IsShown(Window::kViewer2)) view_.ShowWindow(Window::kViewer2, std::nullopt);
}

void MainPresenter::ListEnded(RunOutcome& outcome) {
  SetStatus(ListStatusText(outcome.list));
  if (!outcome.list.files.empty()) WriteList(outcome);
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

// The data folder, created when missing; "" after telling why it cannot be used.
std::string MainPresenter::PreparedOutputFolder(const std::string& what,
                                                const std::string& title) {
  const OutputFolder folder =
      PrepareOutputFolder(data_folder_, catalogue_.Get(texts::kDataFolderName));
  if (folder.problem == FolderProblem::kNone) return folder.path;
  view_.ShowMessage({"Unable to write " + what + " to " + folder.path + "\r\n\r\n" +
                         folder.error.description,
                     title, Icon::kWarning});
  return {};
}

// Both reports, written together, then each shown in its viewer.
void MainPresenter::WriteReports(const RunOutcome& outcome) {
  const std::string folder = PreparedOutputFolder("the report", "Check links");
  if (folder.empty()) return;
  const auto files = WriteCheckReports(outcome.check, outcome.choices, folder);
  if (const ResultFile* failed = FirstFailure(files)) {
    view_.ShowMessage({"Unable to write the report to " + failed->path + "\r\n\r\n" +
                           failed->error.description,
                       "Check links", Icon::kWarning});
    return;
  }
  output_file_ = files[1].path;
  OpenViewer(Viewing::kReportBySource, files[0].path);
  OpenViewer(Viewing::kReportByTarget, files[1].path);
}

void MainPresenter::WriteList(const RunOutcome& outcome) {
  const std::string folder = PreparedOutputFolder("the list of files", "List files");
  if (folder.empty()) return;
  const auto files = WriteFileList(outcome.list, outcome.choices, folder);
  if (const ResultFile* failed = FirstFailure(files)) {
    view_.ShowMessage({"Unable to write the list of files to " + failed->path + "\r\n\r\n" +
                           failed->error.description,
                       "List files", Icon::kWarning});
    return;
  }
  output_file_ = files[0].path;
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
  if (last_check_.broken_links.empty()) return;
  view_.SetResults(last_check_, last_check_top_);
  std::optional<TwipsRect> place;
  if (!view_.IsShown(Window::kResults)) place = ResultsWindowPlace(view_.Place());
  view_.ShowWindow(Window::kResults, place);
}

// The results button follows the last check, and an open results window
// shows its broken links (or closes when there are none).
void MainPresenter::UpdateResultsAfterCheck() {
  ApplyControlStates();
  if (!view_.IsShown(Window::kResults)) return;
  if (last_check_.broken_links.empty()) {
    view_.HideWindow(Window::kResults);
  } else {
    view_.SetResults(last_check_, last_check_top_);
  }
}

}  // namespace qvn::app
