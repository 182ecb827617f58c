#include "core/links/external/external_cache.h"

#include <algorithm>
#include <array>
#include <vector>

namespace qvn {
namespace {

constexpr std::string_view kHeader = "quorvane-external-cache 1";
// A file this large was not written by us: it is not read.
constexpr std::size_t kMaxFileBytes = 64u << 20;

// The words of the errors a cache keeps; kNotLoopback and kCancelled are never kept.
constexpr std::array<std::pair<HttpError, std::string_view>, 8> kErrorWords = {{
    {HttpError::kDns, "dns"},
    {HttpError::kRefused, "refused"},
    {HttpError::kTls, "tls"},
    {HttpError::kTimeout, "timeout"},
    {HttpError::kTooManyRedirects, "redirects"},
    {HttpError::kBadReply, "reply"},
    {HttpError::kBadAddress, "address"},
    {HttpError::kOther, "other"},
}};

constexpr std::array<std::pair<ExternalOutcome, std::string_view>, 4> kOutcomeWords = {{
    {ExternalOutcome::kOk, "ok"},
    {ExternalOutcome::kPermanentRedirect, "moved"},
    {ExternalOutcome::kStatus, "status"},
    {ExternalOutcome::kError, "error"},
}};

template <typename Table, typename Value>
std::string_view WordOf(const Table& table, Value value) {
  for (const auto& [v, word] : table)
    if (v == value) return word;
  return "";
}

template <typename Table, typename Value>
bool ValueOf(const Table& table, std::string_view word, Value& value) {
  for (const auto& [v, w] : table)
    if (w == word) {
      value = v;
      return true;
    }
  return false;
}

// Tabs and line ends would break the line apart.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return text;
}

std::optional<long long> Integer(std::string_view digits) {
  if (digits.empty() || digits.size() > 18) return std::nullopt;
  long long n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
       tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

}  // namespace

long long UnixNow() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void ExternalCache::Load(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes, nullptr, kMaxFileBytes)) return;
  std::string_view rest = bytes;
  const std::size_t first = rest.find('\n');
  if (rest.substr(0, first) != kHeader) return;
  rest.remove_prefix(first == std::string_view::npos ? rest.size() : first + 1);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    ParseLine(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
}

bool ExternalCache::ParseLine(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 6 || fields[1].empty()) return false;
  const std::optional<long long> stamp = Integer(fields[0]);
  const std::optional<long long> status = Integer(fields[3]);
  Entry entry;
  ExternalVerdict& verdict = entry.verdict;
  if (!stamp || !status || *status > 999 || !ValueOf(kOutcomeWords, fields[2], verdict.outcome))
    return false;
  if (verdict.outcome == ExternalOutcome::kError && !ValueOf(kErrorWords, fields[4], verdict.error))
    return false;
  entry.stamp = *stamp;
  verdict.status = static_cast<int>(*status);
  std::string text(fields[5]);
  if (verdict.outcome == ExternalOutcome::kPermanentRedirect)
    verdict.final_url = std::move(text);
  else if (verdict.outcome == ExternalOutcome::kError)
    verdict.error_text = std::move(text);
  else
    verdict.reason = std::move(text);
  verdict.from_cache = true;
  Entry& slot = entries_[std::string(fields[1])];
  if (slot.stamp <= entry.stamp) slot = std::move(entry);
  return true;
}

std::optional<ExternalVerdict> ExternalCache::Find(const std::string& url, long long now,
                                                   std::chrono::seconds max_age) const {
  const auto found = entries_.find(url);
  if (found == entries_.end()) return std::nullopt;
  const long long age = now - found->second.stamp;
  if (age < 0 || age >= max_age.count()) return std::nullopt;
  return found->second.verdict;
}

void ExternalCache::Store(const std::string& url, const ExternalVerdict& verdict, long long now) {
  if (verdict.outcome == ExternalOutcome::kNotChecked || verdict.error == HttpError::kNotLoopback ||
      verdict.error == HttpError::kCancelled)
    return;
  Entry entry{now, verdict};
  entry.verdict.from_cache = true;
  entries_[url] = std::move(entry);
}

bool ExternalCache::Save(const std::string& path, SystemError* error) const {
  std::vector<const std::pair<const std::string, Entry>*> order;
  order.reserve(entries_.size());
  for (const auto& item : entries_) order.push_back(&item);
  // Newest first, then by address so the same cache gives the same bytes.
  std::sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
    return a->second.stamp != b->second.stamp ? a->second.stamp > b->second.stamp
                                              : a->first < b->first;
  });
  if (order.size() > max_entries_) order.resize(max_entries_);
  std::string bytes(kHeader);
  bytes += '\n';
  for (const auto* item : order) {
    const ExternalVerdict& v = item->second.verdict;
    const std::string& text = v.outcome == ExternalOutcome::kPermanentRedirect ? v.final_url
                              : v.outcome == ExternalOutcome::kError           ? v.error_text
                                                                               : v.reason;
    bytes += std::to_string(item->second.stamp) + '\t' + OneLine(item->first) + '\t';
    bytes += std::string(WordOf(kOutcomeWords, v.outcome)) + '\t' + std::to_string(v.status) + '\t';
    bytes += std::string(WordOf(kErrorWords, v.error)) + '\t' + OneLine(text) + '\n';
  }
  return WriteFileReplacing(path, bytes, error);
}

}  // namespace qvn
