// The Window base of win_ui.h: class registration, controls of the design,
// the messages every window answers alike, and the message loops.
#include "win/win_ui.h"
// After windows.h (through win_ui.h), which it needs.
#include <commctrl.h>

#include <set>
#include <utility>

namespace qvn::win {
namespace {

constexpr wchar_t kPlanProperty[] = L"QvnControlPlan";
constexpr int kAppIcon = 1;  // the icon's resource number in quorvane.rc

std::function<void(HWND)>& ModalHook() {
  static std::function<void(HWND)> hook;
  return hook;
}

struct ClassOf {
  const wchar_t* name;
  DWORD style;
};

// The window class and style of each kind of control.
ClassOf KindClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::kCheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::kEdit:
      return {WC_EDITW, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::kReadOnlyEdit:
      return {WC_EDITW, ES_AUTOHSCROLL | ES_READONLY | WS_BORDER};
    case ControlKind::kMultiLineEdit:
      return {WC_EDITW, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::kComboBox:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::kLabel:
      return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX};
    case ControlKind::kWrapLabel:
      return {WC_STATICW, SS_LEFT | SS_NOPREFIX};
    case ControlKind::kLink:
      return {WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP};
    case ControlKind::kListBox:
      return {WC_LISTBOXW, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP};
    case ControlKind::kListView:
      return {WC_LISTVIEWW, LVS_REPORT | WS_BORDER | WS_TABSTOP};
  }
  return {WC_STATICW, 0};
}

void RegisterClassOnce(const wchar_t* class_name, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (!registered.insert(class_name).second) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hIcon = LoadIconW(window_class.hInstance, MAKEINTRESOURCEW(kAppIcon));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = class_name;
  RegisterClassExW(&window_class);
}

// A combo box's height is that of its dropped list; the closed box takes
// the height its font gives it.
int ControlHeight(const ControlPlan& plan, int dpi) {
  const int height = Px(plan.rect.height, dpi);
  return plan.kind == ControlKind::kComboBox ? height * 10 : height;
}

}  // namespace

Window::~Window() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::EndModal(int result) {
  modal_done_ = true;
  modal_result_ = result;
}

void Window::Create(const wchar_t* class_name, const std::string& caption, DWORD style,
                    DWORD ex_style, HWND owner, const app::TwipsRect& place, COLORREF back) {
  back_ = back;
  RegisterClassOnce(class_name, &Window::Procedure);
  const bool placed = place.left != 0 || place.top != 0;
  hwnd_ = CreateWindowExW(ex_style, class_name, Wide(caption).c_str(), style,
                          placed ? 0 : CW_USEDEFAULT, placed ? 0 : CW_USEDEFAULT, 100, 100, owner,
                          nullptr, GetModuleHandleW(nullptr), this);
  // Sized once it exists, at the DPI of the monitor it is on.
  app::TwipsRect at = place;
  if (!placed) {
    const app::TwipsRect now = WindowPlace(hwnd_);
    at.left = now.left;
    at.top = now.top;
  }
  SetWindowPlace(hwnd_, at);
}

HWND Window::AddControl(const ControlPlan& plan) {
  const ClassOf kind = KindClass(plan.kind);
  const int dpi = DpiOf(hwnd_);
  const RECT at = PixelRect(plan.rect, dpi);
  DWORD ex_style = plan.kind == ControlKind::kListView ? WS_EX_CLIENTEDGE : 0;
  HWND control = CreateWindowExW(
      ex_style, kind.name, Wide(plan.caption).c_str(), WS_CHILD | WS_VISIBLE | kind.style | plan.style,
      at.left, at.top, at.right - at.left, ControlHeight(plan, dpi), hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(plan.id)), GetModuleHandleW(nullptr), nullptr);
  plans_.push_back(std::make_unique<ControlPlan>(plan));
  SetPropW(control, kPlanProperty, plans_.back().get());
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontAt(plan.font, dpi)), FALSE);
  if (!plan.tooltip.empty()) SetTooltip(control, plan.tooltip);
  return control;
}

