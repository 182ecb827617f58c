#pragma once
// Where the program keeps its files: the per-user data folder for reports,
// lists and settings, and the program's folder for the catalogue and help.

#include <string>

#include "core/platform/platform.h"

namespace qvn {

/// The per-user data folder followed by subfolder_name (catalogue text 310),
/// without a trailing separator; "" when the platform names no such folder.
std::string DataFolderPath(const std::string& subfolder_name);

/// DataFolderPath(subfolder_name) + separator + file_name, creating the
/// folder (and its parents) when missing. "" with error set on failure.
std::string GetAppDataFilePath(const std::string& file_name, const std::string& subfolder_name,
                               SystemError* error);

/// The path of one of the program's own files: beside the executable, or for
/// an installed program in ../share/quorvane; the first when neither exists.
std::string ProgramFilePath(const std::string& file_name);

}  // namespace qvn
