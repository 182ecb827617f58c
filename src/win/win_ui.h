#pragma once
// What every Win32 window of the program shares: UTF-8 <-> UTF-16, twips at
// the window's DPI, the design's fonts and colours, controls created at
// their designed places under the object names of the Linux program, and the
// message loops.
//
// Making a window with it:
//   class MyWindow : public Window {
//    public:
//     explicit MyWindow(HWND owner) {
//       Create(L"QvnMyWindow", "Caption", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, owner,
//              {0, 0, 6000, 4000}, kWindowBack);   // inner width and height in twips
//       AddControl({ControlKind::kButton, "cmdClose", "Close", {120, 3500, 1200, 360},
//                   TahomaFont(), kCloseId});
//     }
//    protected:
//     LRESULT OnMessage(UINT msg, WPARAM w, LPARAM l) override {
//       if (msg == WM_COMMAND && LOWORD(w) == kCloseId) { EndModal(IDOK); return 0; }
//       return Window::OnMessage(msg, w, l);   // colours, links, DPI, close
//     }
//   };
//   MyWindow window(owner); int result = RunModal(window, owner);
// Tests find a control by its object name: FindControl(window.Handle(), "cmdClose").

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/app/view_types.h"

namespace qvn::win {

// ---- Text -----------------------------------------------------------------

/// UTF-16 for UTF-8 text (invalid bytes become U+FFFD).
std::wstring Wide(std::string_view utf8);
/// UTF-8 for UTF-16 text; a lone surrogate becomes U+FFFD.
std::string Utf8(std::wstring_view wide);
/// text with every LF not preceded by CR turned into CR LF, as multi-line
/// edit controls need.
std::wstring WithCrLf(std::wstring_view text);

// ---- Geometry -------------------------------------------------------------

/// The window's dots per inch (96 where the system cannot tell).
int DpiOf(HWND window);
/// Pixels for twips at dpi (1440 twips an inch).
int Px(int twips, int dpi);
/// Twips for pixels at dpi.
int Twips(int pixels, int dpi);
/// A twips rectangle (left, top, width, height) in pixels at dpi.
RECT PixelRect(const app::TwipsRect& twips, int dpi);

/// The window's place: outer left and top on the screen, inner width and
/// height, all in twips at its DPI.
app::TwipsRect WindowPlace(HWND window);
/// Moves and sizes a window to place (as WindowPlace gives it).
void SetWindowPlace(HWND window, const app::TwipsRect& place);
/// Moves a window's outer frame to left and top (twips), keeping its size.
void MoveWindowTo(HWND window, int left_twips, int top_twips);

// ---- Fonts and colours ----------------------------------------------------

/// A font of the design, in points at 96 dots per inch.
struct FontPlan {
  const wchar_t* face = L"Tahoma";
  double points = 9.75;
  bool bold = false;
  bool underline = false;
  bool operator==(const FontPlan&) const = default;
};
inline FontPlan TahomaFont(double points = 9.75, bool bold = false) {
  return {L"Tahoma", points, bold, false};
}
inline FontPlan ArialFont(double points = 9.75) { return {L"Arial", points, false, false}; }
/// Underlined Tahoma, for web links.
inline FontPlan LinkFont(double points = 9.75) { return {L"Tahoma", points, false, true}; }

/// The font at dpi; kept for the program's life, never deleted by callers.
HFONT FontAt(const FontPlan& font, int dpi);

/// The main window's back colour (red 208, green 208, blue 240).
inline constexpr COLORREF kWindowBack = RGB(208, 208, 240);
/// The dark blue of links and notices.
inline constexpr COLORREF kDarkBlue = RGB(0, 0, 192);
/// The light yellow behind the subfolder window.
inline constexpr COLORREF kLightYellow = RGB(255, 255, 192);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
/// "Use the parent window's back colour".
inline constexpr COLORREF kParentBack = CLR_INVALID;

/// A solid brush of colour; kept for the program's life.
HBRUSH BrushOf(COLORREF colour);

// ---- Controls -------------------------------------------------------------

enum class ControlKind {
  kButton,
  kCheckBox,
  kEdit,           ///< one line
  kReadOnlyEdit,   ///< one line, selectable, white
  kMultiLineEdit,  ///< lines wrap; a vertical scroll bar (add WS_HSCROLL | ES_AUTOHSCROLL for none)
  kComboBox,       ///< a drop-down list
  kLabel,          ///< one line, no wrapping
  kWrapLabel,      ///< wraps words over its lines
  kLink,           ///< underlined, dark blue, a tab stop; clicks as a button (BN_CLICKED)
  kListBox,
  kListView,       ///< report view; add LVS_ styles through style
};

/// A control as designed.
struct ControlPlan {
  ControlPlan() = default;
  /// The usual fields, in braces: {kind, name, caption, rect, font, id}.
  ControlPlan(ControlKind kind, std::string name, std::string caption, app::TwipsRect rect,
              FontPlan font = TahomaFont(), int id = 0)
      : kind(kind), name(std::move(name)), caption(std::move(caption)), rect(rect), font(font),
        id(id) {}

