#pragma once
// The flags of the more checks, for `qvn check` and `qvn orphans`, and how
// they meet the settings file's more checks.

#include <optional>
#include <string>

#include "core/site/selection.h"

namespace CLI {
class App;
}

namespace qvn::cli {

/// The more checks as given on the command line; a flag not given leaves
/// its check as the settings file (or the default) has it.
struct MoreCheckFlags {
  bool all_links = false;
  std::optional<std::string> site_root;  ///< --site-root DIR (turns the check on)
  bool index_pages = false;
  std::optional<std::string> index_files;  ///< --index-files LIST (turns the check on)
  bool check_fragments = false;
  bool letter_case = false;
};

/// Adds --all-links, --site-root, --index-pages, --index-files,
/// --check-fragments and --case to command.
void AddMoreCheckFlags(CLI::App& command, MoreCheckFlags& flags);

/// base (the settings file's more checks, or the defaults) with the flags
/// applied: a flag turns its check on, and a folder or list given replaces
/// the stored one.
MoreChecks CombineMoreChecks(MoreChecks base, const MoreCheckFlags& flags);

}  // namespace qvn::cli
