#pragma once
// Where the command's texts go.

#include <iosfwd>

namespace qvn::cli {

struct CliStreams {
  std::ostream& out;       ///< results: standard output
  std::ostream& err;       ///< problems and notes: standard error, control characters escaped
  std::ostream& progress;  ///< the progress line, raw (it holds its own terminal sequences)
  bool show_progress;      ///< progress is a terminal that can show the line
};

}  // namespace qvn::cli
