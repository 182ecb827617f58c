#include "cli/cli_status.h"

#include "core/links/external/external_checker.h"

#include <atomic>
#include <ostream>

#include "cli/cli_console.h"
#include "cli/terminal_text.h"
#include "core/text/utf.h"

namespace qvn::cli {
namespace {

std::atomic<bool> g_interrupted{false};
std::atomic<int> g_stopped_status{130};

void OnInterrupt(int exit_status) {
  // The first signal decides the exit status.
  if (!g_interrupted.exchange(true)) g_stopped_status.store(exit_status);
}

// The text cut to fit the terminal, so the line never wraps.
std::string FitToWidth(const std::string& text, std::size_t columns) {
  std::size_t i = 0, shown = 0;
  while (i < text.size() && shown + 1 < columns) {
    DecodeNext(text, i);
    ++shown;
  }
  return text.substr(0, i);
}

constexpr auto kUpdateInterval = std::chrono::milliseconds(100);

}  // namespace

CliStatus::CliStatus(bool show_progress, std::ostream& err)
    : show_progress_(show_progress), err_(err) {}

void CliStatus::PageStarted(long long number, std::string_view relative_path) {
  if (!show_progress_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now < next_update_) return;
  next_update_ = now + kUpdateInterval;
  Show(ScanningText(number, relative_path));
}

void CliStatus::AddressesChecked(long long checked, long long total) {
  if (!show_progress_) return;
  const auto now = std::chrono::steady_clock::now();
  if (checked > 0 && now < next_update_) return;
  next_update_ = now + kUpdateInterval;
  Show(ExternalProgressText(static_cast<std::size_t>(checked), static_cast<std::size_t>(total)));
}

void CliStatus::FileListed(long long count) {
  if (!show_progress_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now < next_update_) return;
  next_update_ = now + kUpdateInterval;
  Show(FilesSoFarText(count));
}

bool CliStatus::ShouldStop() {
  return g_interrupted.load(std::memory_order_relaxed);
}

void CliStatus::Show(const std::string& text) {
  // The page's name comes from the site: no control character of it reaches the terminal.
  const std::string line = "\r" + FitToWidth(EscapeControls(text), ConsoleColumns()) + "\x1b[K";
  err_ << line << std::flush;
  shown_ = true;
}

void CliStatus::Finish() {
  if (!shown_) return;
  err_ << "\r\x1b[K" << std::flush;
  shown_ = false;
}

void CliStatus::InstallInterruptHandler() {
  InstallConsoleInterrupt(OnInterrupt);
}

int StoppedExitStatus() {
  return g_stopped_status.load();
}

}  // namespace qvn::cli
