#include "win_test_support.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
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

namespace {

// A 24-bit bottom-up BMP of width x height pixels from bitmap.
void WriteBmp(HDC dc, HBITMAP bitmap, int width, int height, const std::string& path) {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int row = (width * 3 + 3) / 4 * 4;
  std::vector<char> pixels(static_cast<std::size_t>(row) * static_cast<std::size_t>(height));
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(std::filesystem::path(win::Wide(path)), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

}  // namespace

void SaveScreenshot(HWND window, const std::string& name) {
  // Only what is on the desktop can be copied: a window beside another may
  // reach past its edge, so it is brought inside for the picture.
  RECT desk{};
  RECT at{};
  GetWindowRect(GetDesktopWindow(), &desk);
  GetWindowRect(window, &at);
  const int left = std::max(desk.left, std::min(at.left, desk.right - (at.right - at.left)));
  const int top = std::max(desk.top, std::min(at.top, desk.bottom - (at.bottom - at.top)));
  SetWindowPos(window, HWND_TOP, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                                             RDW_UPDATENOW);
  PumpWaiting();
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, old);
  const std::string folder = std::string(QVN_BUILD_DIR) + "/screenshots";
  std::filesystem::create_directories(std::filesystem::path(win::Wide(folder)));
  // A run at another scaling names its pictures apart ("main_window_144dpi").
  const int dpi = win::DpiOf(window);
  const std::string scaled = dpi == USER_DEFAULT_SCREEN_DPI ? "" : "_" + std::to_string(dpi) + "dpi";
  WriteBmp(memory, bitmap, width, height, folder + "/" + name + scaled + ".bmp");
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
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
