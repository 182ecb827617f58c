#include "win_test_support.h"

#include <chrono>
#include <stdexcept>

#include "win/win_ui.h"

namespace qvn::test {

void PumpWaiting() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (win::TranslateDialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, int timeout_ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    PumpWaiting();
    // Wakes for the next message, or after a moment to look at done() again.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void Click(HWND control) {
  SendMessageW(control, BM_CLICK, 0, 0);
  PumpWaiting();
}

void Pick(HWND combo, int index) {
  HWND parent = GetParent(combo);
  const int id = GetDlgCtrlID(combo);
  const auto notify = [&](int code) {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(combo));
  };
  notify(CBN_DROPDOWN);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  notify(CBN_SELCHANGE);
  notify(CBN_SELENDOK);
  notify(CBN_CLOSEUP);
  PumpWaiting();
}

void PressKey(UINT key) {
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
  PumpWaiting();
}

void Type(HWND box, const std::string& text) {
  SetFocus(box);
  win::SetTextOf(box, text);  // an edit box tells its window EN_CHANGE
  PumpWaiting();
}

std::string HostPath(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

TestMainWindow::TestMainWindow() : win::MainWindow(data_.path()) {
  if (!Start()) throw std::runtime_error("the catalogue did not load");
}

TestMainWindow::~TestMainWindow() {
  presenter().StopRun();
  WaitForWork();
}

std::string TestMainWindow::Text(app::Control control) const {
  return win::TextOf(ControlOf(control));
}

bool TestMainWindow::Enabled(app::Control control) const {
  return IsWindowEnabled(ControlOf(control)) != FALSE;
}

bool TestMainWindow::Visible(app::Control control) const {
  return IsWindowVisible(ControlOf(control)) != FALSE;
}

app::Answer TestMainWindow::Ask(const app::Question& question) {
  questions.push_back(question);
  if (on_ask) on_ask();
  if (answers.empty()) return app::Answer::kNo;
  const app::Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

app::WebLaunch TestMainWindow::OpenWebPage(const std::string& address) {
  web_pages.push_back(address);
  return {};
}

}  // namespace qvn::test
