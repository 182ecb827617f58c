// The main window's settings: saved for the next run, saved to and loaded
// from files of the user's choice.

#include "core/app/main_presenter.h"
#include "core/app/settings_choices.h"
#include "core/platform/path.h"
#include "core/settings/catalogue_texts.h"

namespace qvn::app {

void MainPresenter::SettingsChosen() {
  if (!startup_completed_) return;
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
      SaveSettings(default_settings_file_, false);
      SaveSettings("", true);
      break;
    case 3:
      LoadSettings("");
      break;
    default:
      break;
  }
}

// path "" asks the user for a file.
void MainPresenter::SaveSettings(std::string path, bool notice) {
  if (path.empty()) {
    path = ChooseSettingsFile(true);
    if (!path.empty()) last_settings_file_ = path;
  }
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
  if (path.empty()) {
    path = ChooseSettingsFile(false);
    if (!path.empty()) last_settings_file_ = path;
  }
  if (!path.empty()) {
    SetProgress("");
    SetStatus("");
    SystemError error;
    LoadSettingsFile(path, choices_, &error);
    ShowChoices();
    if (startup_completed_) UpdateExcludedSubfoldersState();
  }
  SetDefaultFocus();
}

std::string MainPresenter::ChooseSettingsFile(bool save) {
  FileDialog dialog;
  dialog.save = save;
  dialog.title = save ? "Specify file for settings for index module"
                      : "Specify index module settings file";
  if (!last_settings_file_.empty()) dialog.folder = GetFolderPart(last_settings_file_, false);
  dialog.filter = "Settings file (*.usr)";
  return view_.ChooseFile(dialog);
}

}  // namespace qvn::app
