#pragma once
// frmMain: the program's main window. Its rules and state are the
// presenter's (app/main_presenter.h): this window lays its controls out,
// shows what the presenter says through MainView, and passes the user's
// actions on. Runs go to a worker thread; their progress comes back as
// queued calls.

#include <QWidget>
#include <array>
#include <functional>

#include "core/app/main_presenter.h"
#include "gui/worker_thread.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qvn::gui {

class ViewWindow;
class PopupWindow;
class ResultsWindow;
class OrphansWindow;

class MainWindow : public QWidget, private app::MainView {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  /// Start-up (see MainPresenter::Start): false, after its message, when
  /// the catalogue at catalogue_file ("" = beside the program) cannot be
  /// loaded and the program must end.
  bool Start(const QString& catalogue_file = QString());

  /// The window's rules and state; tests and the benchmark act through it.
  app::MainPresenter& presenter() { return presenter_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private slots:
  void topFolderClicked();
  void selectSubfoldersClicked();
  void listFilesClicked();
  void checkLinksClicked();
  void orphansClicked();
  void resultsClicked();
  void stopClicked();
  void clearClicked();
  void clearChosen();
  void settingsClicked();
  void settingsChosen();
  void moreChecksClicked();
  void helpClicked();
  void quitClicked();
  void topFolderOnlyClicked(bool ticked);
  void showRepeatedClicked(bool ticked);
  void includePhpClicked(bool ticked);
  void filepathsEdited(const QString& text);
  void linksEdited(const QString& text);
  void clearIndexChanged(int index);
  void settingsIndexChanged(int index);

 private:
  // Layout (main_window_layout.cpp).
  void CreateControls();
  /// Sets the typed members from the controls made.
  void TakeControls();
  template <typename T>
  void Take(T*& member, app::Control control);
  void SetTabOrder();
  void ApplyBackColours();
  void ConnectControls();
  void Register(app::Control control, QWidget* widget);
  // The keyboard and mouse on the two lists and the two web links.
  bool ListInput(QObject* watched, QEvent* event);
  bool LinkInput(QObject* watched, QEvent* event);

  // MainView: controls and windows (main_window_view.cpp).
  QWidget* Widget(app::Control control) const { return controls_[static_cast<int>(control)]; }
  QWidget* WindowOf(app::Window window);
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

  // MainView: modal windows and the world outside (main_window_dialogs.cpp).
  void ShowMessage(const app::Message& message) override;
  app::Answer Ask(const app::Question& question) override;
  void ShowNotice(const std::string& text, const app::TwipsRect& place,
                  int milliseconds) override;
  std::string ChooseFolder(const std::string& title, const std::string& start) override;
  std::string ChooseFile(const app::FileDialog& dialog) override;
  std::optional<std::vector<std::string>> ChooseSubfolders(
      const app::SubfolderRequest& request) override;
  std::optional<MoreChecks> ChooseMoreChecks(const MoreChecks& current) override;
  app::WebLaunch OpenWebPage(const std::string& address) override;
  void Quit() override;

  // MainView: the results and orphans windows (main_window_results.cpp).
  void CreateResultWindows();
  void SetResults(std::shared_ptr<const CheckResult> result) override;
  void SetResultsCaption(const std::string& caption) override;
  void ClearResults(const std::string& reason) override;
  void SetOrphans(const OrphanResult& result, const std::string& top_folder) override;

  std::array<QWidget*, app::kControlCount> controls_{};
  QPushButton *topFolderButton_, *selectSubfoldersButton_, *listFilesButton_, *orphansButton_;
  QPushButton *checkLinksButton_, *resultsButton_, *stopButton_, *moreChecksButton_;
  QPushButton *clearButton_, *settingsButton_, *helpButton_, *quitButton_;
  QLineEdit *topFolderBox_, *filepathsBox_, *linksBox_;
  QPlainTextEdit* subfoldersBox_;
  QLabel *vendorLink_, *manualLink_;
  QCheckBox *topFolderOnlyBox_, *showRepeatedBox_, *includePhpBox_;
  QComboBox *clearChoice_, *settingsChoice_;
  ViewWindow* viewer_;
  ViewWindow* viewer2_;
  PopupWindow* notice_;
  ResultsWindow* resultsWindow_;
  OrphansWindow* orphansWindow_;

  /// A key or the wheel is moving a closed list: what it reaches is not
  /// picked, so its action does not run.
  bool movingClosedList_ = false;

  WorkerThread worker_;
  app::MainPresenter presenter_;  ///< after worker_: goes first
};

}  // namespace qvn::gui
