#pragma once
// frmRepair: the repairs proposed for the last check's broken links, a tick
// box each, a preview of the selected one's change, and the Apply and Undo
// last repair buttons. Every rule is the presenter's (app::RepairPresenter).

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/choices.h"
#include "core/app/repair_presenter.h"
#include "core/app/repair_view.h"
#include "win/win_ui.h"
#include "win/window_tasks.h"

namespace qvn::win {

class RepairWindow : public Window, public app::RepairView {
 public:
  /// A hidden window owned by owner; backups go into repairs_folder.
  RepairWindow(HWND owner, const std::string& repairs_folder);
  /// Waits for the work still running.
  ~RepairWindow() override;

  /// Shows the repairs proposed for result, a check run with choices.
  void Open(const app::Choices& choices, std::shared_ptr<const CheckResult> result);

  void ShowRows(const std::vector<app::RepairRow>& rows) override;
  void ShowPreview(const std::string& text) override;
  void ShowStatus(const std::string& text) override;
  void EnableApply(bool enabled) override;
  void EnableUndo(bool enabled) override;
  void EnableChoices(bool enabled) override;
  void RunInBackground(std::function<void()> work, std::function<void()> done) override;
  void PostToWindow(std::function<void()> task) override;
  /// True while the presenter's work runs (tests wait for it).
  bool busy() const { return presenter_.busy(); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnDpiChanged() override;

 private:
  void CreateControls();
  void LayOut();
  void ListChanged(const NMLISTVIEW& change);
  void Clicked(int id);

  HWND list_ = nullptr;
  std::unique_ptr<WindowTasks> tasks_;  // made once the window is
  app::RepairPresenter presenter_;      ///< after tasks_: goes first
  std::vector<app::RepairRow> rows_;  // as shown: a tick the presenter refused goes back
  bool filling_ = false;  // the list is being filled: its changes are not the user's
};

}  // namespace qvn::win
