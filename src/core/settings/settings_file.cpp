#include "core/settings/settings_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <span>

#include "core/platform/text_file.h"
#include "core/text/text.h"

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

bool HoldsDefault(const SettingsField& field, const Settings& settings) {
  if (field.kind == SettingsField::Kind::kNumber)
    return settings.*field.value == field.default_value;
  return settings.*field.text == field.default_text;
}

// The table's numbers are the fields' places in the file.
constexpr bool TableIsInOrder() {
  int number = 0;
  for (const SettingsField& field : kSettingsFieldTable)
    if (field.number != ++number) return false;
  return true;
}
static_assert(TableIsInOrder());

}  // namespace

Settings::Settings() {
  for (const SettingsField& field : kSettingsFieldTable) {
    if (field.kind == SettingsField::Kind::kNumber) {
      this->*field.value = field.default_value;
    } else {
      this->*field.text = std::string(field.default_text);
    }
  }
}

bool HasMoreChecksFields(const Settings& settings) {
  return !std::all_of(std::begin(kSettingsFieldTable) + kSettingsFields,
                      std::end(kSettingsFieldTable),
                      [&](const SettingsField& field) { return HoldsDefault(field, settings); });
}

namespace {

int FieldsToWrite(const Settings& settings) {
  // The last group holding a field off its default, and every group before it.
  for (auto end = std::rbegin(kSettingsFieldGroupEnds); end != std::rend(kSettingsFieldGroupEnds);
       ++end) {
    if (*end == kSettingsFields) break;
    const int begin = *std::next(end);
    if (!std::all_of(std::begin(kSettingsFieldTable) + begin, std::begin(kSettingsFieldTable) + *end,
                     [&](const SettingsField& field) { return HoldsDefault(field, settings); }))
      return *end;
  }
  return kSettingsFields;
}

}  // namespace

std::string FormatSettings(const Settings& settings) {
  const int count = FieldsToWrite(settings);
  std::string out;
  for (const SettingsField& field : std::span(kSettingsFieldTable).first(count)) {
    if (field.kind == SettingsField::Kind::kNumber) {
      AppendNumber(out, settings.*field.value);
    } else {
      AppendText(out, settings.*field.text);
    }
  }
  return out;
}

std::string FieldWithDoubleQuote(const Settings& settings) {
  for (const SettingsField& field : kSettingsFieldTable)
    if (field.kind == SettingsField::Kind::kText &&
        (settings.*field.text).find('"') != std::string::npos)
      return std::string(field.name);
  return {};
}

int ParseSettings(std::string_view text, Settings& settings) {
  // Editors may put a byte-order mark before a UTF-8 file's first field.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  FieldReader reader(text);
  constexpr char kOtherSlash = kSeparator == '/' ? '\\' : '/';
  int read = 0;
  for (const SettingsField& field : kSettingsFieldTable) {
    if (field.kind == SettingsField::Kind::kNumber) {
      if (!reader.Number(settings.*field.value)) return read;
    } else {
      std::string value;
      if (!reader.Text(value)) return read;
      if (field.text == &Settings::excluded_subfolders)
        std::replace(value.begin(), value.end(), kOtherSlash, kSeparator);
      settings.*field.text = std::move(value);
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
  SystemError read_error;
  if (!ReadTextFile(path, text, &read_error, kSettingsFileLimit)) {
    if (read_error.code == kErrorOverLimit)
      read_error.description = "the file is larger than " +
                               std::to_string(kSettingsFileLimit >> 20) +
                               " MB, the most a settings file may hold";
    if (error != nullptr) *error = std::move(read_error);
    return -1;
  }
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
  more.external = settings.external_links == 1;
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
  settings.external_links = more.external ? 1 : 0;
}

}  // namespace qvn
