#pragma once
// frmRepair: the repairs proposed for the last check's broken links, a tick
// box each, a preview of the selected one's change, and the Apply and Undo
// last repair buttons. Every rule is the presenter's (app::RepairPresenter).

#include <QWidget>
#include <memory>
#include <string>

#include "core/app/repair_presenter.h"
#include "core/app/repair_view.h"
#include "gui/worker_thread.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qvn::gui {

class RepairWindow : public QWidget, public app::RepairView {
  Q_OBJECT

 public:
  /// A hidden top-level window; backups go into repairs_folder.
  explicit RepairWindow(const std::string& repairs_folder, QWidget* parent = nullptr);
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

  QCheckBox* chkMoved;
  QCheckBox* chkNear;
  QListWidget* lstRepairs;
  QPlainTextEdit* txbPreview;
  QLabel* lblStatus;
  QPushButton* cmdApply;
  QPushButton* cmdUndo;
  QPushButton* cmdClose;

 private:
  void CreateControls();
  void Connect();

  WorkerThread worker_;
  app::RepairPresenter presenter_;  ///< after worker_: goes first
  bool filling_ = false;  // the list is being filled: its changes are not the user's
};

}  // namespace qvn::gui
