#include "cli/cli_options.h"

#include <CLI/CLI.hpp>

#include "qvn_version.h"

namespace qvn::cli {
namespace {

constexpr const char* kVersion = "qvn " QVN_BUILD_VERSION " (commit " QVN_BUILD_COMMIT ")";

// The values of one subcommand's options, and whether each was given.
struct Bound {
  std::string top, paths, links, output_dir;
  CLI::Option *top_option = nullptr, *paths_option = nullptr, *links_option = nullptr;
  CLI::Option* output_option = nullptr;
};

// with_outputs: also --show-repeated and --output-dir (check and list).
void AddSelectionOptions(CLI::App& command, CliRequest& request, Bound& bound,
                         bool with_outputs = true) {
  bound.top_option = command.add_option("top", bound.top, "Top folder of the site");
  bound.top_option->option_text("TOP");
  command
      .add_option("--exclude-subfolder", request.excluded_subfolders,
                  "Skip this subfolder of the top folder (repeat for more)")
      ->option_text("NAME")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  bound.paths_option =
      command.add_option("--exclude-paths", bound.paths,
                         "Skip files whose path contains one of these comma-separated words");
  bound.paths_option->option_text("LIST");
  bound.links_option =
      command.add_option("--exclude-links", bound.links,
                         "Do not test links that contain one of these comma-separated words");
  bound.links_option->option_text("LIST");
  command.add_flag("--top-folder-only", request.top_folder_only,
                   "Read only the pages directly in the top folder");
  if (with_outputs)
    command.add_flag("--show-repeated", request.show_repeated,
                     "List a broken link again each time a page repeats it");
  command.add_flag("--php", request.include_php, "Read .php files as well as HTML files");
  command.add_flag("--verbose", request.verbose,
                   "Name each folder and page that could not be read and was skipped");
  if (with_outputs) {
    bound.output_option = command.add_option(
        "--output-dir", bound.output_dir,
        "Write the reports or the file list here (default: the per-user data folder)");
    bound.output_option->option_text("DIR");
    command.add_flag("--no-wait", request.no_wait,
                     "Fail at once when another run is writing into the output folder, "
                     "instead of waiting for it");
  }
  command
      .add_option("--settings", request.settings_file,
                  "Take the top folder, exclusions and options from this settings file (.usr); "
                  "options given on the command line win")
      ->option_text("FILE");
}

void TakeGiven(const Bound& bound, CliRequest& request) {
  if (bound.top_option->count() > 0) request.top_folder = bound.top;
  if (bound.paths_option->count() > 0) request.excluded_paths = bound.paths;
  if (bound.links_option->count() > 0) request.excluded_links = bound.links;
  if (bound.output_option != nullptr && bound.output_option->count() > 0)
    request.output_dir = bound.output_dir;
}

}  // namespace

int ParseCommandLine(const std::vector<std::string>& args, CliRequest& request, std::ostream& out,
                     std::ostream& err) {
  CLI::App app{"Finds broken local links in a web site kept as files on disk.", "qvn"};
  app.set_version_flag("--version", kVersion);
  // The same options everywhere: on Windows too "/site" is a path, not an option.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);
  CLI::App* check = app.add_subcommand(
      "check", "Check every page for links to missing files; write links_to.txt and links_from.txt");
  CLI::App* list = app.add_subcommand("list", "List the pages a check would read; write files.txt");
  Bound check_bound, list_bound;
  AddSelectionOptions(*check, request, check_bound);
  AddMoreCheckFlags(*check, request.more_flags);
  AddExternalFlags(*check, request.external_flags);
  AddCheckOutputOptions(*check, request.check_output);
  check->footer(
      "With --baseline the exit status is 1 only when there are new broken links\n"
      "(2 when the baseline cannot be read).");
  AddSelectionOptions(*list, request, list_bound);
  CLI::App* orphans = app.add_subcommand(
      "orphans", "List the files no page links to (the top folder's index pages are the roots)");
  Bound orphans_bound;
  AddSelectionOptions(*orphans, request, orphans_bound, false);
  AddMoreCheckFlags(*orphans, request.more_flags);
  orphans->footer("Exit status: 0 no orphan, 1 orphans found, 2 bad input, 130 stopped.");
  CLI::App* fix = app.add_subcommand(
      "fix", "Repair the broken links that have exactly one candidate (a dry run without --apply)");
  Bound fix_bound;
  AddSelectionOptions(*fix, request, fix_bound, false);
  AddMoreCheckFlags(*fix, request.more_flags);
  AddFixOptions(*fix, request.fix);
  fix->footer(
      "Prints the repairs as a diff; --apply writes them, keeping the old pages in the data\n"
      "folder, and --undo puts them back. Exit status: 0 done, 2 bad input or a page not\n"
      "written, 130 stopped.");
  CLI::App* explain = AddExplainCommand(app, request.explain, request.top_folder,
                                        request.excluded_links, request.settings_file);
  app.footer(
      "Exit status: 0 no broken link (or list done), 1 broken links found, 2 bad input,\n"
      "130 stopped with Ctrl-C.");
  try {
    // CLI11 takes the arguments last first, without the program's name.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    if (!reversed.empty()) reversed.pop_back();
    app.parse(reversed);
  } catch (const CLI::Success& e) {
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    app.exit(e, out, err);
    return 2;
  }
  if (explain->parsed()) {
    request.command = Command::kExplain;
    return -1;
  }
  request.command = check->parsed()     ? Command::kCheck
                    : orphans->parsed() ? Command::kOrphans
                    : fix->parsed()     ? Command::kFix
                                        : Command::kList;
  TakeGiven(check->parsed()     ? check_bound
            : orphans->parsed() ? orphans_bound
            : fix->parsed()     ? fix_bound
                                : list_bound,
            request);
  return -1;
}

}  // namespace qvn::cli
