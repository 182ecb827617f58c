#include "win/win_list.h"

#include "win/win_ui.h"

namespace qvn::win {
namespace {

constexpr UINT kUnticked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kTicked = INDEXTOSTATEIMAGEMASK(2);

}  // namespace

void AddListColumns(HWND list, const std::vector<ListColumn>& columns, int dpi) {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    std::wstring caption = Wide(columns[i].caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = caption.data();
    column.cx = Px(columns[i].width, dpi);
    column.iSubItem = static_cast<int>(i);
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

int AppendListItem(HWND list, std::string_view text) {
  std::wstring wide = Wide(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = wide.data();
  return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void SetListItemText(HWND list, int item, int column, std::string_view text) {
  std::wstring wide = Wide(text);
  LVITEMW change{};
  change.iSubItem = column;
  change.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
}

std::string ListItemText(HWND list, int item, int column) {
  std::wstring buffer(1024, L'\0');
  LVITEMW request{};
  request.iSubItem = column;
  request.pszText = buffer.data();
  request.cchTextMax = static_cast<int>(buffer.size());
  const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                   reinterpret_cast<LPARAM>(&request));
  buffer.resize(static_cast<std::size_t>(length));
  return Utf8(buffer);
}

bool IsListItemChecked(HWND list, int item) {
  const auto state = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item),
                                  LVIS_STATEIMAGEMASK);
  return (static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) == kTicked;
}

void SetListItemChecked(HWND list, int item, bool checked) {
  LVITEMW change{};
  change.stateMask = LVIS_STATEIMAGEMASK;
  change.state = checked ? kTicked : kUnticked;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
}

void HideListItemBox(HWND list, int item) {
  LVITEMW change{};
  change.stateMask = LVIS_STATEIMAGEMASK;
  change.state = 0;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
}

bool IsCheckChange(const NMLISTVIEW& change) {
  return change.iItem >= 0 && (change.uChanged & LVIF_STATE) != 0 &&
         ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) != 0 &&
         (change.uOldState & LVIS_STATEIMAGEMASK) != 0;
}

bool IsTicked(const NMLISTVIEW& change) {
  return (change.uNewState & LVIS_STATEIMAGEMASK) == kTicked;
}

void FillListText(LVITEMW& item, std::string_view text) {
  if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
  const std::wstring wide = Wide(text);
  lstrcpynW(item.pszText, wide.c_str(), item.cchTextMax);
}

int SelectedListItem(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectListItem(HWND list, int item) {
  LVITEMW change{};
  change.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  change.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
  SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}

}  // namespace qvn::win
