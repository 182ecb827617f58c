#include "core/repair/repair_backup.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <sstream>

#include "core/platform/path.h"

namespace qvn {
namespace {

constexpr std::string_view kManifest = "manifest.txt";
constexpr std::string_view kUndone = "undone";
constexpr std::string_view kHeading = "quorvane repair 1";
constexpr std::uint64_t kLargestManifest = std::uint64_t{64} << 20;

std::string In(const std::string& folder, std::string_view name) {
  return folder + kSeparator + std::string(name);
}

// Paths may hold any byte but the fields are split at tabs and lines.
std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '%' || c == '\t' || c == '\n' || c == '\r') {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string Hex(std::uint64_t value) {
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::optional<BackupEntry> ParseEntry(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  if (fields.size() != 4 || fields[0].size() != 16 || fields[1].size() != 16) return std::nullopt;
  try {
    return BackupEntry{Unescape(fields[3]), fields[2], std::stoull(fields[0], nullptr, 16),
                       std::stoull(fields[1], nullptr, 16)};
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

std::string RepairsFolder(const std::string& data_folder) {
  return In(data_folder, "repairs");
}

std::optional<std::string> CreateRunFolder(const std::string& repairs_folder, SystemError* error) {
  const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
#ifdef _WIN32
  gmtime_s(&utc, &now);
#else
  gmtime_r(&now, &utc);
#endif
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
  for (int n = 1; n < 1000; ++n) {
    const std::string folder = In(
        repairs_folder, n == 1 ? std::string(stamp) : std::string(stamp) + "-" + std::to_string(n));
    if (GetPathKind(folder) != PathKind::kNone) continue;
    if (!CreateFolders(folder, error)) return std::nullopt;
    return folder;
  }
  if (error != nullptr) *error = {EEXIST, false, "too many repair runs in one second"};
  return std::nullopt;
}

bool WriteManifest(const std::string& run_folder, const std::vector<BackupEntry>& pages,
                   SystemError* error) {
  std::string text = std::string(kHeading) + "\n";
  for (const BackupEntry& entry : pages)
    text += Hex(entry.old_hash) + '\t' + Hex(entry.new_hash) + '\t' + entry.backup + '\t' +
            Escape(entry.page) + '\n';
  return WriteFileReplacing(In(run_folder, kManifest), text, error);
}

std::optional<std::vector<BackupEntry>> ReadManifest(const std::string& run_folder,
                                                     SystemError* error) {
  std::string text;
  if (!ReadWholeFile(In(run_folder, kManifest), text, error, kLargestManifest)) return std::nullopt;
  std::istringstream in(text);
  std::string line;
  std::vector<BackupEntry> pages;
  bool heading = false;
  while (std::getline(in, line)) {
    if (!heading) {
      heading = line == kHeading;
      if (!heading) break;
      continue;
    }
    auto entry = ParseEntry(line);
    if (!entry) {
      heading = false;
      break;
    }
    pages.push_back(std::move(*entry));
  }
  if (heading) return pages;
  if (error != nullptr) *error = {EINVAL, false, "not a repair manifest"};
  return std::nullopt;
}

bool MarkUndone(const std::string& run_folder, SystemError* error) {
  return WriteFileReplacing(In(run_folder, kUndone), "", error);
}

bool IsUndone(const std::string& run_folder) {
  return GetPathKind(In(run_folder, kUndone)) == PathKind::kFile;
}

std::vector<std::string> ListRuns(const std::string& repairs_folder) {
  std::vector<FolderEntry> entries;
  std::vector<std::string> runs;
  if (!ListFolder(repairs_folder, entries, nullptr)) return runs;
  for (const FolderEntry& entry : entries)
    if (entry.kind == PathKind::kFolder &&
        GetPathKind(In(In(repairs_folder, entry.name), kManifest)) == PathKind::kFile)
      runs.push_back(entry.name);
  std::sort(runs.begin(), runs.end());
  return runs;
}

}  // namespace qvn
