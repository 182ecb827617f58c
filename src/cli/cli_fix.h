#pragma once
// `qvn fix`: proposes repairs of the broken links with one clear answer,
// shows them as a diff, writes them with --apply, and puts pages back with
// --undo.

#include <optional>
#include <string>

#include "cli/cli_check_options.h"
#include "cli/cli_streams.h"
#include "core/app/choices.h"
#include "core/repair/repair_types.h"

namespace CLI {
class App;
}

namespace qvn::cli {

/// The options of `qvn fix` that no other command has.
struct FixArguments {
  bool apply = false;
  bool moved = false;
  bool similar = false;
  std::string only;                 ///< comma-separated kinds; "" for all
  std::optional<std::string> undo;  ///< --undo given: the run ("" for the latest)
  CheckOutputOptions output;        ///< --format and --out only
};

/// Adds --apply, --moved, --near, --only, --undo, --format and --out to fix.
void AddFixOptions(CLI::App& fix, FixArguments& arguments);

/// The repair options of arguments; false after printing why --only is wrong.
bool RepairOptionsOf(const FixArguments& arguments, RepairOptions& options, std::ostream& err);

/// Runs fix for choices (validated); the exit status: 0 done, 2 bad input or
/// a page or backup that could not be written, 130 stopped. verbose: name
/// each folder and page that could not be read.
int RunFixCommand(const FixArguments& arguments, const app::Choices& choices,
                  const std::string& data_folder, bool verbose, const CliStreams& io);

/// Runs fix --undo; the exit status: 0 every page restored, 2 otherwise.
int RunUndoCommand(const std::string& run, const std::string& data_folder, const CliStreams& io);

}  // namespace qvn::cli
