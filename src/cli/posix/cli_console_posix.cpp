#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <iostream>

#include "cli/cli_console.h"

namespace qvn::cli {
namespace {

void (*g_on_interrupt)(int) = nullptr;

void OnSignal(int signal) {
  // As a shell reports a program ended by the signal.
  if (g_on_interrupt != nullptr) g_on_interrupt(128 + signal);
}

}  // namespace

std::vector<std::string> PrepareConsole(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

bool ConsoleShowsProgress() {
  return isatty(STDERR_FILENO) == 1;
}

bool StandardOutputIsTerminal() {
  return isatty(STDOUT_FILENO) == 1;
}

std::size_t ConsoleColumns() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

void WriteDocumentOutput(std::ostream& out, std::string_view bytes) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
}

void InstallConsoleInterrupt(void (*on_interrupt)(int)) {
  g_on_interrupt = on_interrupt;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  // A second signal should not wait for the run to notice.
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace qvn::cli
