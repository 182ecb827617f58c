#pragma once
// Settings files meet the user's choices: loading applies a file as far as it
// was read, saving stores the choices. Both front ends go through here.

#include <string>

#include "core/app/choices.h"
#include "core/platform/platform.h"
#include "core/settings/settings_file.h"

namespace qvn::app {

/// What applying a settings file did.
struct SettingsApplied {
  int fields_read = 0;  ///< as ParseSettings counts them; -1 when the file could not be read
  bool complete = false;  ///< the whole file was read (seven fields, or all of them)
  /// The top folder the file names when it is not an existing folder (it is
  /// then not applied, nor are the subfolders chosen under it); "" otherwise.
  std::string dropped_top_folder;
};

/// Applies the first fields_read fields of settings to choices. The three
/// exclusion lists are emptied first, so those the file does not reach stay
/// empty; the top folder and the options it does not reach keep their
/// values. A top folder that is not an existing folder becomes "", and the
/// subfolders chosen under it are dropped. Exclusion lists lose surrounding
/// spaces. The more checks are taken once the seventh field was read (those
/// the file lacks take their defaults).
SettingsApplied ApplySettings(const Settings& settings, int fields_read, Choices& choices);

/// Reads the settings file at path and applies it (see ApplySettings).
/// With fields_read -1 nothing was applied and error says why.
SettingsApplied LoadSettingsFile(const std::string& path, Choices& choices, SystemError* error);

/// The settings file's fields for choices.
Settings SettingsOf(const Choices& choices);

/// Saves choices to path (see WriteSettingsFile: nothing is written when a
/// text holds a double quote).
bool SaveSettingsFile(const std::string& path, const Choices& choices, SystemError* error);

}  // namespace qvn::app
