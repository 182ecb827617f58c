#pragma once
// How a run on the window's thread keeps the window alive: progress texts go
// to the labels and pending events run every few milliseconds (not on every
// page, so that they never dominate a fast run), and the Stop button's flag
// is answered.

#include <QElapsedTimer>
#include <string>

#include "core/site/status.h"

class QLabel;

namespace qvn::gui {

class GuiRunStatus : public Status {
 public:
  /// progress: the label for the page being read (check runs); totals: the
  /// status label; stop: the flag the Stop button sets; pending events run
  /// at most every interval_ms.
  GuiRunStatus(QLabel* progress, QLabel* totals, const bool& stop, int interval_ms = 8);

  void PageStarted(long long number, std::string_view relative_path) override;
  void BrokenLinksFound(long long count) override;
  void FileListed(long long count) override;
  bool ShouldStop() override;

  /// Shows the latest progress now.
  void Flush();

 private:
  QLabel* progress_;
  QLabel* totals_;
  const bool& stop_;
  int interval_ms_;
  QElapsedTimer since_events_;
  std::string page_text_;
  std::string totals_text_;
  bool dirty_ = false;
};

}  // namespace qvn::gui
