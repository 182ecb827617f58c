#include "win/repair_window.h"

#include <algorithm>

#include "win/win_list.h"
#include "win/win_plan.h"

namespace qvn::win {
namespace {

// Geometry in twips, as the Linux window's.
constexpr int kDesignWidth = 10500;
constexpr int kDesignHeight = 7200;
constexpr int kMargin = 120;
constexpr int kRowHeight = 300;
constexpr int kStatusHeight = 660;
constexpr int kButtonWidth = 1095;
constexpr int kUndoWidth = 1800;
constexpr int kButtonHeight = 375;

constexpr UINT kTasksWaiting = WM_APP + 1;

enum Id { kRulesLabel = 101, kMoved, kNear, kList, kPreview, kStatus, kApply, kUndo, kClose };

}  // namespace

RepairWindow::RepairWindow(HWND owner, const std::string& repairs_folder)
    : presenter_(*this, repairs_folder) {
  Create(L"QvnRepair", "Repair broken links", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, owner,
         {0, 0, kDesignWidth, kDesignHeight}, GetSysColor(COLOR_BTNFACE));
  tasks_ = std::make_unique<WindowTasks>(Handle(), kTasksWaiting);
  CreateControls();
  LayOut();
}

RepairWindow::~RepairWindow() { tasks_->WaitForAll(); }

void RepairWindow::CreateControls() {
  const FontPlan font = TahomaFont();
  AddControl(Plan(ControlKind::kLabel, "lblAlsoRepair", "Also repair:", {}, font, kRulesLabel));
  AddControl(Plan(ControlKind::kCheckBox, "chkMoved", "Files moved elsewhere in the site", {},
                  font, kMoved));
  AddControl(
      Plan(ControlKind::kCheckBox, "chkNear", "Names that differ a little", {}, font, kNear));
  list_ = AddControl(Plan(ControlKind::kListView, "lstRepairs", "", {}, font, kList,
                          LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER));
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  AddListColumns(list_, {{"Repair", kDesignWidth}}, DpiOf(Handle()));
  AddControl(Plan(ControlKind::kMultiLineEdit, "txbPreview", "", {}, {L"Courier New", 9},
                  kPreview, ES_READONLY | WS_HSCROLL | ES_AUTOHSCROLL));
  AddControl(Plan(ControlKind::kWrapLabel, "lblStatus", "", {}, font, kStatus));
  AddControl(Plan(ControlKind::kButton, "cmdApply", "Apply", {}, font, kApply));
  AddControl(Plan(ControlKind::kButton, "cmdUndo", "Undo last repair", {}, font, kUndo));
  AddControl(Plan(ControlKind::kButton, "cmdClose", "Close", {}, font, kClose));
}

// The list takes three fifths of the height the rest leaves, the preview two.
void RepairWindow::LayOut() {
  // Sized once as it is made, before it has controls.
  if (GetWindow(Handle(), GW_CHILD) == nullptr) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const int dpi = DpiOf(Handle());
  const int width = Twips(client.right, dpi);
  const int height = Twips(client.bottom, dpi);
  const int inner = std::max(width - 2 * kMargin, 0);
  PlaceControl(Control(kRulesLabel), {kMargin, kMargin + 30, 1100, kRowHeight});
  PlaceControl(Control(kMoved), {kMargin + 1150, kMargin, 3500, kRowHeight});
  PlaceControl(Control(kNear), {kMargin + 4750, kMargin, 3200, kRowHeight});
  const int button_top = height - kMargin - kButtonHeight;
  const int status_top = button_top - kMargin - kStatusHeight;
  const int top = 2 * kMargin + kRowHeight;
  const int lists = std::max(status_top - kMargin - top, 0);
  const int list_height = lists * 3 / 5;
  PlaceControl(list_, {kMargin, top, inner, list_height});
  PlaceControl(Control(kPreview),
               {kMargin, top + list_height + kMargin, inner, std::max(lists - list_height - kMargin, 0)});
  PlaceControl(Control(kStatus), {kMargin, status_top, inner, kStatusHeight});
  PlaceControl(Control(kApply), {kMargin, button_top, kButtonWidth, kButtonHeight});
  PlaceControl(Control(kUndo),
               {2 * kMargin + kButtonWidth, button_top, kUndoWidth, kButtonHeight});
  PlaceControl(Control(kClose),
               {width - kMargin - kButtonWidth, button_top, kButtonWidth, kButtonHeight});
  // One column as wide as the list, less its scroll bar.
  SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
}

void RepairWindow::OnDpiChanged() { LayOut(); }

void RepairWindow::Open(const app::Choices& choices, std::shared_ptr<const CheckResult> result) {
  presenter_.Open(choices, std::move(result));
}

void RepairWindow::ShowRows(const std::vector<app::RepairRow>& rows) {
  filling_ = true;
  rows_ = rows;
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  for (const app::RepairRow& row : rows) {
    const int item = AppendListItem(list_, row.text);
    if (row.can_tick)
      SetListItemChecked(list_, item, row.ticked);
    else
      HideListItemBox(list_, item);
  }
  SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
  filling_ = false;
}

void RepairWindow::ShowPreview(const std::string& text) { SetTextOf(Control(kPreview), text); }

void RepairWindow::ShowStatus(const std::string& text) { SetTextOf(Control(kStatus), text); }

void RepairWindow::EnableApply(bool enabled) { EnableWindow(Control(kApply), enabled); }

void RepairWindow::EnableUndo(bool enabled) { EnableWindow(Control(kUndo), enabled); }

void RepairWindow::EnableChoices(bool enabled) {
  for (int id : {kMoved, kNear, kList}) EnableWindow(Control(id), enabled);
}

void RepairWindow::RunInBackground(std::function<void()> work, std::function<void()> done) {
  tasks_->Run(std::move(work), std::move(done));
}

void RepairWindow::PostToWindow(std::function<void()> task) { tasks_->Post(std::move(task)); }

void RepairWindow::ListChanged(const NMLISTVIEW& change) {
  if (filling_ || change.iItem < 0 || static_cast<std::size_t>(change.iItem) >= rows_.size())
    return;
  const auto row = static_cast<std::size_t>(change.iItem);
  const bool boxed = (change.uNewState & LVIS_STATEIMAGEMASK) != 0;
  if ((change.uChanged & LVIF_STATE) != 0 && boxed && !rows_[row].can_tick) {
    // The list gives a row without a box one on the space bar: it goes again.
    filling_ = true;
    HideListItemBox(list_, change.iItem);
    filling_ = false;
    return;
  }
  if (IsCheckChange(change)) {
    rows_[row].ticked = IsTicked(change);
    presenter_.Tick(row, rows_[row].ticked);
    return;
  }
  const bool selected = (change.uChanged & LVIF_STATE) != 0 &&
                        (change.uNewState & LVIS_SELECTED) != 0 &&
                        (change.uOldState & LVIS_SELECTED) == 0;
  if (selected) presenter_.Select(row);
}

void RepairWindow::Clicked(int id) {
  switch (id) {
    case kMoved:
    case kNear:
      presenter_.SetRules(SendMessageW(Control(kMoved), BM_GETCHECK, 0, 0) == BST_CHECKED,
                          SendMessageW(Control(kNear), BM_GETCHECK, 0, 0) == BST_CHECKED);
      break;
    case kApply:
      presenter_.Apply();
      break;
    case kUndo:
      presenter_.UndoLast();
      break;
    case kClose:
    case IDCANCEL:  // also Escape
      ShowWindow(Handle(), SW_HIDE);
      break;
    default:
      break;
  }
}

LRESULT RepairWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kTasksWaiting:
      tasks_->RunPosted();
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
      if (header.hwndFrom == list_ && header.code == LVN_ITEMCHANGED)
        ListChanged(reinterpret_cast<const NMLISTVIEW&>(header));
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        Clicked(LOWORD(wparam));
        return 0;
      }
      break;
    case WM_SIZE:
      LayOut();
      break;
    case WM_CLOSE:
      // Kept for the next repair: closing hides it.
      ShowWindow(Handle(), SW_HIDE);
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace qvn::win
