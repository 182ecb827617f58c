#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "cli/cli_console.h"

namespace qvn::cli {
namespace {

void (*g_on_interrupt)(int) = nullptr;
std::atomic<bool> g_interrupted{false};
UINT g_original_output_cp = 0;

std::string ToUtf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.pop_back();  // the terminating NUL
  return out;
}

void RestoreOutputCodePage() {
  SetConsoleOutputCP(g_original_output_cp);
}

BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  // FALSE hands a second Ctrl-C to the default handler, which ends the program.
  if (g_interrupted.exchange(true)) return FALSE;
  if (g_on_interrupt != nullptr) g_on_interrupt(130);
  return TRUE;
}

}  // namespace

std::vector<std::string> PrepareConsole(int argc, char** argv) {
  // Paths are UTF-8 inside the program, so a console shows them as UTF-8 too.
  g_original_output_cp = GetConsoleOutputCP();
  if (g_original_output_cp != 0 && g_original_output_cp != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
    std::atexit(RestoreOutputCodePage);
  // argv holds the ANSI code page's rendering; names outside it would be lost.
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> args;
  for (int i = 0; i < count; ++i) args.push_back(ToUtf8(wide[i]));
  LocalFree(wide);
  return args;
}

bool ConsoleShowsProgress() {
  // The progress line needs the console's VT sequences (Windows 10 and later).
  const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (err == INVALID_HANDLE_VALUE || !GetConsoleMode(err, &mode)) return false;
  return (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
         SetConsoleMode(err, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

bool StandardOutputIsTerminal() {
  return _isatty(_fileno(stdout)) != 0;
}

std::size_t ConsoleColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info)) {
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    if (columns > 0) return static_cast<std::size_t>(columns);
  }
  return 80;
}

void WriteDocumentOutput(std::ostream& out, std::string_view bytes) {
  if (&out != &std::cout) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return;
  }
  // Standard output is in text mode, which would turn each LF into CR LF.
  std::cout.flush();
  std::fflush(stdout);
  const int previous = _setmode(_fileno(stdout), _O_BINARY);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
  if (previous != -1) _setmode(_fileno(stdout), previous);
}

void InstallConsoleInterrupt(void (*on_interrupt)(int)) {
  g_on_interrupt = on_interrupt;
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

}  // namespace qvn::cli
