#pragma once
// The subfolder selection window as its presenter sees it: a modal window
// of ticked rows, one per subfolder of a top folder, paged by a scroll bar,
// with a summary of the selection. A front end implements it over its
// toolkit; SubfolderPresenter holds the rules.

#include <string>
#include <vector>

#include "core/app/view_types.h"

namespace qvn::app {

/// What the main window asks of the subfolder window.
struct SubfolderRequest {
  /// The window's title. When it holds "included" (any letter case) the
  /// summary adds a line with the bytes selected.
  std::string caption = "Select subfolders";
  std::string top_folder;
  /// Names chosen before: their rows start ticked (any letter case).
  std::vector<std::string> chosen;
  int rows_per_page = 13;  ///< rows shown at once
  bool omit_sizes = true;  ///< no byte sizes are gathered or shown
  TwipsRect place;         ///< the window's outer frame
  /// Said, before the window closes, when the top folder has no subfolders.
  std::string none_text = "The top folder has no subfolders.";
};

/// A row as shown: its caption (long ones shortened) and its tick.
struct ShownRow {
  std::string caption;
  bool ticked = false;
  bool operator==(const ShownRow&) const = default;
};

/// How the rows are paged: rows shown at once, and the scroll bar's range
/// (from 0 to scroll_max, no bar when 0) and page step.
struct RowPaging {
  int visible_rows = 0;
  int scroll_max = 0;
  int page_step = 1;
  bool operator==(const RowPaging&) const = default;
};

class SubfolderView : public WindowThread {
 public:
  virtual void SetTitle(const std::string& title) = 0;
  /// Shows text where the rows go, the rows hidden, the scroll bar at 0 and
  /// hidden; only Cancel acts meanwhile.
  virtual void ShowReading(const std::string& text) = 0;
  /// Sizes the window for the rows and sets up the scroll bar at 0.
  virtual void LayOutRows(const RowPaging& paging) = 0;
  /// The visible rows, from the first.
  virtual void ShowRows(const std::vector<ShownRow>& rows) = 0;
  /// The summary; LF breaks its lines.
  virtual void SetSummary(const std::string& text) = 0;
  virtual void FocusAccept() = 0;
  virtual void FocusCancel() = 0;
  virtual void ShowMessage(const Message& message) = 0;
  /// Ends the modal showing.
  virtual void Close() = 0;
};

}  // namespace qvn::app
