#pragma once
// frmSelectSubfolders: a modal window in which the user ticks some of the
// subfolders lying directly in a top folder. Each subfolder is one row, a
// check box whose caption gives its name and what it holds; a label sums up
// the selection, and a scroll bar pages the rows when there are more than
// fit. The rules are SubfolderPresenter's; this window lays the rows out
// and passes clicks on. Each showing reads the disk afresh, on a worker.

#include <QDialog>
#include <vector>

#include "core/app/subfolder_presenter.h"
#include "gui/worker_thread.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace qvn::gui {

class SelectSubfoldersWindow : public QDialog, private app::SubfolderView {
  Q_OBJECT

 public:
  /// A hidden window (object name "frmSelectSubfolders") placed as
  /// request.place says (a zero place keeps the designed size). reader
  /// lists the folders (nullptr: the disk); it must outlive the window.
  explicit SelectSubfoldersWindow(const app::SubfolderRequest& request,
                                  QWidget* parent = nullptr,
                                  const FolderReader* reader = nullptr);
  ~SelectSubfoldersWindow() override;

  /// The window's rules and its answer (accepted(), chosen()).
  const app::SubfolderPresenter& presenter() const { return presenter_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  /// The wheel over the rows pages them as the scroll bar does.
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// Escape leaves as "Cancel" does.
  void reject() override;

 private slots:
  void acceptClicked();
  void cancelClicked();
  void selectAllClicked();
  void deselectAllClicked();
  void scrolled(int value);

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

  // Layout (select_subfolders_window_layout.cpp).
  void CreateControls();
  void CreateButtons();
  QCheckBox* CreateRow(int index);
  void SetOuterGeometry(const app::TwipsRect& place);
  int WindowWidth() const;
  int WindowHeight() const;
  void SetWindowHeight(int twips);
  void FollowWidth();
  void ArrangeControls();
  void PlaceScrollBar(const app::RowPaging& paging);
  void UnloadRows();

  QPushButton* acceptButton_;
  QPushButton* cancelButton_;
  QPushButton* selectAllButton_;
  QPushButton* deselectAllButton_;
  QLabel* rowsArea_;  ///< holds the rows; shows the reading text
  QScrollBar* scrollBar_;
  QLabel* summaryLabel_;
  std::vector<QCheckBox*> rows_;  ///< the visible rows; the first always exists
  bool reading_ = false;          ///< the reading text shows where the rows go
  bool laid_out_ = false;         ///< the rows are laid out
  WorkerThread worker_;
  app::SubfolderPresenter presenter_;
};

}  // namespace qvn::gui
