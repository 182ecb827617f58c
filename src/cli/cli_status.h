#pragma once
// Progress on the terminal and Ctrl-C for the command line.

#include <chrono>
#include <iosfwd>
#include <string>

#include "core/site/status.h"

namespace qvn::cli {

class CliStatus : public Status {
 public:
  /// show_progress: keep one updating progress line on err.
  CliStatus(bool show_progress, std::ostream& err);

  void PageStarted(long long number, std::string_view relative_path) override;
  void FileListed(long long count) override;
  /// True once Ctrl-C has been pressed.
  bool ShouldStop() override;
  /// Clears the progress line.
  void Finish();

  /// Makes the first Ctrl-C ask the run to stop; a second one ends the program.
  static void InstallInterruptHandler();

 private:
  void Show(const std::string& text);

  bool show_progress_;
  std::ostream& err_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point next_update_;
};

/// True when err is the process's standard error and that is a terminal
/// that can show the progress line.
bool ShowsProgress(const std::ostream& err);

}  // namespace qvn::cli
