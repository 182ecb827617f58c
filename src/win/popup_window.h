#pragma once
// frmPopUp: a short notice in a small borderless window that goes away by
// itself after a set time, or at once when the user releases a mouse button
// over its text. It is modal: the calls return only when the notice has gone.

#include <string>

#include "core/app/view_types.h"
#include "win/win_ui.h"

namespace qvn::win {

class PopupWindow : public Window {
 public:
  /// A hidden notice window over owner, kept for every notice.
  explicit PopupWindow(HWND owner);

  /// Shows message in a window of place.width x place.height twips whose
  /// top-left corner is at (place.left, place.top) on the screen, even
  /// outside it. Returns when milliseconds have passed or the text was
  /// clicked; with milliseconds <= 0 only the click ends it.
  void PopUp(const std::string& message, const app::TwipsRect& place, int milliseconds);
  /// PopUp centred on the primary screen, on the new notice's size.
  void PopUpCenterScreen(const std::string& message, int width, int height, int milliseconds);
  /// PopUp at (left, top) from form's outer top-left corner. The text keeps
  /// its earlier height; only its width follows width.
  void PopUpInForm(HWND form, const std::string& message, const app::TwipsRect& place,
                   int milliseconds);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void Show(const std::string& message, const app::TwipsRect& place, int label_height,
            int milliseconds);
  void Close();

  HWND owner_;
  HWND label_ = nullptr;
};

}  // namespace qvn::win
