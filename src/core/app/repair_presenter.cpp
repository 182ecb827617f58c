#include "core/app/repair_presenter.h"

#include <algorithm>

#include "core/app/repairs.h"
#include "core/app/runs.h"
#include "core/platform/path.h"
#include "core/repair/repair_backup.h"
#include "core/repair/unified_diff.h"

namespace qvn::app {
namespace {

std::string Counted(long long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

bool HasRunToUndo(const std::string& repairs_folder) {
  for (const std::string& run : ListRuns(repairs_folder))
    if (!IsUndone(repairs_folder + kSeparator + run)) return true;
  return false;
}

// Writes the ticked repairs and, as qvn fix does, checks the site again to
// tell what they achieved; written: whether a repair run was made.
std::string ApplyAndCheck(const RepairPlan& ticked, const Choices& choices,
                          const CheckResult& result, const std::string& repairs_folder,
                          const PageWriter& write, bool& written) {
  const ApplyOutcome outcome = ApplyRepairs(ticked, repairs_folder, write);
  written = !outcome.run.empty();
  std::string text = "Nothing was written.";
  if (written) {
    Status quiet;
    const RepairCheck check =
        CheckRepaired(ticked, result, outcome.written, RunCheck(choices, quiet));
    text = "Repaired " + Counted(outcome.links_repaired, "link", "links") + " in " +
           Counted(outcome.pages_written, "page", "pages") + "; the old pages are kept in " +
           outcome.run + ". Checked again: " +
           Counted(check.resolved, "repaired link resolves", "repaired links resolve") + ", " +
           Counted(check.remaining, "broken link remains", "broken links remain") +
           " in the pages written.";
  }
  for (const PageMessage& message : outcome.messages)
    text += "\n" + std::string(RelativeTo(message.page, result.top_folder)) + ": " + message.text;
  if (!outcome.failure.empty()) text += "\n" + outcome.failure;
  return text;
}

std::string UndoLatest(const std::string& repairs_folder, const PageWriter& write) {
  const UndoOutcome outcome = UndoRepairs(repairs_folder, "", write);
  std::string text = outcome.failure.empty()
                         ? "Restored " + Counted(outcome.pages_restored, "page", "pages") +
                               " from " + outcome.run + "."
                         : outcome.failure;
  for (const PageMessage& message : outcome.messages)
    text += "\n" + message.page + ": " + message.text;
  return text;
}

}  // namespace

/// A proposal's inputs and outcome, shared by the worker and the window
/// thread (the worker is done with it before the window thread reads it).
struct RepairPresenter::Proposing {
  Choices choices;
  std::shared_ptr<const CheckResult> result;
  RepairOptions options;
  RepairPlan plan;
};

RepairPresenter::RepairPresenter(RepairView& view, std::string repairs_folder, PageWriter write)
    : view_(view), repairs_folder_(std::move(repairs_folder)), write_(std::move(write)) {}

void RepairPresenter::Open(const Choices& choices, std::shared_ptr<const CheckResult> result) {
  asked_choices_ = choices;
  asked_result_ = std::move(result);
  Propose();
}

void RepairPresenter::SetRules(bool moved, bool similar) {
  options_.moved = moved;
  options_.similar = similar;
  if (asked_result_) Propose();
}

void RepairPresenter::RunWork(const std::string& status, std::function<void()> work,
                              std::function<void()> done) {
  busy_ = true;
  view_.ShowStatus(status);
  view_.EnableChoices(false);
  UpdateButtons();
  view_.RunInBackground(std::move(work), [this, done = std::move(done)] {
    busy_ = false;
    view_.EnableChoices(true);
    done();
    if (propose_again_) {
      propose_again_ = false;
      Propose();
    }
  });
}

void RepairPresenter::Propose() {
  if (busy_) {
    propose_again_ = true;
    return;
  }
  auto proposing = std::make_shared<Proposing>(
      Proposing{asked_choices_, asked_result_, options_, RepairPlan{}});
  // Reading every page a proposal touches takes a while on a large site.
  RunWork(
      "Reading the site . . .",
      [proposing] {
        Status quiet;
        proposing->plan = ProposeRepairs(proposing->choices, proposing->options,
                                         *proposing->result, quiet);
      },
      [this, proposing] { Proposed(*proposing); });
}

void RepairPresenter::Proposed(Proposing& proposing) {
  choices_ = std::move(proposing.choices);
  result_ = std::move(proposing.result);
  plan_ = std::move(proposing.plan);
  applied_ = false;
  rows_.clear();
  for (const Proposal& proposal : plan_.proposals)
    rows_.push_back({RowText(proposal), proposal.Applicable(), proposal.Applicable()});
  view_.ShowRows(rows_);
  view_.ShowPreview("");
  std::string status = Counted(plan_.Applicable(), "repair", "repairs") + " proposed";
  // The links left without a candidate are worth a word only when there are some.
  if (plan_.without_candidate > 0)
    status += "; " + Counted(plan_.without_candidate, "broken link has", "broken links have") +
              " no candidate";
  view_.ShowStatus(status + ".");
  UpdateButtons();
}

std::string RepairPresenter::RowText(const Proposal& proposal) const {
  const LinkRow row = result_->broken_links.Row(proposal.entry, result_->top_folder);
  std::string text =
      std::string(row.page) + ", line " + std::to_string(row.link.line) + ": " + row.link.link;
  if (proposal.candidates.size() > 1)
    return text + " (" +
           Counted(static_cast<long long>(proposal.candidates.size()), "candidate", "candidates") +
           ", left alone)";
  const Candidate& candidate = proposal.candidates[0];
  text +=
      " \xE2\x86\x92 " + candidate.link + " (" + std::string(ReasonText(candidate.reason)) + ")";
  return proposal.problem.empty() ? text : text + ": " + proposal.problem;
}

void RepairPresenter::Tick(std::size_t row, bool ticked) {
  if (busy_ || row >= rows_.size() || !rows_[row].can_tick) return;
  rows_[row].ticked = ticked;
  UpdateButtons();
}

void RepairPresenter::Select(std::size_t row) {
  if (busy_ || row >= plan_.proposals.size()) return;
  const Proposal& proposal = plan_.proposals[row];
  if (!proposal.Applicable()) {
    std::string text = proposal.problem;
    for (const Candidate& candidate : proposal.candidates)
      text += (text.empty() ? "" : "\n") + candidate.link + " (" +
              std::string(ReasonText(candidate.reason)) + ")";
    view_.ShowPreview(text);
    return;
  }
  const std::string& page = result_->broken_links.Source(proposal.entry);
  std::string bytes;
  PageStamp stamp;
  SystemError error;
  if (!ReadPage(page, bytes, stamp, &error)) {
    view_.ShowPreview("Cannot read the page: " + error.description);
    return;
  }
  // A page changed since the check would show another change than the one applied.
  const bool unchanged = std::any_of(plan_.pages.begin(), plan_.pages.end(),
                                     [&](auto& p) { return p.page == page && p.stamp == stamp; });
  view_.ShowPreview(unchanged ? UnifiedDiff(RelativeTo(page, result_->top_folder), bytes,
                                            ApplyEdits(bytes, {proposal.edit}))
                              : "The page changed since the check; check again.");
}

RepairPlan RepairPresenter::TickedPlan() const {
  RepairPlan ticked = plan_;
  ticked.pages.clear();
  for (PagePlan page : plan_.pages) {
    std::erase_if(page.proposals, [&](std::size_t index) { return !rows_[index].ticked; });
    if (!page.proposals.empty()) ticked.pages.push_back(std::move(page));
  }
  return ticked;
}

void RepairPresenter::Apply() {
  if (applied_ || busy_ || !result_) return;
  auto written = std::make_shared<bool>(false);
  auto text = std::make_shared<std::string>();
  RunWork(
      "Writing the repairs . . .",
      [written, text, ticked = TickedPlan(), choices = choices_, result = result_,
       folder = repairs_folder_, write = write_] {
        *text = ApplyAndCheck(ticked, choices, *result, folder, write, *written);
      },
      [this, written, text] {
        applied_ = *written;
        view_.ShowStatus(*text);
        UpdateButtons();
      });
}

void RepairPresenter::UndoLast() {
  if (busy_) return;
  auto text = std::make_shared<std::string>();
  RunWork(
      "Putting the pages back . . .",
      [text, folder = repairs_folder_, write = write_] { *text = UndoLatest(folder, write); },
      [this, text] {
        view_.ShowStatus(*text);
        UpdateButtons();
      });
}

void RepairPresenter::UpdateButtons() {
  const bool any_ticked =
      std::any_of(rows_.begin(), rows_.end(), [](const RepairRow& row) { return row.ticked; });
  view_.EnableApply(!busy_ && any_ticked && !applied_);
  view_.EnableUndo(!busy_ && HasRunToUndo(repairs_folder_));
}

}  // namespace qvn::app
