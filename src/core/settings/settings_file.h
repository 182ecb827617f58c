#pragma once
// Settings files (*.usr): the top folder, the three exclusion lists and the
// three options, as seven fields, then the more checks as seven more: all
// links (number), site root (number), site root folder (text), index pages
// (number), index files (text), check fragments (number), letter case
// (number). A text field is written between double quotes (line breaks
// allowed inside), a number as " N ", each followed by CR LF. There is no
// escape for a double quote, so a text holding one cannot be stored.
//
// The fields of the more checks are written only when one of them differs
// from its default, so settings that do not use them give the seven-field
// file of earlier versions, byte for byte; a seven-field file loads them
// with their defaults.

#include <string>
#include <string_view>

#include "core/platform/platform.h"
#include "core/site/selection.h"

namespace qvn {

struct Settings {
  std::string top_folder;
  std::string excluded_subfolders;  ///< names, one per line (CR LF between them)
  std::string excluded_filepaths;   ///< the comma list as typed
  std::string excluded_links;       ///< the comma list as typed
  int top_folder_only = 0;          ///< 1 ticked, any other value unticked
  int show_repeated = 0;
  int include_php = 0;
  // The more checks, appended after the seventh field; files that end
  // before them load with these defaults.
  int all_links = 0;
  int site_root = 0;
  std::string site_root_folder;  ///< "" = the top folder
  int index_pages = 0;
  std::string index_files = std::string(kDefaultIndexFiles);
  int check_fragments = 0;
  int letter_case = 0;
};

/// The more checks that settings hold (number fields: 1 ticked).
MoreChecks MoreChecksOf(const Settings& settings);
/// Stores more into settings' fields of the more checks.
void SetMoreChecks(Settings& settings, const MoreChecks& more);

/// Number of fields of a complete settings file: one without the more
/// checks, which then take their defaults.
inline constexpr int kSettingsFields = 7;
/// Number of fields of a file that holds the more checks as well.
inline constexpr int kAllSettingsFields = 14;

/// True when fields_read (as ParseSettings returns it) means the whole file
/// was read: the seven fields alone, or all fourteen.
inline bool IsCompleteSettingsRead(int fields_read) {
  return fields_read == kSettingsFields || fields_read == kAllSettingsFields;
}

/// True when one field of the more checks differs from its default.
bool HasMoreChecksFields(const Settings& settings);

/// The file's text (UTF-8 in memory): seven fields, or fourteen when
/// HasMoreChecksFields.
std::string FormatSettings(const Settings& settings);

/// The name of the first text field that holds a double quote, such as
/// "link exclusions" or "index pages"; "" when every field can be stored.
std::string FieldWithDoubleQuote(const Settings& settings);

/// Reads the fields in order into settings and returns how many were read
/// (0 to 14). Reading ends at the first field that is missing or malformed (a
/// number field holding text or a number beyond 16 bits, an unclosed quote);
/// the fields from there on are left as they were. In the subfolder names
/// either slash becomes the platform's separator, so files move between
/// platforms.
int ParseSettings(std::string_view text, Settings& settings);

/// Writes a settings file (through a temporary file: a failed save leaves
/// the old file intact). Refuses, writing nothing, when a text holds a double
/// quote: then error->code is -1 and the description names the field.
bool WriteSettingsFile(const std::string& path, const Settings& settings, SystemError* error);

/// Reads a settings file as far as it can; returns the number of fields read
/// (-1 when the file cannot be read at all, with error set).
int ReadSettingsFile(const std::string& path, Settings& settings, SystemError* error);

}  // namespace qvn
