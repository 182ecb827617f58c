#include "core/app/subfolder_presenter.h"

#include <algorithm>

#include "core/app/run_control.h"
#include "core/text/text.h"

namespace qvn::app {
namespace {

// One dot more for each row read.
std::string ReadingText(int rows) { return "Reading disk . . ." + RepeatText(" .", rows); }

}  // namespace

SubfolderPresenter::SubfolderPresenter(SubfolderView& view, SubfolderRequest request,
                                       const FolderReader& reader)
    : view_(view), request_(std::move(request)), reader_(reader) {}

SubfolderPresenter::~SubfolderPresenter() { StopReading(); }

void SubfolderPresenter::Shown() {
  StopReading();
  busy_ = true;
  accepted_ = false;
  rows_.clear();
  chosen_.clear();
  first_row_ = visible_rows_ = 0;
  view_.SetTitle(request_.caption);
  view_.SetSummary("");
  view_.ShowReading(ReadingText(0));
  StartReading();
}

// The reading runs on a worker; what it posts back checks its stop flag
// first, so nothing reaches a presenter that has stopped it (or is gone).
void SubfolderPresenter::StartReading() {
  auto stop = std::make_shared<std::atomic<bool>>(false);
  stop_reading_ = stop;
  auto reading = std::make_shared<SubfolderReading>();
  SubfolderView& view = view_;
  const FolderReader& reader = reader_;
  view_.RunInBackground(
      [this, stop, reading, &view, &reader, top = request_.top_folder,
       omit_sizes = request_.omit_sizes] {
        Throttle throttle;
        *reading = ReadSubfolderRows(top, omit_sizes, reader, [&](int rows) {
          if (throttle.Due()) {
            view.PostToWindow([this, stop, rows] {
              if (!*stop) view_.ShowReading(ReadingText(rows));
            });
          }
          return !*stop;
        });
      },
      [this, stop, reading] {
        if (!*stop) ReadingDone(*reading);
      });
}

void SubfolderPresenter::ReadingDone(const SubfolderReading& reading) {
  if (reading.failed) {
    view_.ShowMessage({reading.error, "Select subfolders", Icon::kWarning});
    view_.Close();
    return;
  }
  if (reading.none) {
    // Nothing to choose: a window left open here would be a dead end.
    view_.ShowMessage({request_.none_text, request_.caption, Icon::kWarning});
    view_.Close();
    return;
  }
  rows_ = reading.rows;
  SortSubfolderRows(rows_);
  TickChosenRows(rows_, request_.chosen);
  const int total = static_cast<int>(rows_.size());
  const int per_page = std::max(request_.rows_per_page, 1);
  visible_rows_ = std::min(total, per_page);
  view_.LayOutRows({visible_rows_, total - visible_rows_, std::max(per_page - 1, 1)});
  first_row_ = 0;
  ShowVisibleRows();
  ShowSummary();
  view_.FocusCancel();
  busy_ = false;
}

void SubfolderPresenter::ShowVisibleRows() {
  std::vector<ShownRow> shown;
  for (int i = 0; i < visible_rows_; ++i) {
    const SubfolderRow& row = rows_[static_cast<std::size_t>(first_row_ + i)];
    shown.push_back({FitSubfolderCaption(row.caption), row.ticked});
  }
  view_.ShowRows(shown);
}

void SubfolderPresenter::ShowSummary() {
  view_.SetSummary(SelectionSummary(rows_, request_.caption));
}

void SubfolderPresenter::RowClicked(int index, bool ticked) {
  if (busy_ || index < 0 || index >= visible_rows_) return;
  SubfolderRow& row = rows_[static_cast<std::size_t>(first_row_ + index)];
  row.ticked = ticked && CanBeTicked(row);
  if (row.ticked != ticked) ShowVisibleRows();  // the tick does not take
  ShowSummary();
}

void SubfolderPresenter::Scrolled(int first_row) {
  if (busy_) return;
  first_row_ = std::clamp(first_row, 0, static_cast<int>(rows_.size()) - visible_rows_);
  ShowVisibleRows();
  view_.FocusAccept();
}

void SubfolderPresenter::SelectAll(bool select) {
  if (busy_) return;
  for (auto& row : rows_) row.ticked = select && CanBeTicked(row);
  ShowVisibleRows();
  ShowSummary();
}

void SubfolderPresenter::Accept() {
  if (busy_) return;
  accepted_ = true;
  chosen_.clear();
  for (const auto& row : rows_)
    if (row.ticked) chosen_.push_back(RowName(row.caption));
  view_.Close();
}

void SubfolderPresenter::Cancel() {
  accepted_ = false;
  StopReading();
  view_.Close();
}

void SubfolderPresenter::CloseAsked() {
  view_.ShowMessage({"Please exit this window only by clicking on 'Accept' or 'Cancel'.",
                     "Select Folders", Icon::kWarning});
  StopReading();
  view_.Close();
}

void SubfolderPresenter::StopReading() {
  if (stop_reading_) *stop_reading_ = true;
}

}  // namespace qvn::app
