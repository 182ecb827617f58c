#pragma once
// Settings files (*.usr): the top folder, the three exclusion lists and the
// three options, as seven fields, then the more checks as seven more, then
// the check of links to other sites as one more, in the order of
// kSettingsFieldTable. A text field is written between double quotes (line breaks
// allowed inside), a number as " N ", each followed by CR LF. There is no
// escape for a double quote, so a text holding one cannot be stored.
//
// Each group of fields after the seventh is written only when one of its
// fields, or of a later group, differs from its default, so settings that do
// not use them give the file of earlier versions, byte for byte; a shorter
// file loads the missing fields with their defaults.

#include <iterator>
#include <string>
#include <string_view>

#include "core/platform/platform.h"
#include "core/site/selection.h"

namespace qvn {

/// The user's choices as a settings file holds them. A new Settings holds
/// each field's default (kSettingsFieldTable).
struct Settings {
  Settings();

  std::string top_folder;
  std::string excluded_subfolders;  ///< names, one per line (CR LF between them)
  std::string excluded_filepaths;   ///< the comma list as typed
  std::string excluded_links;       ///< the comma list as typed
  int top_folder_only;              ///< 1 ticked, any other value unticked
  int show_repeated;
  int include_php;
  // The more checks, appended after the seventh field; files that end
  // before them load with their defaults.
  int all_links;
  int site_root;
  std::string site_root_folder;  ///< "" = the top folder
  int index_pages;
  std::string index_files;
  int check_fragments;
  int letter_case;
  int external_links;  ///< links to other sites are asked of their servers

  bool operator==(const Settings&) const = default;
};

/// One field of a settings file: its place (from 1), its name as messages
/// give it, what it holds and its default. Exactly one of text and value is
/// set, as kind says.
struct SettingsField {
  enum class Kind { kText, kNumber };

  int number;
  std::string_view name;
  Kind kind;
  std::string Settings::*text;
  int Settings::*value;
  std::string_view default_text;
  int default_value;

  static constexpr SettingsField Text(int number, std::string_view name,
                                      std::string Settings::*member,
                                      std::string_view by_default = {}) {
    return {number, name, Kind::kText, member, nullptr, by_default, 0};
  }
  static constexpr SettingsField Number(int number, std::string_view name, int Settings::*member,
                                        int by_default = 0) {
    return {number, name, Kind::kNumber, nullptr, member, {}, by_default};
  }
};

/// The fields in file order: the one table that reading, writing, the
/// defaults and the double-quote check follow.
inline constexpr SettingsField kSettingsFieldTable[] = {
    SettingsField::Text(1, "top folder", &Settings::top_folder),
    SettingsField::Text(2, "excluded top subfolders", &Settings::excluded_subfolders),
    SettingsField::Text(3, "filepath exclusions", &Settings::excluded_filepaths),
    SettingsField::Text(4, "link exclusions", &Settings::excluded_links),
    SettingsField::Number(5, "top folder only", &Settings::top_folder_only),
    SettingsField::Number(6, "show repeated links", &Settings::show_repeated),
    SettingsField::Number(7, "include PHP files", &Settings::include_php),
    SettingsField::Number(8, "all links", &Settings::all_links),
    SettingsField::Number(9, "site root", &Settings::site_root),
    SettingsField::Text(10, "site root folder", &Settings::site_root_folder),
    SettingsField::Number(11, "accept index pages", &Settings::index_pages),
    SettingsField::Text(12, "index pages", &Settings::index_files, kDefaultIndexFiles),
    SettingsField::Number(13, "check fragments", &Settings::check_fragments),
    SettingsField::Number(14, "letter case", &Settings::letter_case),
    SettingsField::Number(15, "links to other sites", &Settings::external_links),
};

/// The more checks that settings hold (number fields: 1 ticked).
MoreChecks MoreChecksOf(const Settings& settings);
/// Stores more into settings' fields of the more checks.
void SetMoreChecks(Settings& settings, const MoreChecks& more);

/// Number of fields of a complete settings file: one without the more
/// checks, which then take their defaults.
inline constexpr int kSettingsFields = 7;
/// Number of fields of a file that holds the more checks, and not the
/// check of links to other sites.
inline constexpr int kMoreChecksFields = 14;
/// Number of fields of a file that holds every field.
inline constexpr int kAllSettingsFields = static_cast<int>(std::size(kSettingsFieldTable));
/// Where the groups of fields end that a file may end with: the first
/// seven, the more checks, the links to other sites.
inline constexpr int kSettingsFieldGroupEnds[] = {kSettingsFields, kMoreChecksFields,
                                                  kAllSettingsFields};

/// True when fields_read (as ParseSettings returns it) means the whole file
/// was read: it ended where a group of fields ends.
inline bool IsCompleteSettingsRead(int fields_read) {
  for (const int end : kSettingsFieldGroupEnds)
    if (fields_read == end) return true;
  return false;
}

/// The number of fields in the group that the field after fields_read
/// ends: what a file cut short should have held.
inline int ExpectedSettingsFields(int fields_read) {
  for (const int end : kSettingsFieldGroupEnds)
    if (fields_read < end) return end;
  return kAllSettingsFields;
}

/// True when one field after the seventh differs from its default.
bool HasMoreChecksFields(const Settings& settings);

/// The file's text (UTF-8 in memory): seven fields, and each later group up
/// to the last that holds a field off its default.
std::string FormatSettings(const Settings& settings);

/// The name of the first text field that holds a double quote, such as
/// "link exclusions" or "index pages"; "" when every field can be stored.
std::string FieldWithDoubleQuote(const Settings& settings);

/// Reads the fields in order into settings and returns how many were read
/// (0 to kAllSettingsFields). Reading ends at the first field that is missing or malformed (a
/// number field holding text or a number beyond 16 bits, an unclosed quote);
/// the fields from there on are left as they were. In the subfolder names
/// either slash becomes the platform's separator, so files move between
/// platforms.
int ParseSettings(std::string_view text, Settings& settings);

/// Writes a settings file (through a temporary file: a failed save leaves
/// the old file intact). Refuses, writing nothing, when a text holds a double
/// quote: then error->code is -1 and the description names the field.
bool WriteSettingsFile(const std::string& path, const Settings& settings, SystemError* error);

/// The most a settings file may hold (16 MB): a longer file, or an endless
/// device, is refused rather than read into memory.
inline constexpr std::uint64_t kSettingsFileLimit = 16u << 20;

/// Reads a settings file as far as it can; returns the number of fields read
/// (-1 when the file cannot be read at all, with error set: a file over
/// kSettingsFileLimit gets code kErrorOverLimit and a description naming the
/// limit). Pipes, FIFOs and devices are read as streams.
int ReadSettingsFile(const std::string& path, Settings& settings, SystemError* error);

}  // namespace qvn
