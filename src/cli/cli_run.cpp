#include "cli/cli_run.h"

#include <cerrno>
#include <chrono>
#include <iostream>
#include <memory>
#include <system_error>
#include <thread>

#include "cli/cli_check_output.h"
#include "cli/cli_choices.h"
#include "cli/cli_console.h"
#include "cli/cli_explain.h"
#include "cli/cli_fix.h"
#include "cli/cli_options.h"
#include "cli/cli_orphans.h"
#include "cli/cli_skipped.h"
#include "cli/cli_status.h"
#include "cli/terminal_text.h"
#include "core/app/repairs.h"
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
    case app::ProblemKind::kTopFolderUnreadable:
      return "cannot read the top folder " + problem.detail + ": " + problem.reason;
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
      return folder.path;
    case app::FolderProblem::kUnknownDataFolder:
      Fail(err, "the per-user data folder is unknown (HOME is not set); use --output-dir");
      break;
    case app::FolderProblem::kCannotCreate:
      Fail(err, "cannot create the output folder " + folder.path + ": " + folder.error.description);
      break;
    case app::FolderProblem::kCannotWrite:
      Fail(err, "cannot write to the output folder " + folder.path + ": " +
                    folder.error.description);
      break;
  }
  return {};
}

// Takes the output folder's lock, waiting for another run unless no_wait;
// false after printing why the run cannot go on.
bool LockOutputFolder(app::OutputFolderLock& lock, const std::string& folder, bool no_wait,
                      CliStatus& status, std::ostream& err) {
  const auto start = std::chrono::steady_clock::now();
  bool told = false;
  while (true) {
    SystemError error;
    bool busy = false;
    if (lock.TryLock(folder, &error, &busy)) return true;
    if (!busy || no_wait) {
      Fail(err, busy ? "another run is writing into the output folder " + folder
                     : "cannot lock the output folder " + folder + ": " + error.description);
      return false;
    }
    if (status.ShouldStop()) return false;
    if (!told && std::chrono::steady_clock::now() - start >= std::chrono::seconds(1)) {
      err << "qvn: waiting for another run to finish writing into " << folder << '\n';
      told = true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

// Prints the paths of the files written; false after printing why one was not.
bool ReportFiles(const std::vector<app::ResultFile>& files, const char* what,
                 const CliStreams& io) {
  if (const app::ResultFile* failed = app::FirstFailure(files)) {
    Fail(io.err, std::string("unable to write ") + what + " to " + failed->path + ": " +
                     failed->error.description);
    return false;
  }
  for (const auto& file : files) io.out << file.path << '\n';
  return true;
}

int RunCheckCommand(const CliRequest& request, const app::Choices& choices,
                    const std::string& output, const CliStreams& io) {
  CheckOutputOptions options = request.check_output;
  // "-" is standard output, as no file needs to be named for it.
  if (options.out_file == "-" && !WritesTextReports(options)) options.out_file.clear();
  if (options.propose_repairs && (options.format == "text" || options.format == "csv"))
    return Fail(io.err, "--propose-repairs needs --format json, sarif or markdown");
  CheckOutput delivery(options, io.out, io.err);
  if (!delivery.Prepare()) return kExitBadInput;
  CliStatus status(io.show_progress, io.progress);
  app::OutputFolderLock lock;
  if (!output.empty() && !LockOutputFolder(lock, output, request.no_wait, status, io.err))
    return status.ShouldStop() ? StoppedExitStatus() : kExitBadInput;
  CheckResult result = app::RunCheck(choices, status);
  if (options.propose_repairs && !result.stopped)
    app::AttachRepairs(app::ProposeRepairs(choices, {}, result, status), result);
  status.Finish();
  PrintSkipped(result.skipped, request.verbose, io.err);
  // The check itself is whole; only the next run will have to ask again.
  if (!result.external.problem.empty())
    io.err << "qvn: cannot keep the answers of other sites: " << result.external.problem << '\n';
  if (WritesTextReports(options) &&
      !ReportFiles(app::WriteCheckReports(result, choices, output), "the report", io))
    return kExitBadInput;
  if (!delivery.Deliver(result)) return kExitBadInput;
  delivery.People() << CheckOutcomeText(static_cast<long long>(result.broken_links.size()),
                                        result.stopped, result.external.checked)
                    << '\n';
  return result.stopped ? StoppedExitStatus() : delivery.ExitStatus(result);
}

int RunListCommand(const CliRequest& request, const app::Choices& choices,
                   const std::string& output, const CliStreams& io) {
  CliStatus status(io.show_progress, io.progress);
  app::OutputFolderLock lock;
  if (!LockOutputFolder(lock, output, request.no_wait, status, io.err))
    return status.ShouldStop() ? StoppedExitStatus() : kExitBadInput;
  const ListResult result = app::RunList(choices, status);
  status.Finish();
  PrintSkipped(result.skipped, request.verbose, io.err);
  if (!ReportFiles(app::WriteFileList(result, choices, output), "the list of files", io))
    return kExitBadInput;
  io.out << ListStatusText(result) << '\n';
  return result.stopped ? StoppedExitStatus() : kExitClean;
}

// fix: the repairs' backups go into the data folder.
int RunFix(const CliRequest& request, const app::Choices& choices, const Catalogue& catalogue,
           const CliStreams& io) {
  const std::string data_folder = DataFolderPath(catalogue.Get(texts::kDataFolderName));
  const bool writes = request.fix.apply || request.fix.undo;
  if (writes && data_folder.empty())
    return Fail(io.err, "the per-user data folder is unknown (HOME is not set)");
  if (request.fix.undo) return RunUndoCommand(*request.fix.undo, data_folder, io);
  return RunFixCommand(request.fix, choices, data_folder, request.verbose, io);
}

app::RunKind KindOf(Command command) {
  switch (command) {
    case Command::kCheck:
    case Command::kFix:
      return app::RunKind::kCheck;
    case Command::kList:
      return app::RunKind::kList;
    default:
      return app::RunKind::kOrphans;
  }
}

int Execute(const CliRequest& request, const CliStreams& io) {
  CliStatus::InstallInterruptHandler();
  if (request.output_dir && request.output_dir->empty())
    return Fail(io.err, "--output-dir names no folder (leave it out for the data folder)");
  app::Choices choices;
  if (!ChoicesFromRequest(request, choices, io.err)) return kExitBadInput;
  Catalogue catalogue;
  const std::string catalogue_path = ProgramFilePath("qvn.dat");
  const int loaded = catalogue.Load(catalogue_path);
  if (loaded <= 0) return Fail(io.err, CatalogueFailureText(loaded, catalogue_path));
  if (request.command == Command::kFix && request.fix.undo)
    return RunFix(request, choices, catalogue, io);
  if (choices.more.external)
    choices.more.external_cache_folder = DataFolderPath(catalogue.Get(texts::kDataFolderName));
  if (request.command == Command::kExplain)
    return RunExplainCommand(request.explain, choices, request.settings_file, io.out, io.err);

  const app::RunKind kind = KindOf(request.command);
  // A settings file may leave the site root empty (the top folder); --site-root may not.
  const auto empty_site_root = request.more_flags.site_root ? app::EmptySiteRoot::kIsProblem
                                                            : app::EmptySiteRoot::kIsTopFolder;
  if (const auto problem = app::ValidateChoices(choices, kind, empty_site_root))
    return Fail(io.err, ProblemText(*problem, catalogue));
  if (kind == app::RunKind::kOrphans) return RunOrphansCommand(choices, request.verbose, io);
  if (request.command == Command::kFix) return RunFix(request, choices, catalogue, io);
  // Only the text reports and the file list go to the output folder.
  const bool uses_folder = kind == app::RunKind::kList || WritesTextReports(request.check_output);
  const std::string output = uses_folder ? OutputFolder(choices, catalogue, io.err) : "";
  if (uses_folder && output.empty()) return kExitBadInput;
  return kind == app::RunKind::kCheck ? RunCheckCommand(request, choices, output, io)
                                      : RunListCommand(request, choices, output, io);
}

// The exit status after checking that everything printed reached out: a
// document cut short by a full disk must not pass for a whole one.
int CheckedExit(int status, std::ostream& out, std::ostream& err) {
  errno = 0;
  out.flush();
  if (out.good()) return status;
  const int cause = errno;
  err << "qvn: cannot write to standard output"
      << (cause != 0 ? ": " + std::generic_category().message(cause) : std::string()) << '\n';
  return kExitBadInput;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // Names and links come from the site: a terminal is shown their control
  // characters escaped. Files and pipes get the bytes.
  EscapingBuffer safe_err_buffer(*err.rdbuf());
  std::ostream safe_err(&safe_err_buffer);
  std::unique_ptr<EscapingBuffer> safe_out_buffer;
  std::unique_ptr<std::ostream> safe_out;
  if (&out == &std::cout && StandardOutputIsTerminal()) {
    safe_out_buffer = std::make_unique<EscapingBuffer>(*out.rdbuf());
    safe_out = std::make_unique<std::ostream>(safe_out_buffer.get());
  }
  std::ostream& result_out = safe_out ? *safe_out : out;
  const CliStreams io{result_out, safe_err, err, &err == &std::cerr && ConsoleShowsProgress()};
  CliRequest request;
  int status = ParseCommandLine(args, request, result_out, safe_err);
  if (status < 0) status = Execute(request, io);
  status = CheckedExit(status, result_out, safe_err);
  safe_err.flush();
  return status;
}

}  // namespace qvn::cli
