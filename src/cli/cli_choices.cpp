#include "cli/cli_choices.h"

#include <ostream>

#include "core/app/settings_choices.h"

namespace qvn::cli {
namespace {

// The settings file's choices; false after printing why it could not be read.
bool ApplySettingsFile(const std::string& path, app::Choices& choices, std::ostream& err) {
  SystemError error;
  const app::SettingsApplied applied = app::LoadSettingsFile(path, choices, &error);
  if (applied.fields_read < 0) {
    err << "qvn: cannot read the settings file " << path << ": " << error.description << '\n';
    return false;
  }
  // Seven fields make a whole file; the more checks' fields may follow.
  if (!applied.complete)
    err << "qvn: the settings file " << path << " could be read only up to "
        << applied.fields_read << " of its "
        << ExpectedSettingsFields(applied.fields_read)
        << " fields; the rest was not applied\n";
  return true;
}

}  // namespace

bool ChoicesFromRequest(const CliRequest& request, app::Choices& choices, std::ostream& err) {
  if (!request.settings_file.empty() && !ApplySettingsFile(request.settings_file, choices, err))
    return false;
  if (request.top_folder) choices.top_folder = *request.top_folder;
  if (!request.excluded_subfolders.empty()) choices.excluded_subfolders = request.excluded_subfolders;
  if (request.excluded_paths) choices.excluded_filepaths = *request.excluded_paths;
  if (request.excluded_links) choices.excluded_links = *request.excluded_links;
  // A flag can only turn an option on: off is the default and the settings file's.
  choices.top_folder_only |= request.top_folder_only;
  choices.show_repeated |= request.show_repeated;
  choices.include_php |= request.include_php;
  choices.more = CombineMoreChecks(choices.more, request.more_flags);
  // Only a check asks other sites; a settings file's tick does nothing elsewhere.
  if (request.command == Command::kCheck)
    choices.more = CombineExternal(choices.more, request.external_flags);
  else
    choices.more.external = false;
  choices.output_folder = request.output_dir.value_or("");
  choices.format = request.check_output.format;
  return true;
}

}  // namespace qvn::cli
