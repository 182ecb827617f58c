#include "win/win_ui.h"

#include <commctrl.h>

#include <map>
#include <mutex>
#include <tuple>

#include "core/platform/windows/win32.h"

namespace qvn::win {
namespace {

constexpr wchar_t kPlanProperty[] = L"QvnControlPlan";
constexpr wchar_t kTooltipProperty[] = L"QvnTooltip";

struct Search {
  std::string_view name;
  HWND found = nullptr;
};

BOOL CALLBACK MatchName(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  const ControlPlan* plan = PlanOf(child);
  if (plan == nullptr || plan->name != search->name) return TRUE;
  search->found = child;
  return FALSE;
}

}  // namespace

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = static_cast<int>(utf8.size());
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, out.data(), size);
  return out;
}

std::string Utf8(std::wstring_view wide) {
  if (const auto exact = Utf8Of(wide)) return *exact;
  // A lone surrogate (possible in a Windows name): shown, if not exactly.
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring WithCrLf(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) out += L'\r';
    out += text[i];
  }
  return out;
}

int DpiOf(HWND window) {
  const UINT dpi = window != nullptr ? GetDpiForWindow(window) : GetDpiForSystem();
  return dpi != 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

int Px(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

int Twips(int pixels, int dpi) { return MulDiv(pixels, 1440, dpi); }

RECT PixelRect(const app::TwipsRect& twips, int dpi) {
  const int left = Px(twips.left, dpi);
  const int top = Px(twips.top, dpi);
  return RECT{left, top, left + Px(twips.width, dpi), top + Px(twips.height, dpi)};
}

app::TwipsRect WindowPlace(HWND window) {
  const int dpi = DpiOf(window);
  RECT outer{};
  RECT inner{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &inner);
  return {Twips(outer.left, dpi), Twips(outer.top, dpi), Twips(inner.right, dpi),
          Twips(inner.bottom, dpi)};
}

void SetWindowPlace(HWND window, const app::TwipsRect& place) {
  const int dpi = DpiOf(window);
  RECT frame{0, 0, Px(place.width, dpi), Px(place.height, dpi)};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  AdjustWindowRectExForDpi(&frame, style, FALSE, ex_style, static_cast<UINT>(dpi));
  SetWindowPos(window, nullptr, Px(place.left, dpi), Px(place.top, dpi), frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveWindowTo(HWND window, int left_twips, int top_twips) {
  const int dpi = DpiOf(window);
  SetWindowPos(window, nullptr, Px(left_twips, dpi), Px(top_twips, dpi), 0, 0,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

HFONT FontAt(const FontPlan& font, int dpi) {
  static std::mutex mutex;
  static std::map<std::tuple<std::wstring, int, bool, bool, int>, HFONT> fonts;
  const int centipoints = static_cast<int>(font.points * 100 + 0.5);
  const auto key = std::make_tuple(std::wstring(font.face), centipoints, font.bold, font.underline, dpi);
  std::lock_guard lock(mutex);
  if (const auto it = fonts.find(key); it != fonts.end()) return it->second;
  LOGFONTW plan{};
  // Points are 1/72 inch; a negative height asks for the character height.
  plan.lfHeight = -MulDiv(centipoints, dpi, 7200);
  plan.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  plan.lfUnderline = font.underline ? TRUE : FALSE;
  plan.lfCharSet = DEFAULT_CHARSET;
  plan.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(plan.lfFaceName, font.face, LF_FACESIZE);
  HFONT made = CreateFontIndirectW(&plan);
  fonts.emplace(key, made);
  return made;
}

HBRUSH BrushOf(COLORREF colour) {
  static std::mutex mutex;
  static std::map<COLORREF, HBRUSH> brushes;
  std::lock_guard lock(mutex);
  auto [it, added] = brushes.emplace(colour, nullptr);
  if (added) it->second = CreateSolidBrush(colour);
  return it->second;
}

const ControlPlan* PlanOf(HWND control) {
  return static_cast<const ControlPlan*>(GetPropW(control, kPlanProperty));
}

std::string ObjectNameOf(HWND control) {
  const ControlPlan* plan = PlanOf(control);
  return plan != nullptr ? plan->name : std::string();
}

HWND FindControl(HWND window, std::string_view object_name) {
  Search search{object_name};
  EnumChildWindows(window, MatchName, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return Utf8(text);
}

void SetTextOf(HWND control, std::string_view utf8) {
  SetWindowTextW(control, WithCrLf(Wide(utf8)).c_str());
}

void SetTooltip(HWND control, const std::string& text) {
  HWND root = GetAncestor(control, GA_ROOT);
  auto tip = static_cast<HWND>(GetPropW(root, kTooltipProperty));
  if (tip == nullptr) {
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, Px(6000, DpiOf(root)));
    SetPropW(root, kTooltipProperty, tip);
  }
  std::wstring wide = Wide(text);
  TOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = root;
  info.uId = reinterpret_cast<UINT_PTR>(control);
  info.lpszText = wide.data();
  SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  if (!text.empty()) SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags) {
  return MessageBoxW(owner, WithCrLf(Wide(text)).c_str(), Wide(title).c_str(), flags);
}

UINT MessageBoxIcon(app::Icon icon) {
  switch (icon) {
    case app::Icon::kWarning:
      return MB_ICONWARNING;
    case app::Icon::kCritical:
      return MB_ICONERROR;
    case app::Icon::kNone:
      break;
  }
  return 0;
}

}  // namespace qvn::win
