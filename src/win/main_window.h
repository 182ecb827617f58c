#pragma once
// frmMain on Windows: the program's main window. Its rules and state are
// the presenter's (app/main_presenter.h): this window lays its controls out
// from the shared design, shows what the presenter says through MainView
// and passes the user's actions on. Runs go to worker threads; their
// progress comes back as posted tasks.

#include <array>
#include <memory>

#include "core/app/main_presenter.h"
#include "win/win_ui.h"
#include "win/window_tasks.h"

namespace qvn::win {

class ViewWindow;
class PopupWindow;

class MainWindow : public Window, protected app::MainView {
 public:
  /// data_folder: as MainPresenter's ("" for the per-user one).
  explicit MainWindow(const std::string& data_folder = "");
  ~MainWindow() override;

  /// Start-up (see MainPresenter::Start): false, after its message, when
  /// the catalogue cannot be loaded and the program must end.
  bool Start(const std::string& catalogue_file = "");

  /// The window's rules and state; tests and the benchmark act through it.
  app::MainPresenter& presenter() { return presenter_; }
  /// True while work of a run goes on, even one abandoned by quitting.
  bool WorkRunning() const { return tasks_->Busy(); }
  /// A control by its Control name.
  HWND ControlOf(app::Control control) const { return controls_[static_cast<int>(control)]; }
  /// The window a Window value names (main, viewers, results, orphans).
  HWND HandleOf(app::Window window) const;
  ViewWindow& viewer(app::Window which) const;
  PopupWindow& notice() const { return *notice_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  // MainView: the modal windows and the world outside (main_window_dialogs.cpp).
  // Virtual, so a test program can answer them itself.
  void ShowMessage(const app::Message& message) override;
  app::Answer Ask(const app::Question& question) override;
  void ShowNotice(const std::string& text, const app::TwipsRect& place, int milliseconds) override;
  std::string ChooseFolder(const std::string& title, const std::string& start) override;
  std::string ChooseFile(const app::FileDialog& dialog) override;
  std::optional<std::vector<std::string>> ChooseSubfolders(
      const app::SubfolderRequest& request) override;
  std::optional<MoreChecks> ChooseMoreChecks(const MoreChecks& current) override;
  app::WebLaunch OpenWebPage(const std::string& address) override;
  void Quit() override;

 private:
  struct ResultWindows;
  struct ResultWindowsDeleter {
    void operator()(ResultWindows* windows) const;
  };

  // main_window.cpp: controls and the user's actions.
  void CreateControls();
  void Command(int id, int code, HWND control);
  void Clicked(app::Control control);
  void ComboPicked(app::Control control, int code);

  // MainView: controls and windows (main_window_view.cpp).
  void SetText(app::Control control, const std::string& text) override;
  void SetEnabled(app::Control control, bool enabled) override;
  void SetVisible(app::Control control, bool visible) override;
  void SetChecked(app::Control control, bool checked) override;
  void SetItems(app::Control control, const std::vector<std::string>& items,
                int selected) override;
  void Focus(app::Control control) override;
  app::TwipsRect PlaceOf(app::Control control) override;
  app::MainPlace Place() override;
  void MoveMainWindow(const app::TwipsRect& frame) override;
  void ShowWindow(app::Window window, const std::optional<app::TwipsRect>& place) override;
  void HideWindow(app::Window window) override;
  bool IsShown(app::Window window) override;
  void ShowFile(app::Window viewer, const app::ViewerOpening& opening) override;
  void RunInBackground(std::function<void()> work, std::function<void()> done) override;
  void PostToWindow(std::function<void()> task) override;

  // MainView: the results and orphans windows (main_window_results.cpp).
  void CreateResultWindows();
  void SetResults(std::shared_ptr<const CheckResult> result) override;
  void SetResultsCaption(const std::string& caption) override;
  void ClearResults(const std::string& reason) override;
  void SetOrphans(const OrphanResult& result, const std::string& top_folder) override;

  std::array<HWND, app::kControlCount> controls_{};
  std::unique_ptr<ViewWindow> viewer_;
  std::unique_ptr<ViewWindow> viewer2_;
  std::unique_ptr<PopupWindow> notice_;
  std::unique_ptr<ResultWindows, ResultWindowsDeleter> result_windows_;
  /// A list is dropped; an item was picked in it.
  bool list_dropped_ = false;
  bool list_picked_ = false;
  /// The presenter is setting a box's text: not the user's typing.
  bool setting_text_ = false;
  std::unique_ptr<WindowTasks> tasks_;
  app::MainPresenter presenter_;  ///< after tasks_: goes first
};

}  // namespace qvn::win
