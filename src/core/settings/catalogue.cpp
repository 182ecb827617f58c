#include "core/settings/catalogue.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <string_view>
#include <system_error>

#include "core/platform/platform.h"
#include "core/text/utf.h"

namespace qvn {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kSpaceOrTab = " \t";
// Line numbers that the missing-text and too-long codes can carry without
// running into the next code range.
constexpr long long kMaxCodedLine = 500;

std::filesystem::path NativePath(const std::string& path) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
  return std::filesystem::path(path);
#endif
}

// Reads the whole file into bytes; 1 on success, otherwise a failure code.
int ReadCatalogueFile(const std::string& path, std::string& bytes) {
  const std::filesystem::path native = NativePath(path);
  std::error_code error;
  // Only regular files: a folder cannot be read, and a FIFO or device could
  // block the start-up for good.
  if (!std::filesystem::is_regular_file(native, error)) return kCatalogueCannotOpen;
  std::ifstream in(native, std::ios::binary);
  if (!in.is_open()) return kCatalogueCannotOpen;
  char buffer[16384];
  while (in) {
    in.read(buffer, sizeof buffer);
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (static_cast<long long>(bytes.size()) > kCatalogueMaxFileBytes) {
      return kCatalogueTooMuchText;
    }
  }
  if (in.bad()) return kCatalogueReadError;
  return bytes.empty() ? kCatalogueEmptyFile : 1;
}

int LineFault(int base, long long line_number) {
  if (base != kCatalogueDuplicateBase && line_number > kMaxCodedLine) return kCatalogueLineLost;
  if (line_number > 2'000'000'000LL) return kCatalogueLineLost;
  return base - static_cast<int>(line_number);
}

// Reads the number at the start of entry (blanks already removed); false
// when it is not a decimal 16-bit signed integer followed by a blank or the end.
bool ParseNumber(std::string_view entry, int& number, std::size_t& end) {
  std::size_t i = entry.starts_with('-') ? 1 : 0;
  const std::size_t digits_start = i;
  long long value = 0;
  for (; i < entry.size() && entry[i] >= '0' && entry[i] <= '9'; ++i) {
    value = value * 10 + (entry[i] - '0');
    if (value > 32768) return false;
  }
  if (i == digits_start) return false;
  if (i < entry.size() && kSpaceOrTab.find(entry[i]) == std::string_view::npos) return false;
  if (digits_start == 1) value = -value;
  if (value > 32767) return false;
  number = static_cast<int>(value);
  end = i;
  return true;
}

long long CharacterCount(std::string_view s) {
  long long count = 0;
  for (std::size_t i = 0; i < s.size(); ++count) DecodeNext(s, i);
  return count;
}

std::string_view TrimSpacesAndTabs(std::string_view s) {
  const std::size_t b = s.find_first_not_of(kSpaceOrTab);
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(kSpaceOrTab) - b + 1);
}

// Takes one line into texts; 0 when it is fine (or ignored), else a failure code.
int AddLine(std::string_view raw, long long line_number, std::map<int, std::string>& texts) {
  const std::string line = DecodeTextLine(raw);
  const std::string_view entry = TrimSpacesAndTabs(line);
  if (entry.empty() || entry.starts_with('#')) return 0;
  int number = 0;
  std::size_t end = 0;
  if (!ParseNumber(entry, number, end)) return LineFault(kCatalogueMissingBase, line_number);
  const std::string_view text = TrimSpacesAndTabs(entry.substr(end));
  if (text.empty()) return LineFault(kCatalogueMissingBase, line_number);
  if (CharacterCount(text) > kCatalogueMaxTextLength) {
    return LineFault(kCatalogueTooLongBase, line_number);
  }
  if (!texts.emplace(number, std::string(text)).second) {
    return LineFault(kCatalogueDuplicateBase, line_number);
  }
  return 0;
}

// Takes every line of the file into texts; the number of texts, or the code
// of the first fault.
int ParseCatalogue(std::string_view bytes, std::map<int, std::string>& texts) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  long long line_number = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    const int fault = AddLine(bytes.substr(pos, end - pos), ++line_number, texts);
    if (fault != 0) return fault;
    pos = end + 1;
    if (end < bytes.size() && bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') {
      ++pos;
    }
  }
  return static_cast<int>(texts.size());
}

}  // namespace

int Catalogue::Load(const std::string& path) {
  texts_.clear();
  try {
    std::string bytes;
    const int read = ReadCatalogueFile(path, bytes);
    if (read <= 0) return read;
    std::map<int, std::string> texts;
    const int result = ParseCatalogue(bytes, texts);
    if (result > 0) texts_ = std::move(texts);
    return result;
  } catch (const std::bad_alloc&) {
    texts_.clear();
    return kCatalogueOutOfMemory;
  }
}

std::string Catalogue::Get(int number) const {
  const auto it = texts_.find(number);
  if (it == texts_.end() || it->second == "~") return {};
  return it->second;
}

std::string CatalogueFailureText(int code, const std::string& path) {
  switch (code) {
    case 0:
      return "No program text was read.";
    case -1:
      return "Cannot open file containing program text.\r\n" + path;
    case -2:
      return "Particular memory allocation error.";
    case -3:
      return "Too much program text.";
    case -4:
      return "Text not recovered.";
    case -6:
      return "File is empty.";
    case -7:
      return "Error reading file.";
    case -8:
      return "General memory allocation error.";
  }
  const long long c = code;
  if (c > 0) return {};
  if (c < -1500) return "Duplicate in program text at line " + std::to_string(-(c + 1500)) + ".";
  if (c <= -1001) return "String too long at line " + std::to_string(-(c + 1000)) + ".";
  if (c <= -501) return "Missing string at line " + std::to_string(-(c + 500)) + ".";
  return "Error " + std::to_string(c);
}

std::string CataloguePath(const std::string& program_folder, const std::string& file_name) {
  if (program_folder.empty()) return file_name;
  if (program_folder.back() == kSeparator) return program_folder + file_name;
  return program_folder + kSeparator + file_name;
}

}  // namespace qvn
