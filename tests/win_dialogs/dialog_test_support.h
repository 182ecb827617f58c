#pragma once
// Driving Win32 windows in process: running their messages until something
// holds, and pressing, ticking and reading their controls by object name.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "win/win_list.h"
#include "win/win_ui.h"

namespace qvn::test {

/// Runs the thread's messages until done() holds (true) or two seconds pass (false).
inline bool PumpUntil(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

/// The control named name in window; fails the test run when missing.
inline HWND Named(HWND window, const char* name) {
  HWND control = win::FindControl(window, name);
  if (control == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return control;
}

/// A button's click as its parent hears it.
inline void Click(HWND window, const char* name) {
  HWND button = Named(window, name);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

inline std::string Text(HWND window, const char* name) { return win::TextOf(Named(window, name)); }

/// The texts of a list's first column, with "+" before each ticked item.
inline std::vector<std::string> ListRows(HWND list) {
  std::vector<std::string> rows;
  const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int item = 0; item < count; ++item)
    rows.push_back((win::IsListItemChecked(list, item) ? "+" : "") +
                   win::ListItemText(list, item, 0));
  return rows;
}

/// One column of a list.
inline std::vector<std::string> ListColumnTexts(HWND list, int column) {
  std::vector<std::string> texts;
  const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) texts.push_back(win::ListItemText(list, item, column));
  return texts;
}

/// A list notification as the list sends it to its parent.
inline LRESULT NotifyFromList(HWND window, HWND list, UINT code, int item, int column = 0) {
  NMITEMACTIVATE note{};
  note.hdr.hwndFrom = list;
  note.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  note.hdr.code = code;
  note.iItem = item;
  note.iSubItem = column;
  return SendMessageW(window, WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
}

}  // namespace qvn::test
