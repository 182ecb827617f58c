#pragma once
// frmSelectSubfolders: a modal window in which the user ticks some of the
// subfolders lying directly in a top folder. The rows are a list with check
// boxes (object name "chkSubfolder", its items the rows), paged by the
// list's own scroll bar; "picSubfolders" shows the progress while the disk
// is read, and a label sums up the selection. The rules are
// SubfolderPresenter's; this window shows what it says and passes clicks on.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/subfolder_presenter.h"
#include "win/window_tasks.h"
#include "win/win_ui.h"

namespace qvn::win {

/// Shows the window modally over owner; the names ticked, or none when the
/// user left without "Accept".
std::optional<std::vector<std::string>> ChooseSubfoldersWindow(
    HWND owner, const app::SubfolderRequest& request);

class SelectSubfoldersWindow : public Window, private app::SubfolderView {
 public:
  /// A hidden window placed as request.place says (a zero place keeps the
  /// designed size). Showing it reads the disk. reader lists the folders
  /// (nullptr: the disk); it must outlive the window.
  SelectSubfoldersWindow(HWND owner, const app::SubfolderRequest& request,
                         const FolderReader* reader = nullptr);
  ~SelectSubfoldersWindow() override;

  /// The window's rules and its answer (accepted(), chosen()).
  const app::SubfolderPresenter& presenter() const { return presenter_; }

  /// Shows a message and returns once it is answered; a seam for tests.
  std::function<void(const app::Message&)> show_message;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnDpiChanged() override;

 private:
  // SubfolderView.
  void SetTitle(const std::string& title) override;
  void ShowReading(const std::string& text) override;
  void LayOutRows(const app::RowPaging& paging) override;
  void ShowRows(const std::vector<app::ShownRow>& rows) override;
  void SetSummary(const std::string& text) override;
  void FocusAccept() override;
  void FocusCancel() override;
  void ShowMessage(const app::Message& message) override;
  void Close() override;
  void RunInBackground(std::function<void()> work, std::function<void()> done) override;
  void PostToWindow(std::function<void()> task) override;

  void Command(int id);
  void RowChanged(const NMLISTVIEW& change);
  void FollowScrolling();
  static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR id, DWORD_PTR self);

  // Layout (select_subfolders_layout.cpp).
  void CreateControls(HWND owner, const std::string& caption);
  void PrepareList();
  int WindowWidth() const;
  int WindowHeight() const;
  void SetWindowHeight(int twips);
  void ArrangeControls();
  void PlaceRows();
  void FollowWidth();

  HWND accept_ = nullptr;
  HWND cancel_ = nullptr;
  HWND select_all_ = nullptr;
  HWND deselect_all_ = nullptr;
  HWND reading_box_ = nullptr;  ///< "picSubfolders": the progress while reading
  HWND list_ = nullptr;         ///< "chkSubfolder": one item a row
  HWND summary_ = nullptr;
  app::TwipsRect rows_area_{180, 105, 7155, 3795};  ///< where the rows go
  int visible_rows_ = 0;
  int first_row_ = 0;      ///< the row at the top of the list
  bool reading_ = false;   ///< the progress shows where the rows go
  bool laid_out_ = false;  ///< the rows are laid out
  bool filling_ = false;   ///< the list changes by the window's hand, not the user's
  std::unique_ptr<WindowTasks> tasks_;  ///< made with the window, which runs its tasks
  app::SubfolderPresenter presenter_;
};

}  // namespace qvn::win