void Window::PlaceControl(HWND control, const app::TwipsRect& rect) {
  auto* plan = const_cast<ControlPlan*>(PlanOf(control));
  if (plan == nullptr) return;
  plan->rect = rect;
  const int dpi = DpiOf(hwnd_);
  const RECT at = PixelRect(rect, dpi);
  SetWindowPos(control, nullptr, at.left, at.top, at.right - at.left, ControlHeight(*plan, dpi),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::ApplyDpi() {
  const int dpi = DpiOf(hwnd_);
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const ControlPlan* plan = PlanOf(child);
    if (plan == nullptr) continue;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontAt(plan->font, dpi)), FALSE);
    PlaceControl(child, plan->rect);
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Window::ControlColours(HDC dc, HWND control) {
  const ControlPlan* plan = PlanOf(control);
  COLORREF colour = back_;
  if (plan != nullptr && plan->back != kParentBack) colour = plan->back;
  // Read-only edits ask here too; they stay white as text boxes.
  const bool box = plan != nullptr && (plan->kind == ControlKind::kReadOnlyEdit ||
                                       plan->kind == ControlKind::kMultiLineEdit);
  if (box && plan->back == kParentBack) colour = kWhite;
  SetTextColor(dc, plan != nullptr ? plan->text : kBlack);
  SetBkColor(dc, colour);
  return reinterpret_cast<LRESULT>(BrushOf(colour));
}

bool Window::DrawLink(const DRAWITEMSTRUCT& item) {
  const ControlPlan* plan = PlanOf(item.hwndItem);
  if (plan == nullptr || plan->kind != ControlKind::kLink) return false;
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  FillRect(dc, &area, BrushOf(plan->back == kParentBack ? back_ : plan->back));
  const std::wstring text = Wide(TextOf(item.hwndItem));
  HGDIOBJ old_font = SelectObject(dc, FontAt(plan->font, DpiOf(hwnd_)));
  SetTextColor(dc, plan->text);
  SetBkMode(dc, TRANSPARENT);
  RECT bounds = area;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
            DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0 && !text.empty()) DrawFocusRect(dc, &bounds);
  SelectObject(dc, old_font);
  return true;
}

LRESULT Window::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(hwnd_, &area);
      FillRect(reinterpret_cast<HDC>(wparam), &area, BrushOf(back_));
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ControlColours(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM:
      if (DrawLink(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam))) return TRUE;
      break;
    case WM_SETCURSOR: {
      const ControlPlan* plan = PlanOf(reinterpret_cast<HWND>(wparam));
      if (plan != nullptr && plan->kind == ControlKind::kLink) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi();
      OnDpiChanged();
      return 0;
    }
    case WM_CLOSE:
      if (modal_) {
        EndModal(IDCANCEL);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return window->OnMessage(message, wparam, lparam);
}

int RunModal(Window& window, HWND owner) {
  HWND hwnd = window.Handle();
  window.modal_ = true;
  window.modal_done_ = false;
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  if (auto hook = std::exchange(ModalHook(), nullptr)) hook(hwnd);
  MSG msg;
  int quit_code = -1;
  while (!window.modal_done_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit_code = static_cast<int>(msg.wParam);
      break;
    }
    if (!TranslateDialogKeys(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // The owner is enabled before the window hides, so the focus goes back to it.
  if (owner != nullptr) EnableWindow(owner, TRUE);
  ShowWindow(hwnd, SW_HIDE);
  window.modal_ = false;
  if (quit_code >= 0) {
    PostQuitMessage(quit_code);
    return IDCANCEL;
  }
  return window.modal_result_;
}

void SetModalHook(std::function<void(HWND)> hook) { ModalHook() = std::move(hook); }

bool TranslateDialogKeys(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || msg.hwnd == nullptr) return false;
  // Enter presses the focused button or link, as Space does; outside a
  // dialog box the system would send IDOK instead.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && msg.hwnd == GetFocus()) {
    const ControlPlan* plan = PlanOf(msg.hwnd);
    const bool link = plan != nullptr && plan->kind == ControlKind::kLink;
    const auto code = SendMessageW(msg.hwnd, WM_GETDLGCODE, 0, 0);
    if (link || (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
      SendMessageW(msg.hwnd, BM_CLICK, 0, 0);
      return true;
    }
  }
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  return root != nullptr && IsDialogMessageW(root, &msg) != FALSE;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace qvn::win
