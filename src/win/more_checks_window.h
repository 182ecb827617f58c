#pragma once
// frmMoreChecks: the checks beyond the line scan, each off by default. The
// main window owns the choice; this modal window edits a copy of it, and
// OK hands the copy back once it passes validation (app/more_checks_rules.h).

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "core/site/selection.h"
#include "win/win_ui.h"

namespace qvn::win {

/// Shows the window modally over owner on current; the checks chosen, tidied
/// as OK keeps them, or none when cancelled.
std::optional<MoreChecks> ChooseMoreChecksWindow(HWND owner, const MoreChecks& current);

class MoreChecksWindow : public Window {
 public:
  /// A hidden window showing more.
  MoreChecksWindow(HWND owner, const MoreChecks& more);

  /// The checks as the window shows them, tidied as OK keeps them.
  MoreChecks Choice() const;
  /// True once OK was accepted (the window then ends its modal showing).
  bool accepted() const { return accepted_; }

  /// Seams for tests: the folder browser, given the folder to start in
  /// ("" when cancelled), and the message OK shows for a problem.
  std::function<std::string(const std::string& start)> browse_for_folder;
  std::function<void(const std::string& text, const std::string& title)> show_message;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void CreateControls();
  void Show(const MoreChecks& more);
  MoreChecks Shown() const;
  void UpdateEnabled();
  void BrowseClicked();
  void OkClicked();

  MoreChecks shown_;  // what the window was opened with
  bool accepted_ = false;
};

}  // namespace qvn::win
