#pragma once
// The system's folder picker and file dialogs (IFileDialog), UTF-8 in and out.

#include <windows.h>

#include <string>

#include "core/app/main_view.h"

namespace qvn::win {

/// The folder chosen under title, opening at start when it exists; "" when cancelled.
std::string PickFolder(HWND owner, const std::string& title, const std::string& start);

/// The file chosen in an open or save dialog; "" when cancelled.
std::string PickFile(HWND owner, const app::FileDialog& dialog);

/// The pattern of a filter such as "Settings file (*.usr)": "*.usr"
/// ("*.*" when it names none).
std::string FilterPattern(const std::string& filter);

}  // namespace qvn::win
