#include "cli/cli_run.h"

#include <iostream>
#include <string>

#include "cli/cli_check_output.h"
#include "cli/cli_orphans.h"
#include "cli/cli_status.h"
#include "core/platform/data_folder.h"
#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/text/text.h"
#include "core/platform/text_file.h"
#include "core/results/file_list.h"
#include "core/check/run.h"
#include "core/results/report_by_source.h"
#include "core/results/report_by_target.h"
#include "core/results/report_text.h"
#include "core/settings/settings_file.h"
#include "core/settings/catalogue.h"

namespace qvn::cli {
namespace {

constexpr int kTextDataFolderName = 310;

int Fail(const std::string& message) {
  std::cerr << "qvn: " << message << '\n';
  return kExitBadInput;
}

std::string JoinFile(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == kSeparator) return folder + name;
  return folder + kSeparator + name;
}

// The folder for result files, created and proven writable before the run
// so that no result is lost at its end. "" after printing the problem.
std::string PrepareOutputFolder(const CliRequest& request, const Catalogue& catalogue) {
  std::string folder = request.output_dir;
  if (folder.empty()) folder = DataFolderPath(catalogue.Get(kTextDataFolderName));
  if (folder.empty()) {
    Fail("the per-user data folder is unknown (HOME is not set); use --output-dir");
    return {};
  }
  SystemError error;
  if (!CreateFolders(folder, &error)) {
    Fail("cannot create the output folder " + folder + ": " + error.description);
    return {};
  }
  if (!CanWriteInFolder(folder, &error)) {
    Fail("cannot write to the output folder " + folder + ": " + error.description);
    return {};
  }
  return folder;
}

// The settings file's values where the command line gave none. Returns false
// after printing why the file could not be read at all.
bool ApplySettingsFile(CliRequest& request) {
  Settings settings;
  SystemError error;
  const int read = ReadSettingsFile(request.settings_file, settings, &error);
  if (read < 0) {
    Fail("cannot read the settings file " + request.settings_file + ": " + error.description);
    return false;
  }
  // Seven fields make a whole file; the more checks' fields may follow.
  if (!IsCompleteSettingsRead(read))
    std::cerr << "qvn: the settings file " << request.settings_file << " could be read only up to "
              << read << " of its " << (read < kSettingsFields ? kSettingsFields : kAllSettingsFields)
              << " fields; the rest was not applied\n";
  // As the desktop program loads it: a top folder that is gone is dropped, and
  // with it the subfolders chosen under it.
  const std::string top(TrimSpaces(settings.top_folder));
  const bool top_usable = read >= 1 && IsExistingFolder(top);
  if (!request.top_folder && read >= 1) request.top_folder = top_usable ? top : std::string();
  if (request.excluded_subfolders.empty() && read >= 2 && top_usable)
    SplitLines(settings.excluded_subfolders, request.excluded_subfolders, CaseMode::kLower, true);
  if (request.excluded_subfolders.size() == 1 && request.excluded_subfolders[0].empty())
    request.excluded_subfolders.clear();
  if (!request.excluded_paths && read >= 3) request.excluded_paths = settings.excluded_filepaths;
  if (!request.excluded_links && read >= 4) request.excluded_links = settings.excluded_links;
  request.top_folder_only |= read >= 5 && settings.top_folder_only == 1;
  request.show_repeated |= read >= 6 && settings.show_repeated == 1;
  request.include_php |= read >= 7 && settings.include_php == 1;
  // Fields not read keep their defaults, so this takes only what was read.
  request.settings_more = MoreChecksOf(settings);
  return true;
}

Selection MakeSelection(const CliRequest& request, const std::string& top) {
  Selection selection;
  selection.top_folder = top;
  for (const auto& name : request.excluded_subfolders) {
    // A name completed by the shell ends in a separator; the walk compares bare names.
    std::string bare(TrimSpaces(name));
    while (bare.size() > 1 && bare.back() == kSeparator) bare.pop_back();
    selection.excluded_subfolders.push_back(bare);
  }
  selection.excluded_filepaths = SplitExclusionBox(request.excluded_paths.value_or(""));
  selection.excluded_links = SplitExclusionBox(request.excluded_links.value_or(""));
  selection.top_folder_only = request.top_folder_only;
  selection.include_php = request.include_php;
  selection.more = CombineMoreChecks(request.settings_more, request.more_flags);
  return selection;
}

// Writes one result file; false after printing why it could not be written.
bool WriteResult(const std::string& path, const std::string& text, const std::string& what) {
  SystemError error;
  if (WriteTextFile(path, text, &error)) {
    std::cout << path << '\n';
    return true;
  }
  Fail("unable to write " + what + " to " + path + ": " + error.description);
  return false;
}

// The two text reports, when there is a broken link to report.
bool WriteTextReports(const CliRequest& request, const Selection& selection,
                      const CheckResult& result, const std::string& output) {
  const auto& table = result.broken_links;
  if (table.empty()) return true;
  const ReportContext context{selection.top_folder, result.stopped, request.show_repeated};
  const long long repeated = CountRepeatedLinks(table);
  return WriteResult(JoinFile(output, "links_to.txt"),
                     FormatReportBySource(table, context, repeated), "the report") &&
         WriteResult(JoinFile(output, "links_from.txt"),
                     FormatReportByTarget(table, context, repeated), "the report");
}

int RunCheckCommand(const CliRequest& request, const Selection& selection,
                    const std::string& output) {
  CheckOutput delivery(request.check_output);
  if (!delivery.Prepare()) return kExitBadInput;
  CliStatus status(StandardErrorIsTerminal());
  const CheckResult result = RunCheck(selection, status);
  status.Finish();
  if (WritesTextReports(request.check_output) &&
      !WriteTextReports(request, selection, result, output))
    return kExitBadInput;
  if (!delivery.Deliver(result)) return kExitBadInput;
  delivery.People() << CheckOutcomeText(static_cast<long long>(result.broken_links.size()),
                                        result.stopped)
                    << '\n';
  return result.stopped ? kExitStopped : delivery.ExitStatus(result);
}

int RunListCommand(const Selection& selection, const std::string& output) {
  CliStatus status(StandardErrorIsTerminal());
  const ListResult result = RunList(selection, status);
  status.Finish();
  if (!result.files.empty()) {
    const std::string text = BuildFileList(selection.top_folder, result.files, result.stopped,
                                           selection.top_folder_only);
    if (!WriteResult(JoinFile(output, "files.txt"), text, "the list of files"))
      return kExitBadInput;
  }
  std::cout << ListStatusText(result) << '\n';
  return result.stopped ? kExitStopped : kExitClean;
}

}  // namespace

