#pragma once
// frmView and frmView2 on Windows: the viewer of the program's text files
// (reports, file list) and of its help text, a read-only text box with
// "Copy to clipboard" and "Close". Never modal; opened on a file by one
// call with the text to show (what is shown, and where, is the main
// window's presenter's decision).

#include <string>

#include "core/app/main_view.h"
#include "win/win_ui.h"

namespace qvn::win {

class ViewWindow : public Window {
 public:
  /// A hidden top-level viewer named object_name ("frmView" or "frmView2").
  explicit ViewWindow(const std::string& object_name);

  /// Opens the viewer afresh on a file: caption, text (lines ended by CR
  /// LF), place (outer left and top, inner size) and the copy button;
  /// shown, raised and activated.
  void ShowFile(const app::ViewerOpening& opening);

  const std::string& object_name() const { return object_name_; }
  /// The file shown.
  const std::string& path() const { return path_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnDpiChanged() override { LayOut(); }

 private:
  static LRESULT CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR id, DWORD_PTR data);
  void LayOut();
  void SetCopyCaption(bool selection);
  bool HasSelection() const;
  void CopyClicked();

  std::string object_name_;
  std::string path_;
  HWND box_ = nullptr;
  HWND copy_ = nullptr;
  HWND close_ = nullptr;
};

/// Puts text on the clipboard as plain text (owner: the window asking).
void CopyToClipboard(HWND owner, const std::wstring& text);

}  // namespace qvn::win
