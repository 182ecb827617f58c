#pragma once
// The subfolder selection window for presenter tests: it records what the
// presenter shows, without a toolkit.

#include <string>
#include <vector>

#include "core/app/subfolder_view.h"
#include "support/fake_threads.h"

namespace qvn::test {

class FakeSubfolderView : public app::SubfolderView {
 public:
  std::string title;
  std::vector<std::string> readings;  ///< every reading text shown
  app::RowPaging paging;
  std::vector<app::ShownRow> rows;    ///< the visible rows
  std::string summary;
  std::vector<app::Message> messages;
  std::string focus;  ///< "Accept" or "Cancel"
  int closed = 0;
  FakeThreads threads;

  /// The visible rows' captions, with a "+" before each ticked one.
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& row : rows) captions.push_back((row.ticked ? "+" : "") + row.caption);
    return captions;
  }

  void SetTitle(const std::string& text) override { title = text; }
  void ShowReading(const std::string& text) override { readings.push_back(text); }
  void LayOutRows(const app::RowPaging& value) override { paging = value; }
  void ShowRows(const std::vector<app::ShownRow>& value) override { rows = value; }
  void SetSummary(const std::string& text) override { summary = text; }
  void FocusAccept() override { focus = "Accept"; }
  void FocusCancel() override { focus = "Cancel"; }
  void ShowMessage(const app::Message& message) override { messages.push_back(message); }
  void Close() override { ++closed; }
  void RunInBackground(std::function<void()> work, std::function<void()> done) override {
    threads.Run(std::move(work), std::move(done));
  }
  void PostToWindow(std::function<void()> task) override { threads.Post(std::move(task)); }
};

}  // namespace qvn::test
