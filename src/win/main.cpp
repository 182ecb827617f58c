// quorvane.exe: the desktop program on Windows.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <cwchar>
#include <new>

#include "qvn_version.h"
#include "win/main_window.h"

namespace {

bool AskedForVersion() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  bool asked = false;
  for (int i = 1; args != nullptr && i < count; ++i) asked |= std::wcscmp(args[i], L"--version") == 0;
  LocalFree(args);
  return asked;
}

// A windows-subsystem program has no console of its own: the text goes where
// standard output was redirected, else to the console it was started from,
// else into a message box.
void ShowVersion() {
  static const char kText[] = "quorvane " QVN_BUILD_VERSION " (commit " QVN_BUILD_COMMIT ")\r\n";
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
    out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out != nullptr && out != INVALID_HANDLE_VALUE &&
      WriteFile(out, kText, sizeof(kText) - 1, &written, nullptr))
    return;
  MessageBoxA(nullptr, kText, "Quorvane", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (AskedForVersion()) {
    ShowVersion();
    return 0;
  }
  // The folder picker is a COM object, used on this (the window) thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                      ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  int code = 0;
  try {
    qvn::win::MainWindow window;
    code = window.Start() ? qvn::win::RunMessageLoop() : 1;
  } catch (const std::bad_alloc&) {
    // The window is gone by now, which frees what it held for the message.
    MessageBoxW(nullptr, L"Quorvane ran out of memory and must close.", L"Quorvane",
                MB_OK | MB_ICONERROR);
    code = 2;
  }
  CoUninitialize();
  return code;
}