int Execute(CliRequest request) {
  CliStatus::InstallInterruptHandler();
  if (!request.settings_file.empty() && !ApplySettingsFile(request)) return kExitBadInput;
  Catalogue catalogue;
  const std::string catalogue_path = ProgramFilePath("qvn.dat");
  const int loaded = catalogue.Load(catalogue_path);
  if (loaded <= 0) return Fail(CatalogueFailureText(loaded, catalogue_path));
  if (request.command == Command::kExplain) {
    // The page's folder stands in for a top folder not given.
    const Selection selection = MakeSelection(request, request.top_folder.value_or(""));
    return RunExplainCommand(request.explain, selection, request.settings_file);
  }

  std::string top = request.top_folder.value_or("");
  switch (ValidateTopFolder(top)) {
    case TopFolderProblem::kEmpty:
      return Fail(catalogue.Get(kTextNoTopFolder));
    case TopFolderProblem::kNotAFolder:
      return Fail(catalogue.Get(kTextTopFolderMissing) + " (" + top + ")");
    case TopFolderProblem::kNone:
      break;
  }
  Selection selection = MakeSelection(request, top);
  if (request.command == Command::kList) {
    selection.more = MoreChecks();  // they concern what links reach, not which pages are read
  } else if (const std::string problem =
                 ValidateSiteRoot(selection.more, top, !request.more_flags.site_root);
             !problem.empty()) {
    return Fail(problem);
  }
  if (request.command == Command::kOrphans) return RunOrphansCommand(selection);
  // Only the text reports and the file list go to the output folder.
  const bool uses_folder =
      request.command != Command::kCheck || WritesTextReports(request.check_output);
  const std::string output = uses_folder ? PrepareOutputFolder(request, catalogue) : std::string();
  if (uses_folder && output.empty()) return kExitBadInput;
  return request.command == Command::kCheck ? RunCheckCommand(request, selection, output)
                                            : RunListCommand(selection, output);
}

}  // namespace qvn::cli
