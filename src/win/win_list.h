#pragma once
// List view helpers the windows share: columns in twips, item texts and
// check boxes in UTF-8, and the text a virtual list hands back on request.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

namespace qvn::win {

/// A list column: its header and width in twips.
struct ListColumn {
  std::string caption;
  int width = 0;
};

/// Adds columns to a report list view, widths at dpi.
void AddListColumns(HWND list, const std::vector<ListColumn>& columns, int dpi);

/// Adds an item with text at the end; returns its index.
int AppendListItem(HWND list, std::string_view text);
void SetListItemText(HWND list, int item, int column, std::string_view text);
std::string ListItemText(HWND list, int item, int column);

/// An item's check box (LVS_EX_CHECKBOXES).
bool IsListItemChecked(HWND list, int item);
void SetListItemChecked(HWND list, int item, bool checked);
/// Takes an item's check box away: a row that cannot be ticked.
void HideListItemBox(HWND list, int item);

/// For LVN_ITEMCHANGED: true when the change ticked or unticked the box of
/// an item that had one (an item gaining its box is not a click).
bool IsCheckChange(const NMLISTVIEW& change);
/// For such a change: whether the box is now ticked.
bool IsTicked(const NMLISTVIEW& change);

/// Copies text into the buffer of an LVN_GETDISPINFO request, cut to fit.
void FillListText(LVITEMW& item, std::string_view text);

/// The index of the selected item of a single-selection list; -1 for none.
int SelectedListItem(HWND list);
/// Selects and focuses item, scrolled into view.
void SelectListItem(HWND list, int item);

}  // namespace qvn::win
