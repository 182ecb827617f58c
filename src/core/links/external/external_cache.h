#pragma once
// Answers of earlier external checks, kept in a file so that a run within
// the cache's age asks no server again. The file is a cache: one that cannot
// be read, or lines that make no sense, are ignored, never an error.
//
// Format (UTF-8, LF): the line "quorvane-external-cache 1", then one line
// per address: seconds since 1970 UTC, the address, the outcome ("ok",
// "moved", "status" or "error"), the status, the error's word and the text
// (reason, final address or error text), separated by tabs.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/links/external/external_verdict.h"
#include "core/platform/platform.h"

namespace qvn {

class ExternalCache {
 public:
  /// Entries beyond max_entries are dropped when saved, oldest first.
  static constexpr std::size_t kDefaultMaxEntries = 100000;
  explicit ExternalCache(std::size_t max_entries = kDefaultMaxEntries)
      : max_entries_(max_entries) {}

  /// The cache file's name in its folder.
  static constexpr const char* kFileName = "external-links.cache";

  /// Reads a cache file, adding its entries (a newer entry wins). A missing
  /// or unreadable file, or one of another format, adds nothing; malformed
  /// lines are skipped.
  void Load(const std::string& path);
  /// The verdict stored for url when it is younger than max_age at now
  /// (seconds since 1970 UTC).
  std::optional<ExternalVerdict> Find(const std::string& url, long long now,
                                      std::chrono::seconds max_age) const;
  /// Keeps verdict for url, answered at now. kNotChecked verdicts and the
  /// loopback switch's refusals are not kept.
  void Store(const std::string& url, const ExternalVerdict& verdict, long long now);
  /// Writes the newest entries to path through a temporary file.
  bool Save(const std::string& path, SystemError* error) const;
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    long long stamp = 0;
    ExternalVerdict verdict;
  };
  bool ParseLine(std::string_view line);

  std::size_t max_entries_;
  std::unordered_map<std::string, Entry> entries_;
};

/// Seconds since 1970 UTC now.
long long UnixNow();

}  // namespace qvn
