#pragma once
// frmOrphans: the result of an orphan search, as two read-only lists with
// their counts: the files no page links to, and the files reachable only
// from those. The main window runs the search and hands the result over.

#include <windows.h>

#include <string>

#include "core/results/run_results.h"
#include "win/win_ui.h"

namespace qvn::win {

class OrphansWindow : public Window {
 public:
  /// A hidden window owned by owner.
  explicit OrphansWindow(HWND owner);

  /// Shows the lists of result (not stopped), found below top_folder.
  void SetOrphans(const OrphanResult& result, const std::string& top_folder);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnDpiChanged() override;

 private:
  void CreateControls();
  void LayOut();
};

}  // namespace qvn::win
