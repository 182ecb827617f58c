#pragma once
// Finding controls by object name and reading list views as the user sees
// them: item texts, ticks, and the notifications a list sends its window.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "win/win_list.h"
#include "win/win_ui.h"

namespace qvn::test {

/// The control named name in window; fails the test run when missing.
inline HWND Named(HWND window, const char* name) {
  HWND control = win::FindControl(window, name);
  if (control == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return control;
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