  ControlKind kind = ControlKind::kButton;
  std::string name;     ///< the object name the Linux program gives it ("cmdCheckLinks")
  std::string caption;
  app::TwipsRect rect;  ///< inside the parent's inner area
  FontPlan font;
  int id = 0;           ///< its WM_COMMAND identifier
  DWORD style = 0;      ///< added to the kind's own
  std::string tooltip;  ///< "" for none
  COLORREF text = kBlack;
  COLORREF back = kParentBack;
};

/// The control's object name; "" for a window not made by CreateControl.
std::string ObjectNameOf(HWND control);
/// The descendant of window with that object name; nullptr if none.
HWND FindControl(HWND window, std::string_view object_name);
/// The control's design (for re-placing it); nullptr if not made by CreateControl.
const ControlPlan* PlanOf(HWND control);

/// A control's text as UTF-8 (CR LF kept as the control holds it).
std::string TextOf(HWND control);
/// Sets a control's text; LF becomes CR LF.
void SetTextOf(HWND control, std::string_view utf8);
/// Gives control a tooltip (one tooltip window per top-level window).
void SetTooltip(HWND control, const std::string& text);

/// A message box with the wide functions; returns its IDOK, IDYES...
int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags);
/// The message box flag that shows icon (0 for none).
UINT MessageBoxIcon(app::Icon icon);

// ---- Windows --------------------------------------------------------------

/// A top-level window with controls of the design. Handles for them: back
/// colours, link drawing and cursor, tooltips, DPI changes (every control
/// re-placed and re-fonted), Close (EndModal(IDCANCEL) while modal).
class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }
  /// Stops RunModal with result.
  void EndModal(int result);
  bool IsModal() const { return modal_; }
  /// The control with that identifier.
  HWND Control(int id) const { return GetDlgItem(hwnd_, id); }

 protected:
  /// Registers class_name (once) and creates the window hidden, its inner
  /// area place.width x place.height twips at place.left, place.top (outer
  /// frame, twips; CW_USEDEFAULT-like when both are 0).
  void Create(const wchar_t* class_name, const std::string& caption, DWORD style, DWORD ex_style,
              HWND owner, const app::TwipsRect& place, COLORREF back);
  /// Creates a child control at its place, at the window's DPI.
  HWND AddControl(const ControlPlan& plan);
  /// Re-places a control made by AddControl at rect (twips).
  void PlaceControl(HWND control, const app::TwipsRect& rect);
  /// Every message; the default handles what the class comment lists.
  virtual LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  /// After a DPI change, once the controls are re-placed.
  virtual void OnDpiChanged() {}
  COLORREF back() const { return back_; }

 private:
  friend int RunModal(Window& window, HWND owner);
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void ApplyDpi();
  bool DrawLink(const DRAWITEMSTRUCT& item);
  LRESULT ControlColours(HDC dc, HWND control);

  HWND hwnd_ = nullptr;
  COLORREF back_ = kWindowBack;
  std::vector<std::unique_ptr<ControlPlan>> plans_;
  bool modal_ = false;
  bool modal_done_ = false;
  int modal_result_ = 0;
};

/// Shows window modal over owner (disabled meanwhile) and runs messages
/// until EndModal; returns its result. A WM_QUIT met on the way is posted
/// again for the outer loop.
int RunModal(Window& window, HWND owner);

/// Tests: called once with the next modal window, shown, just before its
/// loop runs (then cleared). It may click the window's buttons (the loop
/// then ends at once) or post messages the loop will handle.
void SetModalHook(std::function<void(HWND)> hook);

/// Handles keyboard navigation (Tab, Enter, arrows) for the window msg is
/// for; true when it was used up.
bool TranslateDialogKeys(MSG& msg);

/// Runs messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace qvn::win
