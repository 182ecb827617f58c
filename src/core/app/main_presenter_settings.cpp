// The main window's settings: saved for the next run, saved to and loaded
// from files of the user's choice.

#include "core/app/main_presenter.h"
#include "core/app/settings_choices.h"
#include "core/platform/path.h"
#include "core/settings/catalogue_texts.h"

namespace qvn::app {

void MainPresenter::SettingsChosen() {
  if (!startup_completed_) return;
  // A pick in the list acts at once: replacing the saved settings is asked first.
  const bool saves_default = settings_index_ == 0 || settings_index_ == 2;
  if (saves_default && DoesFileExist(default_settings_file_) &&
      view_.Ask({"Overwrite the settings saved for the next run?\r\n" + default_settings_file_,
                 "Settings"}) != Answer::kYes) {
    SetDefaultFocus();
    return;
  }
  SaveOrLoadSettings();
  SetDefaultFocus();
}

void MainPresenter::SaveOrLoadSettings() {
  switch (settings_index_) {
    case 0:
      SaveSettings(default_settings_file_, true);
      break;
    case 1:
      SaveSettings("", true);
      break;
    case 2:
      SaveInBothWays();
      break;
    case 3:
      LoadSettings("");
      break;
    default:
      break;
  }
}

// The file is chosen first, so that a cancelled dialog writes nothing.
void MainPresenter::SaveInBothWays() {
  const std::string path = ChooseSettingsFile(true);
  if (path.empty()) return;
  SaveSettings(default_settings_file_, false);
  SaveSettings(path, true);
}

// path "" asks the user for a file.
void MainPresenter::SaveSettings(std::string path, bool notice) {
  if (path.empty()) path = ChooseSettingsFile(true);
  if (path.empty()) return;
  SystemError error;
  if (!SaveSettingsFile(path, choices_, &error)) {
    // Code -1: a text the file cannot hold, described in full.
    const std::string text = error.code == -1
                                 ? error.description
                                 : "Error when attempting to save settings: " + error.description;
    view_.ShowMessage({text, "Save settings", Icon::kWarning});
    return;
  }
  if (notice)
    view_.ShowNotice(catalogue_.Get(texts::kSettingsSaved),
                     NoticePlace(view_.Place(), view_.PlaceOf(Control::kClearChoice)), 2000);
  SetDefaultFocus();
}

// Applies the fields that could be read (see ApplySettings); a cancelled
// dialog or a file that cannot be read leaves the choices as they were.
void MainPresenter::LoadSettings(std::string path) {
  if (path.empty()) path = ChooseSettingsFile(false);
  if (!path.empty()) {
    SetProgress("");
    SetStatus("");
    const std::string before = choices_.top_folder;
    SystemError error;
    const SettingsApplied applied = LoadSettingsFile(path, choices_, &error);
    ShowChoices();
    TopFolderChanged(before);
    if (startup_completed_) UpdateExcludedSubfoldersState();
    if (!applied.dropped_top_folder.empty()) TellDroppedTopFolder(applied.dropped_top_folder);
  }
  SetDefaultFocus();
}

// The rest of the file is applied; the top folder box is left empty.
void MainPresenter::TellDroppedTopFolder(const std::string& folder) {
  std::string file = folder;
  while (!file.empty() && file.back() == kSeparator) file.pop_back();
  const std::string what = DoesFileExist(file) ? "is a file, not a folder" : "does not exist";
  view_.ShowMessage({"The top folder in the settings file " + what + ":\r\n" + folder +
                         "\r\n\r\nThe other settings were loaded.",
                     "Load settings", Icon::kWarning});
}

// Dialogs open where the last settings file was, else in the data folder
// (never the site's); a name saved without extension gets ".usr".
std::string MainPresenter::ChooseSettingsFile(bool save) {
  FileDialog dialog;
  dialog.save = save;
  dialog.title = save ? "Specify file for settings for index module"
                      : "Specify index module settings file";
  dialog.folder = GetFolderPart(
      last_settings_file_.empty() ? default_settings_file_ : last_settings_file_, false);
  dialog.filter = "Settings file (*.usr)";
  std::string path = view_.ChooseFile(dialog);
  if (path.empty()) return path;
  if (save && GetFileExtension(GetFileNamePart(path, false), false).empty()) {
    path += ".usr";
    // The dialog asked about the name as typed, not about this one.
    if (DoesFileExist(path) &&
        view_.Ask({"Overwrite " + path + "?", dialog.title}) != Answer::kYes)
      return "";
  }
  last_settings_file_ = path;
  return path;
}

}  // namespace qvn::app
