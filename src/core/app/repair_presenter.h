#pragma once
// The Repair window's rules: the repairs proposed for the last check's broken
// links, ticked by default when they have one candidate; a preview of the
// selected one; Apply writes the ticked ones (as `qvn fix --apply`), and
// Undo last repair puts back the pages of the latest repair. Proposing,
// applying and undoing run on a worker; meanwhile the window says so, its
// buttons and choices are off, and what reaches the presenter is ignored.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/choices.h"
#include "core/app/repair_view.h"
#include "core/repair/repair_apply.h"
#include "core/repair/repair_plan.h"

namespace qvn::app {

class RepairPresenter {
 public:
  /// repairs_folder: where the backups go (RepairsFolder of the data folder).
  /// write: how pages are written (a seam for tests).
  RepairPresenter(RepairView& view, std::string repairs_folder,
                  PageWriter write = WriteFileReplacing);

  /// Proposes repairs for result, a check run with choices, and shows them
  /// (once the work under way has ended).
  void Open(const Choices& choices, std::shared_ptr<const CheckResult> result);
  /// The moved and similar-name rules on or off; the proposals are made again.
  void SetRules(bool moved, bool similar);
  void Tick(std::size_t row, bool ticked);
  void Select(std::size_t row);
  /// Writes the ticked repairs and checks the site again; the list then
  /// stays as it was, but cannot be applied again (the pages changed).
  void Apply();
  void UndoLast();

  const RepairPlan& plan() const { return plan_; }
  /// True while work runs on the worker.
  bool busy() const { return busy_; }

 private:
  struct Proposing;
  void Propose();
  void Proposed(Proposing& proposing);
  /// Runs work on the worker, status shown and the window locked meanwhile;
  /// then done on the window thread.
  void RunWork(const std::string& status, std::function<void()> work,
               std::function<void()> done);
  std::string RowText(const Proposal& proposal) const;
  RepairPlan TickedPlan() const;
  void UpdateButtons();

  RepairView& view_;
  std::string repairs_folder_;
  PageWriter write_;
  Choices asked_choices_;  // as Open gave them; the next proposals are for these
  std::shared_ptr<const CheckResult> asked_result_;
  RepairOptions options_;
  Choices choices_;  // those the plan shown was made for
  std::shared_ptr<const CheckResult> result_;
  RepairPlan plan_;
  std::vector<RepairRow> rows_;
  bool applied_ = false;
  bool busy_ = false;
  bool propose_again_ = false;  // asked while busy
};

}  // namespace qvn::app
