#pragma once
// The backup of a repair run: one folder per run in the repairs folder,
// holding each page's old bytes and a manifest that names them. The backup
// is whole before any page is written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/platform.h"

namespace qvn {

/// One page of a repair run.
struct BackupEntry {
  std::string page;            ///< full path
  std::string backup;          ///< its old bytes' file in the run's folder
  std::uint64_t old_hash = 0;  ///< ContentHash before the repair
  std::uint64_t new_hash = 0;  ///< ContentHash after it
};

/// The folder of repair runs in data_folder (the per-user data folder).
std::string RepairsFolder(const std::string& data_folder);

/// Makes a new run's folder in repairs_folder, named by the time (UTC) so
/// that names sort as runs were made; its full path, or nullopt with error set.
std::optional<std::string> CreateRunFolder(const std::string& repairs_folder, SystemError* error);

/// Writes the manifest of the run in run_folder (replacing it whole).
bool WriteManifest(const std::string& run_folder, const std::vector<BackupEntry>& pages,
                   SystemError* error);

/// The manifest of the run in run_folder; nullopt with error set when it
/// cannot be read (or is not one).
std::optional<std::vector<BackupEntry>> ReadManifest(const std::string& run_folder,
                                                     SystemError* error);

/// Marks the run in run_folder undone: undo passes over it afterwards.
bool MarkUndone(const std::string& run_folder, SystemError* error);
bool IsUndone(const std::string& run_folder);

/// The names of the runs in repairs_folder that have a manifest, oldest first.
std::vector<std::string> ListRuns(const std::string& repairs_folder);

}  // namespace qvn
