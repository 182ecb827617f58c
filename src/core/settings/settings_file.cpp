#include "core/settings/settings_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <variant>

#include "core/text/text.h"
#include "core/platform/text_file.h"

namespace qvn {
namespace {

void AppendText(std::string& out, const std::string& field) {
  out += '"';
  out += field;
  out += "\"\r\n";
}

void AppendNumber(std::string& out, int value) {
  out += ' ';
  out += std::to_string(value);
  out += " \r\n";
}

// Reads fields the way they were written: blanks (line breaks included)
// before a field are skipped, and so is the separator after it.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}

  bool Text(std::string& out) {
    SkipBlanks();
    if (pos_ >= text_.size()) return false;
    if (text_[pos_] != '"') {  // an unquoted text runs to a comma or a line end
      const std::size_t end = std::min(text_.find_first_of(",\r\n", pos_), text_.size());
      out = std::string(TrimSpaces(text_.substr(pos_, end - pos_)));
      pos_ = end;
      SkipSeparator();
      return true;
    }
    const std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) return false;
    out = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
    pos_ = close + 1;
    SkipSeparator();
    return true;
  }

  bool Number(int& out) {
    SkipBlanks();
    const std::size_t end = std::min(text_.find_first_of(",\r\n", pos_), text_.size());
    const std::string_view token = TrimBlanks(text_.substr(pos_, end - pos_));
    // A 16-bit whole number, a sign allowed; anything else ends the reading.
    std::string_view digits = token;
    if (digits.starts_with('+')) digits.remove_prefix(1);
    int value = 0;
    const auto [rest, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || rest != digits.data() + digits.size()) return false;
    if (value < -32768 || value > 32767) return false;
    out = value;
    pos_ = end;
    SkipSeparator();
    return true;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  void SkipSeparator() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == ',') {
      ++pos_;
    } else if (text_.substr(pos_).starts_with("\r\n")) {
      pos_ += 2;
    } else if (pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n')) {
      ++pos_;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

bool HasMoreChecksFields(const Settings& settings) {
  const Settings defaults;
  return settings.all_links != defaults.all_links || settings.site_root != defaults.site_root ||
         settings.site_root_folder != defaults.site_root_folder ||
         settings.index_pages != defaults.index_pages ||
         settings.index_files != defaults.index_files ||
         settings.check_fragments != defaults.check_fragments ||
         settings.letter_case != defaults.letter_case;
}

std::string FormatSettings(const Settings& settings) {
  std::string out;
  AppendText(out, settings.top_folder);
  AppendText(out, settings.excluded_subfolders);
  AppendText(out, settings.excluded_filepaths);
  AppendText(out, settings.excluded_links);
  AppendNumber(out, settings.top_folder_only);
  AppendNumber(out, settings.show_repeated);
  AppendNumber(out, settings.include_php);
  if (!HasMoreChecksFields(settings)) return out;
  AppendNumber(out, settings.all_links);
  AppendNumber(out, settings.site_root);
  AppendText(out, settings.site_root_folder);
  AppendNumber(out, settings.index_pages);
  AppendText(out, settings.index_files);
  AppendNumber(out, settings.check_fragments);
  AppendNumber(out, settings.letter_case);
  return out;
}

std::string FieldWithDoubleQuote(const Settings& settings) {
  const std::pair<const std::string*, const char*> fields[] = {
      {&settings.top_folder, "top folder"},
      {&settings.excluded_subfolders, "excluded top subfolders"},
      {&settings.excluded_filepaths, "filepath exclusions"},
      {&settings.excluded_links, "link exclusions"},
      {&settings.site_root_folder, "site root folder"},
      {&settings.index_files, "index pages"}};
  for (const auto& [text, name] : fields)
    if (text->find('"') != std::string::npos) return name;
  return {};
}

int ParseSettings(std::string_view text, Settings& settings) {
  // Editors may put a byte-order mark before a UTF-8 file's first field.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  FieldReader reader(text);
  // Each field is a text or a number, in the file's order.
  using Field = std::variant<std::string*, int*>;
  const Field fields[] = {&settings.top_folder,      &settings.excluded_subfolders,
                          &settings.excluded_filepaths, &settings.excluded_links,
                          &settings.top_folder_only, &settings.show_repeated,
                          &settings.include_php,     &settings.all_links,
                          &settings.site_root,       &settings.site_root_folder,
                          &settings.index_pages,     &settings.index_files,
                          &settings.check_fragments, &settings.letter_case};
  static_assert(std::size(fields) == kAllSettingsFields);
  constexpr char kOtherSlash = kSeparator == '/' ? '\\' : '/';
  int read = 0;
  for (const Field& field : fields) {
    if (int* const* number = std::get_if<int*>(&field)) {
      if (!reader.Number(**number)) return read;
    } else {
      std::string* target = std::get<std::string*>(field);
      std::string value;
      if (!reader.Text(value)) return read;
      if (target == &settings.excluded_subfolders)
        std::replace(value.begin(), value.end(), kOtherSlash, kSeparator);
      *target = std::move(value);
    }
    ++read;
  }
  return read;
}

bool WriteSettingsFile(const std::string& path, const Settings& settings, SystemError* error) {
  const std::string field = FieldWithDoubleQuote(settings);
  if (!field.empty()) {
    if (error != nullptr)
      *error = {-1, false,
                "The text of the " + field +
                    " holds a double quote (\"), which a settings file cannot store. Nothing "
                    "was saved."};
    return false;
  }
  return WriteTextFile(path, FormatSettings(settings), error);
}

int ReadSettingsFile(const std::string& path, Settings& settings, SystemError* error) {
  std::string text;
  if (!ReadTextFile(path, text, error)) return -1;
  return ParseSettings(text, settings);
}

MoreChecks MoreChecksOf(const Settings& settings) {
  MoreChecks more;
  more.all_links = settings.all_links == 1;
  more.site_root = settings.site_root == 1;
  more.site_root_folder = settings.site_root_folder;
  more.index_pages = settings.index_pages == 1;
  more.index_files = settings.index_files;
  more.check_fragments = settings.check_fragments == 1;
  more.letter_case = settings.letter_case == 1;
  return more;
}

void SetMoreChecks(Settings& settings, const MoreChecks& more) {
  settings.all_links = more.all_links ? 1 : 0;
  settings.site_root = more.site_root ? 1 : 0;
  settings.site_root_folder = more.site_root_folder;
  settings.index_pages = more.index_pages ? 1 : 0;
  settings.index_files = more.index_files;
  settings.check_fragments = more.check_fragments ? 1 : 0;
  settings.letter_case = more.letter_case ? 1 : 0;
}

}  // namespace qvn
