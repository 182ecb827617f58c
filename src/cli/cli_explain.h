#pragma once
// `qvn explain PAGE LINE`: how a check treats the link of one line.

#include <iosfwd>
#include <optional>
#include <string>

#include "core/app/choices.h"

namespace CLI {
class App;
}

namespace qvn::cli {

/// The arguments of `qvn explain` that no other command has.
struct ExplainArguments {
  std::string page;
  long long line = 0;
  bool top_given = false;  ///< --top was on the command line
};

/// Adds the explain command with PAGE, LINE and --top, --exclude-links and
/// --settings; options given go into top and links (left empty otherwise,
/// so that a settings file can supply them) and settings_file.
CLI::App* AddExplainCommand(CLI::App& app, ExplainArguments& arguments,
                            std::optional<std::string>& top, std::optional<std::string>& links,
                            std::string& settings_file);

/// Prints the explanation on out; returns the exit status (0 when
/// explained, whatever the outcome; 2 when the page or line cannot be used,
/// said on err). choices.top_folder "" stands for the page's folder.
int RunExplainCommand(const ExplainArguments& arguments, const app::Choices& choices,
                      const std::string& settings_file, std::ostream& out, std::ostream& err);

}  // namespace qvn::cli
