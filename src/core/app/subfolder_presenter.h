#pragma once
// The subfolder selection window's rules: each showing reads the top
// folder's subfolders on a worker thread (with progress, and Cancel
// stopping it), then the rows are sorted, the names chosen before ticked,
// paged and summed up; Accept hands back the ticked names.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "core/app/subfolder_rows.h"
#include "core/app/subfolder_view.h"

namespace qvn::app {

class SubfolderPresenter {
 public:
  /// reader lists the folders; it and view must outlive the presenter.
  SubfolderPresenter(SubfolderView& view, SubfolderRequest request,
                     const FolderReader& reader = DiskFolderReader());
  ~SubfolderPresenter();
  SubfolderPresenter(const SubfolderPresenter&) = delete;
  SubfolderPresenter& operator=(const SubfolderPresenter&) = delete;

  // The user's actions. While busy only Cancel and the close box act.
  /// The window was shown: the disk is read afresh.
  void Shown();
  /// The visible row index was clicked, leaving its box ticked or not.
  void RowClicked(int index, bool ticked);
  /// The scroll bar moved: first_row is the first row shown.
  void Scrolled(int first_row);
  /// "Select all" (true) or "Deselect all" (false).
  void SelectAll(bool select);
  void Accept();
  void Cancel();
  /// The close box: the window says to leave by Accept or Cancel, then closes.
  void CloseAsked();
  /// Tells a reading under way to stop (the window is going).
  void StopReading();

  /// True while the disk is read, and when it found no subfolders (the
  /// window then says so and closes).
  bool busy() const { return busy_; }
  /// True after Accept.
  bool accepted() const { return accepted_; }
  /// After Accept: the ticked names in list order.
  const std::vector<std::string>& chosen() const { return chosen_; }
  const std::vector<SubfolderRow>& rows() const { return rows_; }

 private:
  void StartReading();
  void ReadingDone(const SubfolderReading& reading);
  void ShowVisibleRows();
  void ShowSummary();

  SubfolderView& view_;
  SubfolderRequest request_;
  const FolderReader& reader_;
  std::vector<SubfolderRow> rows_;
  int first_row_ = 0;
  int visible_rows_ = 0;
  bool busy_ = true;
  bool accepted_ = false;
  std::vector<std::string> chosen_;
  /// Tells the reading under way to stop; a new one gets its own.
  std::shared_ptr<std::atomic<bool>> stop_reading_;
};

}  // namespace qvn::app
