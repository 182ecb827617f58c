#include "core/platform/data_folder.h"

namespace qvn {

std::string DataFolderPath(const std::string& subfolder_name) {
  std::string base = UserDataFolder();
  if (base.empty()) return {};
  if (base.back() != kSeparator) base += kSeparator;
  return base + subfolder_name;
}

std::string GetAppDataFilePath(const std::string& file_name, const std::string& subfolder_name,
                               SystemError* error) {
  const std::string folder = DataFolderPath(subfolder_name);
  if (folder.empty()) {
    if (error != nullptr) *error = {0, false, "The per-user data folder is unknown."};
    return {};
  }
  // Parents are created too: a fresh account may not have them yet.
  if (!CreateFolders(folder, error)) return {};
  return folder + kSeparator + file_name;
}

std::string ProgramFilePath(const std::string& file_name) {
  const std::string folder = ProgramFolder();
  const std::string beside = folder + file_name;
  if (GetPathKind(beside) == PathKind::kFile) return beside;
#ifndef _WIN32
  const std::string installed = folder + "../share/quorvane/" + file_name;
  if (GetPathKind(installed) == PathKind::kFile) return installed;
#endif
  return beside;
}

}  // namespace qvn
