#pragma once
// The flags of the check of links to other sites, for `qvn check`.

#include <optional>
#include <string>
#include <string_view>

#include "core/site/selection.h"

namespace CLI {
class App;
}

namespace qvn::cli {

/// The external check as given on the command line.
struct ExternalFlags {
  bool external = false;
  std::optional<int> jobs;             ///< --external-jobs N
  std::optional<int> timeout_seconds;  ///< --external-timeout S
  std::optional<long long> cache_seconds;  ///< --external-cache AGE
  bool loopback_only = false;          ///< hidden, for tests
};

/// Adds --external, --external-jobs, --external-timeout, --external-cache and
/// the hidden test switch --external-loopback-only to command.
void AddExternalFlags(CLI::App& command, ExternalFlags& flags);

/// An age as --external-cache takes it: a whole number of seconds, or one
/// followed by "s", "m", "h" or "d" ("12h", "1d"); 0 keeps no answers.
/// nullopt for anything else.
std::optional<long long> ParseAge(std::string_view text);

/// more with the flags applied: --external turns the check on (a settings
/// file may have done so already); the others replace their defaults.
MoreChecks CombineExternal(MoreChecks more, const ExternalFlags& flags);

}  // namespace qvn::cli
