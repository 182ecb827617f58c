#include "win/file_dialogs.h"

// After windows.h, which they need.
#include <shobjidl.h>

#include "win/win_ui.h"

namespace qvn::win {
namespace {

// Releases a COM interface on leaving scope.
template <typename T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T** out() { return &pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  T* pointer_ = nullptr;
};

void SetFolder(IFileDialog* dialog, const std::string& folder) {
  if (folder.empty()) return;
  Com<IShellItem> item;
  if (SUCCEEDED(SHCreateItemFromParsingName(Wide(folder).c_str(), nullptr, IID_PPV_ARGS(item.out()))))
    dialog->SetFolder(item.operator->());
}

// The dialog's answer as a file-system path; "" when cancelled.
std::string Run(IFileDialog* dialog, HWND owner) {
  if (FAILED(dialog->Show(owner))) return "";
  Com<IShellItem> item;
  if (FAILED(dialog->GetResult(item.out()))) return "";
  PWSTR path = nullptr;
  if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) return "";
  std::string chosen = Utf8(path);
  CoTaskMemFree(path);
  return chosen;
}

}  // namespace

std::string FilterPattern(const std::string& filter) {
  const std::size_t open = filter.rfind('(');
  const std::size_t close = filter.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open + 2) return "*.*";
  return filter.substr(open + 1, close - open - 1);
}

std::string PickFolder(HWND owner, const std::string& title, const std::string& start) {
  Com<IFileDialog> dialog;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(dialog.out()))))
    return "";
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
  dialog->SetTitle(Wide(title).c_str());
  SetFolder(dialog.operator->(), start);
  return Run(dialog.operator->(), owner);
}

std::string PickFile(HWND owner, const app::FileDialog& request) {
  Com<IFileDialog> dialog;
  const CLSID& kind = request.save ? CLSID_FileSaveDialog : CLSID_FileOpenDialog;
  if (FAILED(CoCreateInstance(kind, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(dialog.out()))))
    return "";
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  options |= FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST;
  dialog->SetOptions(request.save ? options | FOS_OVERWRITEPROMPT : options | FOS_FILEMUSTEXIST);
  dialog->SetTitle(Wide(request.title).c_str());
  const std::wstring name = Wide(request.filter);
  const std::wstring pattern = Wide(FilterPattern(request.filter));
  const COMDLG_FILTERSPEC filter{name.c_str(), pattern.c_str()};
  dialog->SetFileTypes(1, &filter);
  // Saving "settings" gives "settings.usr", as the pattern says.
  if (pattern.starts_with(L"*.") && pattern.find_first_of(L"*?", 2) == std::wstring::npos)
    dialog->SetDefaultExtension(pattern.c_str() + 2);
  SetFolder(dialog.operator->(), request.folder);
  return Run(dialog.operator->(), owner);
}

}  // namespace qvn::win
