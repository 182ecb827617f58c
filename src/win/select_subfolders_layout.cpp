// The subfolder selection window's controls and layout, in twips of the
// outer window as designed: the rows follow the window's width, the
// buttons and the summary its bottom.

#include "win/select_subfolders_window.h"

#include <commctrl.h>

#include <algorithm>

#include "win/win_list.h"
#include "win/win_plan.h"

namespace qvn::win {
namespace {

constexpr int kDesignClientWidth = 7770;
constexpr int kDesignClientHeight = 4770;
constexpr int kRowHeight = 380;
constexpr int kSelectAllId = 103;
constexpr int kDeselectAllId = 104;
constexpr int kListId = 105;
constexpr int kButtonHeight = 360;
constexpr int kSelectWidth = 1275;
constexpr int kAcceptWidth = 960;
constexpr int kGap = 150;

}  // namespace

void SelectSubfoldersWindow::CreateControls(HWND owner, const std::string& caption) {
  Create(L"QvnSelectSubfolders", caption,
         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, 0, owner,
         {0, 0, kDesignClientWidth, kDesignClientHeight}, kLightYellow);
  const FontPlan font = ArialFont(9.75);
  select_all_ = AddControl(Plan(ControlKind::kButton, "cmdSelectDeselectAllSubfolders_1",
                                "Select all", {210, 4080, kSelectWidth, kButtonHeight}, font,
                                kSelectAllId));
  deselect_all_ = AddControl(Plan(ControlKind::kButton, "cmdSelectDeselectAllSubfolders_0",
                                  "Deselect all", {1575, 4095, kSelectWidth, kButtonHeight}, font,
                                  kDeselectAllId));
  summary_ = AddControl(Plan(ControlKind::kWrapLabel, "lblNumSubfolders",
                             "There are 13,391 subfolders.", {2940, 3990, 2220, 645}, font,
                             kLightYellow));
  accept_ = AddControl(Plan(ControlKind::kButton, "cmdAccept", "Accept",
                            {5355, 4095, kAcceptWidth, kButtonHeight}, font, IDOK));
  cancel_ = AddControl(Plan(ControlKind::kButton, "cmdCancel", "Cancel",
                            {6720, 4095, kAcceptWidth, kButtonHeight}, font, IDCANCEL));
  reading_box_ =
      AddControl(Plan(ControlKind::kWrapLabel, "picSubfolders", "", rows_area_, ArialFont(11), kWhite));
  list_ = AddControl(Plan(ControlKind::kListView, "chkSubfolder", "", rows_area_, font, kListId,
                          LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS));
  PrepareList();
}

void SelectSubfoldersWindow::PrepareList() {
  ShowWindow(list_, SW_HIDE);
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = Px(rows_area_.width, DpiOf(Handle()));
  SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  // A row is as high as designed: the list takes its row height from its images.
  HIMAGELIST rows = ImageList_Create(1, Px(kRowHeight, DpiOf(Handle())), ILC_COLOR32, 1, 0);
  SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rows));
  SetWindowSubclass(list_, &SelectSubfoldersWindow::ListProcedure, 1,
                    reinterpret_cast<DWORD_PTR>(this));
}

int SelectSubfoldersWindow::WindowWidth() const {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  return Twips(frame.right - frame.left, DpiOf(Handle()));
}

int SelectSubfoldersWindow::WindowHeight() const {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  return Twips(frame.bottom - frame.top, DpiOf(Handle()));
}

void SelectSubfoldersWindow::SetWindowHeight(int twips) {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left,
               Px(std::max(twips, 0), DpiOf(Handle())),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SelectSubfoldersWindow::ArrangeControls() {
  const int top = WindowHeight() - kButtonHeight - 700;
  const int select_left = rows_area_.left;
  const int deselect_left = select_left + kSelectWidth + kGap;
  const int cancel_left = rows_area_.left + rows_area_.width - kAcceptWidth;
  PlaceControl(select_all_, {select_left, top, kSelectWidth, kButtonHeight});
  PlaceControl(deselect_all_, {deselect_left, top, kSelectWidth, kButtonHeight});
  PlaceControl(cancel_, {cancel_left, top, kAcceptWidth, kButtonHeight});
  PlaceControl(accept_, {cancel_left - kAcceptWidth - kGap, top, kAcceptWidth, kButtonHeight});
  const int label_width =
      WindowWidth() - 2 * (select_left + kSelectWidth + kAcceptWidth) - 600;
  PlaceControl(summary_, {deselect_left + kSelectWidth + kGap,
                          (rows_area_.top + rows_area_.height + top) / 2, std::max(label_width, 0),
                          PlanOf(summary_)->rect.height});
  PlaceRows();
}

void SelectSubfoldersWindow::PlaceRows() {
  PlaceControl(reading_box_, rows_area_);
  PlaceControl(list_, rows_area_);
  RECT inside;
  GetClientRect(list_, &inside);
  SendMessageW(list_, LVM_SETCOLUMNWIDTH, 0, inside.right - inside.left);
}

void SelectSubfoldersWindow::LayOutRows(const app::RowPaging& paging) {
  reading_ = false;
  laid_out_ = true;
  filling_ = true;
  SetTextOf(reading_box_, "");
  ShowWindow(reading_box_, SW_HIDE);
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  const int rows = paging.visible_rows + paging.scroll_max;
  SendMessageW(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), 0);
  for (int row = 0; row < rows; ++row) AppendListItem(list_, "");
  first_row_ = 0;
  // The list is as high as its visible rows and its frame; the window follows.
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  SendMessageW(list_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  // The frame alone: a scroll bar the list shows for the moment is not part of it.
  RECT frame_rect{0, 0, 0, 0};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(list_, GWL_STYLE));
  AdjustWindowRectExForDpi(&frame_rect, style & ~(WS_HSCROLL | WS_VSCROLL), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(list_, GWL_EXSTYLE)),
                           DpiOf(Handle()));
  const int frame = frame_rect.bottom - frame_rect.top;
  const int dpi = DpiOf(Handle());
  const int row_height = rows > 0 ? item.bottom - item.top : Px(kRowHeight, dpi);
  rows_area_.height = Twips(paging.visible_rows * row_height + frame, dpi);
  SetWindowHeight(rows_area_.height + 1400);
  ArrangeControls();
  ShowWindow(list_, paging.visible_rows > 0 ? SW_SHOW : SW_HIDE);
  filling_ = false;
}

// The rows follow the window's width, and the controls below them follow.
void SelectSubfoldersWindow::FollowWidth() {
  if (!laid_out_) return;
  rows_area_.width = WindowWidth() - 500;
  ArrangeControls();
}

void SelectSubfoldersWindow::OnDpiChanged() {
  HIMAGELIST rows = ImageList_Create(1, Px(kRowHeight, DpiOf(Handle())), ILC_COLOR32, 1, 0);
  if (HIMAGELIST old = reinterpret_cast<HIMAGELIST>(
          SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rows))))
    ImageList_Destroy(old);
  ArrangeControls();
}

}  // namespace qvn::win
