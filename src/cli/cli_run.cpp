#include "cli/cli_run.h"

#include <iostream>

#include "cli/cli_check_output.h"
#include "cli/cli_choices.h"
#include "cli/cli_explain.h"
#include "cli/cli_options.h"
#include "cli/cli_orphans.h"
#include "cli/cli_status.h"
#include "core/app/result_files.h"
#include "core/app/runs.h"
#include "core/app/validation.h"
#include "core/check/run.h"
#include "core/platform/data_folder.h"
#include "core/results/file_list.h"
#include "core/settings/catalogue.h"
#include "core/settings/catalogue_texts.h"

namespace qvn::cli {
namespace {

int Fail(std::ostream& err, const std::string& message) {
  err << "qvn: " << message << '\n';
  return kExitBadInput;
}

// The problem as the command words it.
std::string ProblemText(const app::Problem& problem, const Catalogue& catalogue) {
  switch (problem.kind) {
    case app::ProblemKind::kNoTopFolder:
      return catalogue.Get(problem.text);
    case app::ProblemKind::kTopFolderMissing:
      return catalogue.Get(problem.text) + " (" + problem.detail + ")";
    case app::ProblemKind::kSiteRootMissing:
      break;
  }
  return "the site root is not an existing folder: " + problem.detail;
}

// The folder for result files; "" after printing why it cannot be used.
std::string OutputFolder(const app::Choices& choices, const Catalogue& catalogue,
                         std::ostream& err) {
  const app::OutputFolder folder =
      app::PrepareOutputFolder(choices.output_folder, catalogue.Get(texts::kDataFolderName));
  switch (folder.problem) {
    case app::FolderProblem::kNone:
      break;
    case app::FolderProblem::kUnknownDataFolder:
      Fail(err, "the per-user data folder is unknown (HOME is not set); use --output-dir");
      break;
    case app::FolderProblem::kCannotCreate:
      Fail(err, "cannot create the output folder " + folder.path + ": " +
                    folder.error.description);
      break;
    case app::FolderProblem::kCannotWrite:
      Fail(err, "cannot write to the output folder " + folder.path + ": " +
                    folder.error.description);
      break;
  }
  return folder.problem == app::FolderProblem::kNone ? folder.path : std::string();
}

// Prints the paths of the files written; false after printing why one was not.
bool ReportFiles(const std::vector<app::ResultFile>& files, const char* what, std::ostream& out,
                 std::ostream& err) {
  if (const app::ResultFile* failed = app::FirstFailure(files)) {
    Fail(err, std::string("unable to write ") + what + " to " + failed->path + ": " +
                  failed->error.description);
    return false;
  }
  for (const auto& file : files) out << file.path << '\n';
  return true;
}

int RunCheckCommand(const CliRequest& request, const app::Choices& choices,
                    const std::string& output, std::ostream& out, std::ostream& err) {
  CheckOutput delivery(request.check_output, out, err);
  if (!delivery.Prepare()) return kExitBadInput;
  CliStatus status(ShowsProgress(err), err);
  const CheckResult result = app::RunCheck(choices, status);
  status.Finish();
  if (WritesTextReports(request.check_output) &&
      !ReportFiles(app::WriteCheckReports(result, choices, output), "the report", out, err))
    return kExitBadInput;
  if (!delivery.Deliver(result, choices.top_folder)) return kExitBadInput;
  delivery.People() << CheckOutcomeText(static_cast<long long>(result.broken_links.size()),
                                        result.stopped)
                    << '\n';
  return result.stopped ? kExitStopped : delivery.ExitStatus(result);
}

int RunListCommand(const app::Choices& choices, const std::string& output, std::ostream& out,
                   std::ostream& err) {
  CliStatus status(ShowsProgress(err), err);
  const ListResult result = app::RunList(choices, status);
  status.Finish();
  if (!ReportFiles(app::WriteFileList(result, choices, output), "the list of files", out, err))
    return kExitBadInput;
  out << ListStatusText(result) << '\n';
  return result.stopped ? kExitStopped : kExitClean;
}

int Execute(const CliRequest& request, std::ostream& out, std::ostream& err) {
  CliStatus::InstallInterruptHandler();
  app::Choices choices;
  if (!ChoicesFromRequest(request, choices, err)) return kExitBadInput;
  Catalogue catalogue;
  const std::string catalogue_path = ProgramFilePath("qvn.dat");
  const int loaded = catalogue.Load(catalogue_path);
  if (loaded <= 0) return Fail(err, CatalogueFailureText(loaded, catalogue_path));
  if (request.command == Command::kExplain)
    return RunExplainCommand(request.explain, choices, request.settings_file, out, err);

  const app::RunKind kind = request.command == Command::kCheck  ? app::RunKind::kCheck
                            : request.command == Command::kList ? app::RunKind::kList
                                                                : app::RunKind::kOrphans;
  // A settings file may leave the site root empty (the top folder); --site-root may not.
  const auto empty_site_root = request.more_flags.site_root ? app::EmptySiteRoot::kIsProblem
                                                            : app::EmptySiteRoot::kIsTopFolder;
  if (const auto problem = app::ValidateChoices(choices, kind, empty_site_root))
    return Fail(err, ProblemText(*problem, catalogue));
  if (kind == app::RunKind::kOrphans) return RunOrphansCommand(choices, out, err);
  // Only the text reports and the file list go to the output folder.
  const bool uses_folder = kind == app::RunKind::kList || WritesTextReports(request.check_output);
  const std::string output = uses_folder ? OutputFolder(choices, catalogue, err) : std::string();
  if (uses_folder && output.empty()) return kExitBadInput;
  return kind == app::RunKind::kCheck ? RunCheckCommand(request, choices, output, out, err)
                                      : RunListCommand(choices, output, out, err);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliRequest request;
  const int parsed = ParseCommandLine(args, request, out, err);
  if (parsed >= 0) return parsed;
  return Execute(request, out, err);
}

}  // namespace qvn::cli
