#pragma once
// The qvn command line.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_check_options.h"
#include "cli/cli_explain.h"
#include "cli/cli_external.h"
#include "cli/cli_fix.h"
#include "cli/cli_more_checks.h"

namespace qvn::cli {

enum class Command { kNone, kCheck, kList, kOrphans, kExplain, kFix };

/// What the user asked for on the command line.
/// Options not given stay empty, so that a settings file can supply them.
struct CliRequest {
  Command command = Command::kNone;
  std::optional<std::string> top_folder;
  std::vector<std::string> excluded_subfolders;  ///< empty = not given
  std::optional<std::string> excluded_paths;     ///< the text of the filepath exclusion box
  std::optional<std::string> excluded_links;     ///< the text of the link exclusion box
  bool top_folder_only = false;
  bool show_repeated = false;
  bool include_php = false;
  std::optional<std::string> output_dir;  ///< not given = the per-user data folder
  bool no_wait = false;  ///< fail at once when another run is writing into the output folder
  bool verbose = false;  ///< name each folder and page that could not be read
  std::string settings_file;  ///< "" = none
  CheckOutputOptions check_output;  ///< check: the format, its file and the baselines
  MoreCheckFlags more_flags;        ///< check and orphans: the more checks given
  ExternalFlags external_flags;     ///< check: links to other sites
  ExplainArguments explain;         ///< explain: the page and the line
  FixArguments fix;                 ///< fix: what to repair, and how
};

/// Parses args (args[0] is the program's name). Returns -1 when the run is
/// to go ahead with request filled; otherwise the exit status (0 after
/// --help or --version, printed on out; 2 on a usage error, whose message
/// has then been printed on err).
int ParseCommandLine(const std::vector<std::string>& args, CliRequest& request, std::ostream& out,
                     std::ostream& err);

}  // namespace qvn::cli
