#include "win/results_window.h"

#include <shellapi.h>

#include <algorithm>

#include "core/app/results_texts.h"
#include "win/repair_window.h"
#include "win/win_list.h"
#include "win/win_plan.h"

namespace qvn::win {
namespace {

// Geometry in twips, as the viewers.
constexpr int kDesignWidth = 11670;
constexpr int kDesignHeight = 6585;
constexpr int kColumnWidths[kResultsColumns] = {3200, 800, 2700, 2700, 1800};
constexpr int kMargin = 120;
constexpr int kShownWidth = 2400;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;
constexpr const char kTitle[] = "Broken links table";

enum Id { kCountsId = 101, kFilterLabelId, kFilterId, kShownId, kListId, kRepairId, kCloseId };

// Every other row shaded, so the eye keeps to a row across the columns.
constexpr COLORREF kAlternateRow = RGB(245, 245, 245);

}  // namespace

ResultsWindow::ResultsWindow(HWND owner) {
  Create(L"QvnResults", kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, owner,
         {0, 0, kDesignWidth, kDesignHeight}, GetSysColor(COLOR_BTNFACE));
  open_file = [](const std::string& path) {
    const auto done = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", Wide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return done > 32;
  };
  show_message = [this](const std::string& text, const std::string& title) {
    ShowMessageBox(Handle(), text, title, MB_OK | MB_ICONWARNING);
  };
  CreateControls();
  view_.Reset(&result_->broken_links, result_->top_folder);
  LayOut();
  UpdateCounts();
  UpdateShown();
  UpdateRepairButton();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::CreateControls() {
  const FontPlan font = TahomaFont();
  counts_ = AddControl(Plan(ControlKind::kLabel, "lblCounts", "", {}, font, kCountsId));
  AddControl(Plan(ControlKind::kLabel, "lblFilter", "Filter:", {}, font, kFilterLabelId));
  filter_ = AddControl(Plan(ControlKind::kEdit, "txbFilter", "", {}, font, kFilterId));
  SendMessageW(filter_, EM_SETCUEBANNER, TRUE,
               reinterpret_cast<LPARAM>(L"Type to show only the rows that contain it"));
  shown_ = AddControl(Plan(ControlKind::kLabel, "lblShown", "", {}, font, kShownId));
  list_ = AddControl(Plan(ControlKind::kListView, "tblResults", "", {}, font, kListId,
                          LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS));
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  std::vector<ListColumn> columns;
  for (std::size_t column = 0; column < kResultsColumns; ++column)
    columns.push_back({app::ResultsColumnCaption(static_cast<ResultsColumn>(column)),
                       kColumnWidths[column]});
  AddListColumns(list_, columns, DpiOf(Handle()));
  AddControl(Plan(ControlKind::kButton, "cmdRepair", "Repair...", {}, font, kRepairId));
  AddControl(Plan(ControlKind::kButton, "cmdClose", "Close", {}, font, kCloseId));
}

// The list takes what the counts, the filter and the button leave.
void ResultsWindow::LayOut() {
  // Sized once as it is made, before it has controls.
  if (GetWindow(Handle(), GW_CHILD) == nullptr) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const int dpi = DpiOf(Handle());
  const int width = Twips(client.right, dpi);
  const int height = Twips(client.bottom, dpi);
  const int inner = std::max(width - 2 * kMargin, 0);
  PlaceControl(counts_, {kMargin, kMargin, inner, 300});
  PlaceControl(Control(kFilterLabelId), {kMargin, 540, 600, 300});
  PlaceControl(filter_,
               {kMargin + 660, 500, std::max(inner - 660 - kShownWidth - kMargin, 600), 330});
  PlaceControl(shown_, {width - kMargin - kShownWidth, 540, kShownWidth, 300});
  const int button_top = height - kMargin - kButtonHeight;
  PlaceControl(list_, {kMargin, 960, inner, std::max(button_top - kMargin - 960, 0)});
  PlaceControl(Control(kRepairId), {kMargin, button_top, kButtonWidth, kButtonHeight});
  PlaceControl(Control(kCloseId),
               {width - kMargin - kButtonWidth, button_top, kButtonWidth, kButtonHeight});
  // The last column stretches to the list's right edge.
  SendMessageW(list_, LVM_SETCOLUMNWIDTH, kResultsColumns - 1, LVSCW_AUTOSIZE_USEHEADER);
}

void ResultsWindow::OnDpiChanged() { LayOut(); }

void ResultsWindow::SetResults(std::shared_ptr<const CheckResult> result) {
  result_ = std::move(result);
  view_.Reset(&result_->broken_links, result_->top_folder);
  sorted_.reset();
  ascending_ = true;
  ShowSortArrows();
  ShowRowCount();
  UpdateCounts();
  UpdateShown();
  UpdateRepairButton();
}

void ResultsWindow::SetRepairSource(const app::Choices& choices,
                                    const std::string& repairs_folder) {
  repair_choices_ = choices;
  repairs_folder_ = repairs_folder;
  UpdateRepairButton();
}

void ResultsWindow::UpdateRepairButton() {
  EnableWindow(Control(kRepairId), !repairs_folder_.empty() && !result_->broken_links.empty());
}

void ResultsWindow::OpenRepair() {
  if (repairs_folder_.empty() || result_->broken_links.empty()) return;
  if (!repair_window_) repair_window_ = std::make_unique<RepairWindow>(Handle(), repairs_folder_);
  repair_window_->Open(repair_choices_, result_);
  ShowWindow(repair_window_->Handle(), SW_SHOW);
  SetForegroundWindow(repair_window_->Handle());
}

void ResultsWindow::SetCaption(const std::string& caption) {
  SetWindowTextW(Handle(), Wide(caption).c_str());
}

void ResultsWindow::Clear(const std::string& reason) {
  SetResults(std::make_shared<const CheckResult>());
  SetTextOf(counts_, reason);
}

void ResultsWindow::ShowRowCount() {
  SendMessageW(list_, LVM_SETITEMCOUNT, view_.size(), 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void ResultsWindow::UpdateCounts() { SetTextOf(counts_, app::ResultsCountsText(*result_)); }

void ResultsWindow::UpdateShown() {
  SetTextOf(shown_, app::ShownRowsText(view_.size(), result_->broken_links.size()));
}

void ResultsWindow::CellWanted(LVITEMW& item) const {
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= view_.size() ||
      item.iSubItem < 0 || item.iSubItem >= static_cast<int>(kResultsColumns))
    return;
  FillListText(item, view_.CellText(view_.EntryAt(static_cast<std::size_t>(item.iItem)),
                                    static_cast<ResultsColumn>(item.iSubItem)));
}

// First click on a column: ascending; clicking it again turns the order.
void ResultsWindow::ColumnClicked(int column) {
  if (column < 0 || column >= static_cast<int>(kResultsColumns)) return;
  const auto by = static_cast<ResultsColumn>(column);
  ascending_ = sorted_ == by ? !ascending_ : true;
  sorted_ = by;
  // The selected row follows its link to where it moves.
  const int selected = SelectedListItem(list_);
  const std::optional<std::size_t> entry =
      selected >= 0 ? std::optional(view_.EntryAt(static_cast<std::size_t>(selected)))
                    : std::nullopt;
  view_.SortBy(sorted_, ascending_);
  ShowSortArrows();
  ShowRowCount();
  if (entry)
    if (const auto row = view_.RowOf(*entry)) SelectListItem(list_, static_cast<int>(*row));
}

void ResultsWindow::ShowSortArrows() {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
  for (int column = 0; column < static_cast<int>(kResultsColumns); ++column) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (sorted_ && static_cast<int>(*sorted_) == column)
      item.fmt |= ascending_ ? HDF_SORTUP : HDF_SORTDOWN;
    SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  }
}

void ResultsWindow::FilterChanged() {
  view_.SetFilter(TextOf(filter_));
  ShowRowCount();
  UpdateShown();
}

void ResultsWindow::OpenRow(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= view_.size()) return;
  const std::string& path = result_->broken_links.Source(view_.EntryAt(static_cast<std::size_t>(row)));
  if (!open_file(path)) show_message(app::CannotOpenPageText(path), kTitle);
}

LRESULT ResultsWindow::Notified(const NMHDR& header) {
  if (header.hwndFrom != list_) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW:
      CellWanted(reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item);
      return 0;
    case LVN_COLUMNCLICK:
      ColumnClicked(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
      return 0;
    case NM_DBLCLK:
      OpenRow(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
      return 0;
    case NM_CUSTOMDRAW: {
      auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(const_cast<NMHDR&>(header));
      if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
      if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw.nmcd.dwItemSpec % 2 == 1)
        draw.clrTextBk = kAlternateRow;
      return CDRF_DODEFAULT;
    }
    default:
      return 0;
  }
}

LRESULT ResultsWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NOTIFY:
      return Notified(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_COMMAND:
      if (LOWORD(wparam) == kFilterId && HIWORD(wparam) == EN_CHANGE) {
        FilterChanged();
        return 0;
      }
      if (HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) == kRepairId) {
        OpenRepair();
        return 0;
      }
      if (HIWORD(wparam) == BN_CLICKED && (LOWORD(wparam) == kCloseId || LOWORD(wparam) == IDCANCEL)) {
        ShowWindow(Handle(), SW_HIDE);
        return 0;
      }
      break;
    case WM_SIZE:
      LayOut();
      break;
    case WM_CLOSE:
      // Kept for the next check: closing hides it.
      ShowWindow(Handle(), SW_HIDE);
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace qvn::win
