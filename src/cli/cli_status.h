#pragma once
// Progress on the terminal and Ctrl-C for the command line.

#include <chrono>
#include <iosfwd>
#include <string>

#include "core/site/status.h"

namespace qvn::cli {

class CliStatus : public Status {
 public:
  /// show_progress: keep one updating progress line on terminal.
  CliStatus(bool show_progress, std::ostream& terminal);

  void PageStarted(long long number, std::string_view relative_path) override;
  void FileListed(long long count) override;
  void AddressesChecked(long long checked, long long total) override;
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

/// The exit status of a run stopped by a signal: 130 after Ctrl-C, 143
/// after SIGTERM, 129 after SIGHUP.
int StoppedExitStatus();


}  // namespace qvn::cli
