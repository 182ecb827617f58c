#include "win/orphans_window.h"

#include <algorithm>

#include "core/app/results_texts.h"
#include "win/win_plan.h"

namespace qvn::win {
namespace {

// Size in twips, as the viewers'.
constexpr int kDesignWidth = 9780;
constexpr int kDesignHeight = 7200;
constexpr int kMargin = 120;
constexpr int kLabelHeight = 270;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

enum Id { kTopFolder = 101, kSummary, kNotLinkedLabel, kNotLinked, kOnlyLabel, kOnly, kTotals,
          kClose };

std::string Lines(const std::vector<std::string>& paths) {
  std::string lines;
  for (const auto& path : paths) {
    if (!lines.empty()) lines += '\n';
    lines += path;
  }
  return lines;
}

}  // namespace

OrphansWindow::OrphansWindow(HWND owner) {
  // The main window's colour: its labels here take it as the main window's own do.
  Create(L"QvnOrphans", "Orphan files", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, owner,
         {0, 0, kDesignWidth, kDesignHeight}, kWindowBack);
  CreateControls();
  LayOut();
}

void OrphansWindow::CreateControls() {
  const FontPlan font = TahomaFont();
  AddControl(Plan(ControlKind::kLabel, "lblTopFolder", "", {}, font, kTopFolder));
  AddControl(Plan(ControlKind::kWrapLabel, "lblSummary", "", {}, font, kSummary));
  AddControl(Plan(ControlKind::kLabel, "lblNotLinked", "", {}, font, kNotLinkedLabel));
  AddControl(Plan(ControlKind::kMultiLineEdit, "txbNotLinked", "", {}, ArialFont(), kNotLinked,
                  ES_READONLY | WS_TABSTOP));
  AddControl(Plan(ControlKind::kLabel, "lblOnlyFromOrphans", "", {}, font, kOnlyLabel));
  AddControl(Plan(ControlKind::kMultiLineEdit, "txbOnlyFromOrphans", "", {}, ArialFont(), kOnly,
                  ES_READONLY | WS_TABSTOP));
  AddControl(Plan(ControlKind::kLabel, "lblTotals", "", {}, font, kTotals));
  AddControl(Plan(ControlKind::kButton, "cmdClose", "Close", {}, font, kClose));
}

// The first list takes two thirds of the height the labels leave, the second one third.
void OrphansWindow::LayOut() {
  // Sized once as it is made, before it has controls.
  if (GetWindow(Handle(), GW_CHILD) == nullptr) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const int dpi = DpiOf(Handle());
  const int width = Twips(client.right, dpi);
  const int height = Twips(client.bottom, dpi);
  const int inner = std::max(width - 2 * kMargin, 0);
  PlaceControl(Control(kTopFolder), {kMargin, kMargin, inner, kLabelHeight});
  PlaceControl(Control(kSummary), {kMargin, 420, inner, 2 * kLabelHeight});
  PlaceControl(Control(kNotLinkedLabel), {kMargin, 1020, inner, kLabelHeight});
  const int button_top = height - kMargin - kButtonHeight;
  const int lists = std::max(button_top - kMargin - 1320 - kLabelHeight - 2 * kMargin, 0);
  const int first = lists * 2 / 3;
  PlaceControl(Control(kNotLinked), {kMargin, 1320, inner, first});
  const int second_top = 1320 + first + kMargin;
  PlaceControl(Control(kOnlyLabel), {kMargin, second_top, inner, kLabelHeight});
  PlaceControl(Control(kOnly),
               {kMargin, second_top + kLabelHeight + kMargin, inner, lists - first});
  PlaceControl(Control(kTotals), {kMargin, button_top + 60,
                                  std::max(inner - kButtonWidth - kMargin, 0), kLabelHeight});
  PlaceControl(Control(kClose),
               {width - kMargin - kButtonWidth, button_top, kButtonWidth, kButtonHeight});
}

void OrphansWindow::OnDpiChanged() { LayOut(); }

void OrphansWindow::SetOrphans(const OrphanResult& result, const std::string& top_folder) {
  const app::OrphanTexts texts = app::OrphanWindowTexts(result, top_folder);
  SetTextOf(Control(kTopFolder), texts.top_folder);
  SetTextOf(Control(kSummary), texts.summary);
  SetTextOf(Control(kNotLinkedLabel), texts.not_linked);
  SetTextOf(Control(kNotLinked), Lines(result.not_linked));
  SetTextOf(Control(kOnlyLabel), texts.only_from_orphans);
  SetTextOf(Control(kOnly), Lines(result.only_from_orphans));
  SetTextOf(Control(kTotals), texts.totals);
}

LRESULT OrphansWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && (LOWORD(wparam) == kClose || LOWORD(wparam) == IDCANCEL)) {
        ShowWindow(Handle(), SW_HIDE);
        return 0;
      }
      break;
    case WM_SIZE:
      LayOut();
      break;
    case WM_CLOSE:
      // Kept for the next search: closing hides it.
      ShowWindow(Handle(), SW_HIDE);
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace qvn::win
