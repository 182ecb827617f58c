#include "gui/run_status.h"

#include <QCoreApplication>
#include <QLabel>

#include "gui/twips.h"

namespace qvn::gui {
GuiRunStatus::GuiRunStatus(QLabel* progress, QLabel* totals, const bool& stop, int interval_ms)
    : progress_(progress), totals_(totals), stop_(stop), interval_ms_(interval_ms) {}

void GuiRunStatus::PageStarted(long long number, std::string_view relative_path) {
  page_text_ = ScanningText(number, relative_path);
  dirty_ = true;
}

void GuiRunStatus::BrokenLinksFound(long long count) {
  totals_text_ = BrokenSoFarText(count);
  dirty_ = true;
}

void GuiRunStatus::FileListed(long long count) {
  totals_text_ = FilesSoFarText(count);
  dirty_ = true;
}

void GuiRunStatus::Flush() {
  if (!dirty_) return;
  if (!page_text_.empty()) progress_->setText(Q(page_text_));
  if (!totals_text_.empty()) totals_->setText(Q(totals_text_));
  dirty_ = false;
}

bool GuiRunStatus::ShouldStop() {
  // The first look comes at once, so the window shows the run has started.
  if (!since_events_.isValid() || since_events_.elapsed() >= interval_ms_) {
    Flush();
    QCoreApplication::processEvents();
    since_events_.restart();
  }
  return stop_;
}

}  // namespace qvn::gui
