#pragma once
// Driving the Win32 windows in process: messages pumped until a condition
// holds, clicks, list picks and keys as the controls would send them, and
// a main window whose modal questions the test answers itself.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/main_controls.h"
#include "support/temp_dir.h"
#include "win/main_window.h"

namespace qvn::test {

/// Runs the window thread's messages until done() holds or timeout_ms have
/// passed; false on the timeout.
bool PumpUntil(const std::function<bool()>& done, int timeout_ms = 60000);
/// Runs the messages waiting now.
void PumpWaiting();

/// Clicks a button, check box or link (nothing happens when it is disabled).
void Click(HWND control);
/// Picks item index of a drop-down list as the user does: dropped, moved
/// to the item, chosen, closed.
void Pick(HWND combo, int index);
/// A key pressed and released on the focused control, through the
/// window's keyboard handling.
void PressKey(UINT key);
/// Sets an edit box's text as typing does (EN_CHANGE reaches its window).
void Type(HWND box, const std::string& text);

/// Saves window as it stands on the screen, frame included, to
/// QVN_BUILD_DIR/screenshots/name.bmp, or name_144dpi.bmp at 144 dots per
/// inch and so on (scripts/windows-screenshots makes PNGs of them).
void SaveScreenshot(HWND window, const std::string& name);

/// The host path (Unix) as the Windows program sees it, with "\".
std::string HostPath(const std::string& unix_path);

/// A scratch data folder, made before the window that uses it.
struct ScratchDataFolder {
  TempDir data_;
};

/// The main window with a scratch data folder, started; messages, questions,
/// notices, dialogs and web pages are answered and recorded here.
class TestMainWindow : private ScratchDataFolder, public win::MainWindow {
 public:
  TestMainWindow();
  ~TestMainWindow() override;

  HWND Find(app::Control control) const { return ControlOf(control); }
  std::string Text(app::Control control) const;
  bool Enabled(app::Control control) const;
  bool Visible(app::Control control) const;
  /// A file of the data folder.
  std::string DataFile(const std::string& name) const { return data_.path() + name; }
  /// Waits until the run under way has ended.
  bool WaitForRun() { return PumpUntil([this] { return !presenter().running(); }); }
  /// Waits until the work of runs has ended (an abandoned run's too).
  bool WaitForWork() { return PumpUntil([this] { return !WorkRunning(); }); }

  std::vector<app::Message> messages;
  std::vector<app::Question> questions;
  std::deque<app::Answer> answers;  ///< in order; kNo when none is left
  std::function<void()> on_ask;     ///< runs while a question is open
  std::vector<std::string> notices;
  std::string folder_to_choose;
  std::string file_to_choose;
  std::vector<std::string> web_pages;
  bool quit = false;

 protected:
  void ShowMessage(const app::Message& message) override { messages.push_back(message); }
  app::Answer Ask(const app::Question& question) override;
  void ShowNotice(const std::string& text, const app::TwipsRect&, int) override {
    notices.push_back(text);
  }
  std::string ChooseFolder(const std::string&, const std::string&) override {
    return folder_to_choose;
  }
  std::string ChooseFile(const app::FileDialog&) override { return file_to_choose; }
  app::WebLaunch OpenWebPage(const std::string& address) override;
  void Quit() override { quit = true; }
};

}  // namespace qvn::test
