// quorvane.exe: the desktop program on Windows.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <objbase.h>

#include <new>

#include "win/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
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
