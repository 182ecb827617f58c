#pragma once
// The main window as its presenter sees it. A desktop front end implements
// this over its toolkit and holds no rule of its own: it shows what it is
// told and passes the user's actions to MainPresenter.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/main_controls.h"
#include "core/app/subfolder_view.h"
#include "core/app/view_types.h"
#include "core/app/window_places.h"
#include "core/results/run_results.h"
#include "core/site/selection.h"

namespace qvn::app {

/// The main window and the windows it opens and keeps.
enum class Window { kMain, kViewer, kViewer2, kResults, kOrphans };

/// A file shown in a viewer.
struct ViewerOpening {
  std::string path;  ///< the file shown
  std::string caption;
  std::string text;  ///< what the box shows, lines ended by CR LF (see TextForViewer)
  TwipsRect place;   ///< outer left and top, inner width and height
  bool copy_button = true;
};

/// A file dialog; the pattern's files are offered ("*.usr").
struct FileDialog {
  bool save = false;
  std::string title;
  std::string folder;  ///< where it opens; "" for the toolkit's choice
  std::string filter;  ///< "Settings file (*.usr)"
};

class MainView : public WindowThread {
 public:
  // Controls. Texts of boxes with several lines separate them with LF.
  virtual void SetText(Control control, const std::string& text) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;
  virtual void SetVisible(Control control, bool visible) = 0;
  virtual void SetChecked(Control control, bool checked) = 0;
  /// Fills a list; selected -1 selects nothing.
  virtual void SetItems(Control control, const std::vector<std::string>& items, int selected) = 0;
  virtual void Focus(Control control) = 0;
  /// The control's place inside the main window's inner area.
  virtual TwipsRect PlaceOf(Control control) = 0;

  // Windows.
  virtual MainPlace Place() = 0;
  /// Moves the main window's frame to the given left and top.
  virtual void MoveMainWindow(const TwipsRect& frame) = 0;
  /// Shows (raises and activates) a window; place, when given, moves it first.
  virtual void ShowWindow(Window window, const std::optional<TwipsRect>& place) = 0;
  virtual void HideWindow(Window window) = 0;
  virtual bool IsShown(Window window) = 0;
  /// Opens viewer (kViewer or kViewer2) afresh on a file.
  virtual void ShowFile(Window viewer, const ViewerOpening& opening) = 0;
  /// Puts a check's broken links into the results window, which shares
  /// the result rather than copying it (it may hold a million links).
  virtual void SetResults(std::shared_ptr<const CheckResult> result) = 0;
  virtual void SetResultsCaption(const std::string& caption) = 0;
  /// Empties the results window, which shows reason where its counts stood.
  virtual void ClearResults(const std::string& reason) = 0;
  /// Puts an orphan search's lists into the orphans window.
  virtual void SetOrphans(const OrphanResult& result, const std::string& top_folder) = 0;

  // Modal windows: each returns once the user has answered.
  virtual void ShowMessage(const Message& message) = 0;
  virtual Answer Ask(const Question& question) = 0;
  /// A notice that goes away by itself after milliseconds, or when clicked.
  virtual void ShowNotice(const std::string& text, const TwipsRect& place, int milliseconds) = 0;
  /// The folder chosen, with the platform's separators; "" when cancelled.
  virtual std::string ChooseFolder(const std::string& title, const std::string& start) = 0;
  /// The file chosen; "" when cancelled.
  virtual std::string ChooseFile(const FileDialog& dialog) = 0;
  /// The subfolder window on request; the names ticked, or none when cancelled.
  virtual std::optional<std::vector<std::string>> ChooseSubfolders(
      const SubfolderRequest& request) = 0;
  /// The more checks window on current; the checks chosen, or none when cancelled.
  virtual std::optional<MoreChecks> ChooseMoreChecks(const MoreChecks& current) = 0;

  // Outside the window.
  /// Opens a web address in the user's browser.
  virtual WebLaunch OpenWebPage(const std::string& address) = 0;
  /// Ends the program's event loop.
  virtual void Quit() = 0;
};

}  // namespace qvn::app
