#pragma once
// The main window for presenter tests: it records what the presenter shows
// and answers its questions and dialogs as the test says, without a toolkit.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/app/main_view.h"
#include "support/fake_threads.h"

namespace qvn::test {

class FakeMainView : public app::MainView {
 public:
  using Control = app::Control;
  using Window = app::Window;

  // What the window shows.
  std::map<Control, std::string> text;
  std::map<Control, bool> enabled, visible, checked;
  std::map<Control, std::vector<std::string>> items;
  std::map<Control, int> selected;
  std::optional<Control> focus;
  std::map<Window, bool> shown;
  std::map<Window, app::TwipsRect> placed;  ///< where ShowWindow moved a window
  std::map<Window, app::ViewerOpening> opened;  ///< the last file each viewer opened
  std::optional<std::pair<CheckResult, std::string>> results;
  std::string results_caption;
  std::optional<std::string> results_cleared;  ///< the reason given when emptied
  std::optional<std::pair<OrphanResult, std::string>> orphans;
  std::vector<app::Message> messages;
  std::vector<app::Question> questions;
  struct Notice {
    std::string text;
    app::TwipsRect place;
    int milliseconds;
  };
  std::vector<Notice> notices;
  std::vector<app::FileDialog> file_dialogs;
  std::vector<app::SubfolderRequest> subfolder_requests;
  std::vector<std::string> web_pages;
  bool quit = false;
  app::MainPlace place{{1500, 2000, 9900, 6800}, 9780, 6360, 11000};
  std::map<Control, app::TwipsRect> control_places;  ///< PlaceOf; {} when not set

  // How the user answers.
  std::deque<app::Answer> answers;  ///< for Ask, in order; kNo when none is left
  std::function<void(const app::Question&)> on_ask;  ///< runs while a question is open
  std::string folder_to_choose;
  std::function<std::string(const app::FileDialog&)> choose_file = [](auto&) { return ""; };
  std::optional<std::vector<std::string>> subfolders_to_choose;
  std::optional<MoreChecks> more_checks_to_choose;
  app::WebLaunch web_launch;  ///< what opening a web page gives

  FakeThreads threads;

  /// The message shown last ({} when none).
  app::Message LastMessage() const { return messages.empty() ? app::Message() : messages.back(); }
  bool Enabled(Control control) const { return Get(enabled, control, true); }
  bool Visible(Control control) const { return Get(visible, control, true); }
  bool Shown(Window window) const { return Get(shown, window, false); }

  void SetText(Control control, const std::string& value) override { text[control] = value; }
  void SetEnabled(Control control, bool value) override { enabled[control] = value; }
  void SetVisible(Control control, bool value) override { visible[control] = value; }
  void SetChecked(Control control, bool value) override { checked[control] = value; }
  void SetItems(Control control, const std::vector<std::string>& list, int index) override;
  void Focus(Control control) override { focus = control; }
  app::TwipsRect PlaceOf(Control control) override { return control_places[control]; }
  app::MainPlace Place() override { return place; }
  void MoveMainWindow(const app::TwipsRect& frame) override { place.frame = frame; }
  void ShowWindow(Window window, const std::optional<app::TwipsRect>& where) override;
  void HideWindow(Window window) override { shown[window] = false; }
  bool IsShown(Window window) override { return Shown(window); }
  void ShowFile(Window viewer, const app::ViewerOpening& opening) override;
  void SetResults(std::shared_ptr<const CheckResult> result) override;
  void SetResultsCaption(const std::string& caption) override { results_caption = caption; }
  void ClearResults(const std::string& reason) override;
  void SetOrphans(const OrphanResult& result, const std::string& top) override;
  void ShowMessage(const app::Message& message) override { messages.push_back(message); }
  app::Answer Ask(const app::Question& question) override;
  void ShowNotice(const std::string& notice, const app::TwipsRect& where, int ms) override;
  std::string ChooseFolder(const std::string& title, const std::string& start) override;
  std::string ChooseFile(const app::FileDialog& dialog) override;
  std::optional<std::vector<std::string>> ChooseSubfolders(
      const app::SubfolderRequest& request) override;
  std::optional<MoreChecks> ChooseMoreChecks(const MoreChecks& current) override;
  app::WebLaunch OpenWebPage(const std::string& address) override;
  void Quit() override { quit = true; }
  void RunInBackground(std::function<void()> work, std::function<void()> done) override {
    threads.Run(std::move(work), std::move(done));
  }
  void PostToWindow(std::function<void()> task) override { threads.Post(std::move(task)); }

 private:
  template <typename Map, typename Key>
  static bool Get(const Map& map, Key key, bool fallback) {
    const auto found = map.find(key);
    return found == map.end() ? fallback : found->second;
  }
};

}  // namespace qvn::test
