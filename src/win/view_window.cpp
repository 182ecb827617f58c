#include "win/view_window.h"

// After windows.h (through view_window.h), which it needs.
#include <commctrl.h>

#include <cstring>

#include "core/app/viewer_layout.h"
#include "core/app/viewer_text.h"

namespace qvn::win {
namespace {

using namespace app::viewer_layout;

// Clear of IDOK and IDCANCEL, which Enter and Escape send.
enum { kBoxId = 100, kCopyId, kCloseId };

}  // namespace

void CopyToClipboard(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

ViewWindow::ViewWindow(const std::string& object_name) : object_name_(object_name) {
  Create(L"QvnViewer", "Viewing", WS_OVERLAPPEDWINDOW, WS_EX_CONTROLPARENT, nullptr,
         {0, 0, kDesignWidth, kDesignHeight}, GetSysColor(COLOR_BTNFACE));
  // Created in tab order: the box, Close, the copy button.
  ControlPlan box{ControlKind::kMultiLineEdit, "txbText1", "",
                  {kBoxMargin, kBoxMargin, kDesignWidth - 2 * kBoxMargin, kBoxHeight},
                  ArialFont(10), kBoxId};
  // Long lines wrap at the box's width: no horizontal scrolling.
  box.style = ES_READONLY | ES_NOHIDESEL;
  box.back = kWhite;
  box_ = AddControl(box);
  SendMessageW(box_, EM_SETLIMITTEXT, app::kViewerTextLimit + 16, 0);
  SetWindowSubclass(box_, &ViewWindow::BoxProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  close_ = AddControl({ControlKind::kButton, "cmdClose", "Close",
                       {9825, 6000, kCloseWidth, kButtonHeight}, TahomaFont(), kCloseId});
  copy_ = AddControl({ControlKind::kButton, "cmdCopyToClipboard", app::CopyButtonCaption(false),
                      {120, 6000, kCopyWidth, kButtonHeight}, TahomaFont(), kCopyId});
}

void ViewWindow::ShowFile(const app::ViewerOpening& opening) {
  // Whatever the viewer showed before, and however the user left it.
  if (IsIconic(Handle()) || IsZoomed(Handle())) ::ShowWindow(Handle(), SW_RESTORE);
  ::ShowWindow(Handle(), SW_HIDE);
  path_ = opening.path;
  SetWindowTextW(Handle(), Wide(opening.caption).c_str());
  SetWindowPlace(Handle(), opening.place);
  SetTextOf(box_, opening.text);
  SetCopyCaption(false);
  ::ShowWindow(copy_, opening.copy_button ? SW_SHOWNA : SW_HIDE);
  SendMessageW(box_, EM_SETSEL, 0, 0);
  SendMessageW(box_, EM_SCROLLCARET, 0, 0);
  LayOut();  // also when the size did not change
  ::ShowWindow(Handle(), SW_SHOW);
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(Handle());
  SetFocus(box_);
}

// The box follows the window's inner size, the buttons its bottom corners.
void ViewWindow::LayOut() {
  if (IsIconic(Handle()) || close_ == nullptr || copy_ == nullptr) return;
  const int dpi = DpiOf(Handle());
  RECT inner{};
  GetClientRect(Handle(), &inner);
  const int width = Twips(inner.right, dpi);
  const int height = Twips(inner.bottom, dpi);
  const app::TwipsRect box{kBoxMargin, kBoxMargin, width - 2 * kBoxMargin,
                           height - kBoxMargin - kBelowBox};
  PlaceControl(box_, box);
  const int top = box.top + box.height + kButtonGap;
  app::TwipsRect copy = PlanOf(copy_)->rect;
  PlaceControl(copy_, {box.left, top, copy.width, kButtonHeight});
  PlaceControl(close_, {box.left + box.width - kCloseWidth, top, kCloseWidth, kButtonHeight});
}

void ViewWindow::SetCopyCaption(bool selection) {
  SetTextOf(copy_, app::CopyButtonCaption(selection));
  app::TwipsRect rect = PlanOf(copy_)->rect;
  rect.width = selection ? kCopySelectedWidth : kCopyWidth;
  PlaceControl(copy_, rect);
}

bool ViewWindow::HasSelection() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return end > start;
}

// The box holds the file's CR LF line ends as they are, so a selection is
// copied with them.
void ViewWindow::CopyClicked() {
  const std::wstring text = Wide(TextOf(box_));
  if (!text.empty()) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    CopyToClipboard(Handle(), end > start ? text.substr(start, end - start) : text);
    SetCopyCaption(false);
  }
  SetFocus(close_);
}

LRESULT CALLBACK ViewWindow::BoxProcedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR, DWORD_PTR data) {
  const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
  // A selection made with the mouse shows on the copy button; one made
  // with the keyboard does not (yet the copy takes it).
  if (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP) {
    auto* viewer = reinterpret_cast<ViewWindow*>(data);
    if (IsWindowVisible(viewer->copy_) && IsWindowEnabled(viewer->copy_))
      viewer->SetCopyCaption(viewer->HasSelection());
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, &ViewWindow::BoxProcedure, 0);
  return result;
}

LRESULT ViewWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_GETMINMAXINFO: {
      const int dpi = DpiOf(Handle());
      auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
      limits->ptMinTrackSize = {Px(kMinWidth, dpi), Px(kMinHeight, dpi)};
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == kCopyId && HIWORD(wparam) == BN_CLICKED) CopyClicked();
      // Close, Escape.
      if (LOWORD(wparam) == kCloseId || LOWORD(wparam) == IDCANCEL) ::ShowWindow(Handle(), SW_HIDE);
      return 0;
    case WM_CLOSE:
      ::ShowWindow(Handle(), SW_HIDE);
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace qvn::win
