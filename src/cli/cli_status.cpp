#include "cli/cli_status.h"

#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "common/utf.h"

namespace qvn::cli {
namespace {

std::atomic<bool> g_interrupted{false};

void OnInterrupt(int) { g_interrupted.store(true); }

std::size_t TerminalColumns() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
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

CliStatus::CliStatus(bool show_progress) : show_progress_(show_progress) {}

void CliStatus::PageStarted(long long number, std::string_view relative_path) {
  if (!show_progress_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now < next_update_) return;
  next_update_ = now + kUpdateInterval;
  Show(ScanningText(number, relative_path));
}

void CliStatus::FileListed(long long count) {
  if (!show_progress_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now < next_update_) return;
  next_update_ = now + kUpdateInterval;
  Show(FilesSoFarText(count));
}

bool CliStatus::ShouldStop() { return g_interrupted.load(std::memory_order_relaxed); }

void CliStatus::Show(const std::string& text) {
  const std::string line = "\r" + FitToWidth(text, TerminalColumns()) + "\x1b[K";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
  shown_ = true;
}

void CliStatus::Finish() {
  if (!shown_) return;
  std::fputs("\r\x1b[K", stderr);
  std::fflush(stderr);
  shown_ = false;
}

void CliStatus::InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  // A second Ctrl-C should not wait for the run to notice.
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace qvn::cli
