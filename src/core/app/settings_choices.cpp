#include "core/app/settings_choices.h"

#include "core/platform/path.h"
#include "core/text/text.h"

namespace qvn::app {

SettingsApplied ApplySettings(const Settings& settings, int fields_read, Choices& choices) {
  SettingsApplied applied;
  applied.fields_read = fields_read;
  applied.complete = IsCompleteSettingsRead(fields_read);
  choices.excluded_subfolders.clear();
  choices.excluded_filepaths.clear();
  choices.excluded_links.clear();
  if (fields_read >= 1) {
    const std::string top(TrimSpaces(settings.top_folder));
    const bool usable = IsExistingFolder(top);
    if (!usable && !top.empty()) applied.dropped_top_folder = top;
    choices.top_folder = usable ? top : std::string();
  }
  if (fields_read >= 2 && !choices.top_folder.empty()) {
    std::vector<std::string> names;
    const std::size_t count =
        SplitLines(settings.excluded_subfolders, names, CaseMode::kUnchanged, true);
    names.resize(count);
    choices.excluded_subfolders = std::move(names);
  }
  if (fields_read >= 3) choices.excluded_filepaths = TrimSpaces(settings.excluded_filepaths);
  if (fields_read >= 4) choices.excluded_links = TrimSpaces(settings.excluded_links);
  if (fields_read >= 5) choices.top_folder_only = settings.top_folder_only == 1;
  if (fields_read >= 6) choices.show_repeated = settings.show_repeated == 1;
  if (fields_read >= 7) choices.include_php = settings.include_php == 1;
  if (fields_read >= kSettingsFields) choices.more = MoreChecksOf(settings);
  return applied;
}

SettingsApplied LoadSettingsFile(const std::string& path, Choices& choices, SystemError* error) {
  Settings settings;
  const int read = ReadSettingsFile(path, settings, error);
  if (read < 0) return SettingsApplied{-1, false, {}};
  return ApplySettings(settings, read, choices);
}

Settings SettingsOf(const Choices& choices) {
  Settings settings;
  settings.top_folder = choices.top_folder;
  for (std::size_t i = 0; i < choices.excluded_subfolders.size(); ++i) {
    if (i > 0) settings.excluded_subfolders += "\r\n";
    settings.excluded_subfolders += choices.excluded_subfolders[i];
  }
  settings.excluded_filepaths = choices.excluded_filepaths;
  settings.excluded_links = choices.excluded_links;
  settings.top_folder_only = choices.top_folder_only ? 1 : 0;
  settings.show_repeated = choices.show_repeated ? 1 : 0;
  settings.include_php = choices.include_php ? 1 : 0;
  SetMoreChecks(settings, choices.more);
  return settings;
}

bool SaveSettingsFile(const std::string& path, const Choices& choices, SystemError* error) {
  return WriteSettingsFile(path, SettingsOf(choices), error);
}

}  // namespace qvn::app
