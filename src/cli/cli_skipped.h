#pragma once
// How qvn tells what a run could not read and went on past.

#include <ostream>

#include "core/site/skipped.h"

namespace qvn::cli {

/// Prints on err how many folders, pages and too-long paths were skipped
/// (nothing when none were); with verbose, each of them first.
void PrintSkipped(const Skipped& skipped, bool verbose, std::ostream& err);

}  // namespace qvn::cli
