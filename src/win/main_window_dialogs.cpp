// The main window's modal windows and its ways out of the program: messages,
// questions, the notice, the file and folder dialogs, the web browser,
// quitting.

// After windows.h (through main_window.h), which it needs.
#include "win/main_window.h"
#include <shellapi.h>

#include "win/file_dialogs.h"
#include "win/popup_window.h"

namespace qvn::win {
namespace {

// The default button's flag: Yes, No and Cancel are the first, second and third.
UINT DefaultButton(app::Answer answer) {
  switch (answer) {
    case app::Answer::kNo:
      return MB_DEFBUTTON2;
    case app::Answer::kCancel:
      return MB_DEFBUTTON3;
    case app::Answer::kYes:
    case app::Answer::kNone:
      break;
  }
  return MB_DEFBUTTON1;
}

}  // namespace

void MainWindow::ShowMessage(const app::Message& message) {
  // Before start-up completes there is no window to stand over.
  HWND owner = IsWindowVisible(Handle()) ? Handle() : nullptr;
  ShowMessageBox(owner, message.text, message.title, MB_OK | MessageBoxIcon(message.icon));
}

app::Answer MainWindow::Ask(const app::Question& question) {
  const UINT buttons = question.with_cancel ? MB_YESNOCANCEL : MB_YESNO;
  const int answer = ShowMessageBox(Handle(), question.text, question.title,
                                    buttons | DefaultButton(question.default_answer));
  if (answer == IDYES) return app::Answer::kYes;
  if (answer == IDNO) return app::Answer::kNo;
  return app::Answer::kCancel;
}

void MainWindow::ShowNotice(const std::string& text, const app::TwipsRect& place,
                            int milliseconds) {
  notice_->PopUp(text, place, milliseconds);
}

std::string MainWindow::ChooseFolder(const std::string& title, const std::string& start) {
  return PickFolder(Handle(), title, start);
}

std::string MainWindow::ChooseFile(const app::FileDialog& dialog) {
  return PickFile(Handle(), dialog);
}

// The shell's result above 32 is success; at or below it, its error code.
app::WebLaunch MainWindow::OpenWebPage(const std::string& address) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, nullptr, Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return {};
  return {false, static_cast<int>(result)};
}

void MainWindow::Quit() { PostQuitMessage(0); }

}  // namespace qvn::win
