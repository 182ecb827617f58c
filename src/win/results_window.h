#pragma once
// frmResults: the broken links of the last check as a virtual list (page,
// line, link as written, missing target, note). The list holds no item of
// its own: it asks for each cell it paints, so a million rows cost nothing.
// A header click sorts by that column (again: the other way), the filter
// box shows only the rows that contain its text, the counts by kind stand
// at the top, and a double-click opens the row's page in the user's
// default application.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/app/choices.h"
#include "core/results/results_view.h"
#include "core/results/run_results.h"
#include "win/win_ui.h"

namespace qvn::win {

class RepairWindow;

class ResultsWindow : public Window {
 public:
  /// A hidden window owned by owner.
  explicit ResultsWindow(HWND owner);
  ~ResultsWindow() override;

  /// Shows the broken links of result instead of the current ones: rows in
  /// walk order (no column sorted), the filter text kept and applied. The
  /// window shares result, not a copy.
  void SetResults(std::shared_ptr<const CheckResult> result);
  void SetCaption(const std::string& caption);
  /// Empties the list; reason stands where the counts were.
  void Clear(const std::string& reason);
  /// What "Repair..." needs besides the results: the choices of the check
  /// that found them, and where repairs keep their backups. Until given,
  /// the button stays disabled.
  void SetRepairSource(const app::Choices& choices, const std::string& repairs_folder);
  /// The Repair window, once "Repair..." opened it (null before).
  RepairWindow* repair_window() const { return repair_window_.get(); }

  /// Seams for tests: opening a page (full path) in its application, false
  /// on failure, and the message shown then.
  std::function<bool(const std::string& path)> open_file;
  std::function<void(const std::string& text, const std::string& title)> show_message;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnDpiChanged() override;

 private:
  void CreateControls();
  void LayOut();
  LRESULT Notified(const NMHDR& header);
  void CellWanted(LVITEMW& item) const;
  void ColumnClicked(int column);
  void ShowSortArrows();
  void FilterChanged();
  void ShowRowCount();
  void UpdateCounts();
  void UpdateShown();
  void OpenRow(int row);
  void UpdateRepairButton();
  void OpenRepair();

  HWND counts_ = nullptr;
  HWND filter_ = nullptr;
  HWND shown_ = nullptr;
  HWND list_ = nullptr;
  std::shared_ptr<const CheckResult> result_ = std::make_shared<const CheckResult>();
  ResultsView view_;
  std::optional<ResultsColumn> sorted_;  ///< none: walk order
  bool ascending_ = true;
  app::Choices repair_choices_;
  std::string repairs_folder_;  // "" until SetRepairSource
  std::unique_ptr<RepairWindow> repair_window_;
};

}  // namespace qvn::win
