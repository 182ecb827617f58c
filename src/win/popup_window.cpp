#include "win/popup_window.h"

#include <cmath>

namespace qvn::win {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr int kDesignWidth = 2000;  // the program's own notice
constexpr int kDesignHeight = 380;

}  // namespace

PopupWindow::PopupWindow(HWND owner) : owner_(owner) {
  Create(L"QvnPopUp", "", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, owner,
         {0, 0, kDesignWidth, kDesignHeight}, kWhite);
  // No SS_NOTIFY: clicks on the label go through to the window.
  ControlPlan label{ControlKind::kWrapLabel, "lblMessage", "", {0, 0, kDesignWidth, kDesignHeight},
                    TahomaFont(9.75, true)};
  label.style = SS_CENTER | SS_CENTERIMAGE;
  label.text = kDarkBlue;
  label.back = kWhite;
  label_ = AddControl(label);
}

void PopupWindow::PopUp(const std::string& message, const app::TwipsRect& place,
                        int milliseconds) {
  Show(message, place, place.height, milliseconds);
}

void PopupWindow::PopUpCenterScreen(const std::string& message, int width, int height,
                                    int milliseconds) {
  const int dpi = DpiOf(Handle());
  const auto centred = [&](int screen_pixels, int size) {
    return static_cast<int>(std::lround((Twips(screen_pixels, dpi) - size) / 2.0));
  };
  PopUp(message,
        {centred(GetSystemMetrics(SM_CXSCREEN), width),
         centred(GetSystemMetrics(SM_CYSCREEN), height), width, height},
        milliseconds);
}

void PopupWindow::PopUpInForm(HWND form, const std::string& message, const app::TwipsRect& place,
                              int milliseconds) {
  const app::TwipsRect at = WindowPlace(form);
  const int label_height = PlanOf(label_)->rect.height;
  Show(message, {at.left + place.left, at.top + place.top, place.width, place.height},
       label_height, milliseconds);
}

void PopupWindow::Show(const std::string& message, const app::TwipsRect& place, int label_height,
                       int milliseconds) {
  SetTextOf(label_, message);
  SetWindowPlace(Handle(), place);
  PlaceControl(label_, {0, 0, place.width, label_height});
  // A fresh interval for every notice.
  KillTimer(Handle(), kTimer1);
  if (milliseconds > 0) SetTimer(Handle(), kTimer1, static_cast<UINT>(milliseconds), nullptr);
  RunModal(*this, owner_);
}

void PopupWindow::Close() {
  KillTimer(Handle(), kTimer1);
  EndModal(IDOK);
}

LRESULT PopupWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam == kTimer1) Close();
      return 0;
    case WM_COMMAND:  // Escape
      if (LOWORD(wparam) == IDCANCEL) Close();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      Close();
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace qvn::win
