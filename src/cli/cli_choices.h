#pragma once
// The user's choices from the command line: a settings file first, then the
// options given, which win.

#include <iosfwd>

#include "cli/cli_options.h"
#include "core/app/choices.h"

namespace qvn::cli {

/// Fills choices from request's settings file (when named) and then from
/// the options given. A file read in part is applied as far as it was read,
/// with a note on err; false, after printing why on err, when it cannot be
/// read at all.
bool ChoicesFromRequest(const CliRequest& request, app::Choices& choices, std::ostream& err);

}  // namespace qvn::cli
