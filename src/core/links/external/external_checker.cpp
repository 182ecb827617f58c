#include "core/links/external/external_checker.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>

#include "core/links/external/external_cache.h"
#include "core/links/external/host_queues.h"
#include "core/links/external/retry_after.h"
#include "core/platform/http_url.h"
#include "core/text/number.h"

#ifndef QVN_VERSION
#define QVN_VERSION "0.0.0"
#endif

namespace qvn {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How often should_stop is asked while requests are under way.
constexpr milliseconds kStopPoll{50};

struct Target {
  std::string url;  // as requested: parsed, encoded, without the fragment
  std::size_t host = 0;
  std::vector<std::size_t> inputs;  // the addresses given that name it
  ExternalVerdict verdict;
  int retries = 0;
  bool settled = false;
};

struct Retry {
  Clock::time_point due;
  QueuedRequest request;
};

bool IsBusy(const HttpResult& result) {
  return result.error == HttpError::kNone && (result.status == 429 || result.status == 503);
}

// A HEAD that got an error status or no valid answer is asked again with GET:
// many servers refuse HEAD (405, 501) or answer it otherwise than GET.
bool HeadFailed(const HttpResult& result) {
  return result.error == HttpError::kBadReply ||
         (result.error == HttpError::kNone && result.status >= 400);
}

class ExternalRun {
 public:
  ExternalRun(const ExternalCheckOptions& options, const std::function<bool()>& should_stop,
              const ExternalProgress& progress)
      : options_(options),
        should_stop_(should_stop),
        progress_(progress),
        client_(MakeHttpClient({options.loopback_only})) {}

  ExternalCheckResult Run(const std::vector<std::string>& addresses) {
    total_ = addresses.size();
    Prepare(addresses);
    UseCache();
    if (checked_ > 0 && progress_) progress_(checked_, total_);
    for (std::size_t t = 0; t < targets_.size(); ++t)
      if (!targets_[t].settled) queues_->Push({t, targets_[t].host, false});
    Loop();
    SaveCache();
    result_.verdicts.resize(addresses.size());
    for (const Target& target : targets_)
      for (std::size_t input : target.inputs) result_.verdicts[input] = target.verdict;
    return std::move(result_);
  }

 private:
  void Prepare(const std::vector<std::string>& addresses) {
    std::unordered_map<std::string, std::size_t> by_url, by_host;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
      const std::optional<HttpUrl> url = ParseHttpUrl(addresses[i]);
      const std::string key = url ? url->Text() : addresses[i];
      const auto [slot, added] = by_url.try_emplace(key, targets_.size());
      if (added) {
        targets_.push_back({key, 0, {}, {}, 0, false});
        if (url)
          targets_.back().host = by_host.try_emplace(url->host, by_host.size()).first->second;
      }
      targets_[slot->second].inputs.push_back(i);
    }
    queues_ = std::make_unique<HostQueues>(options_.jobs, options_.per_host, by_host.size());
    for (std::size_t t = 0; t < targets_.size(); ++t) {
      if (!ParseHttpUrl(targets_[t].url)) {
        HttpResult bad;
        bad.error = HttpError::kBadAddress;
        Settle(t, VerdictOf(bad), false);
      }
    }
  }

  void UseCache() {
    if (options_.cache_folder.empty()) return;
    cache_path_ = options_.cache_folder;
    if (cache_path_.back() != kSeparator) cache_path_ += kSeparator;
    cache_path_ += ExternalCache::kFileName;
    cache_.Load(cache_path_);
    const long long now = UnixNow();
    for (std::size_t t = 0; t < targets_.size(); ++t) {
      if (targets_[t].settled) continue;
      if (std::optional<ExternalVerdict> cached =
              cache_.Find(targets_[t].url, now, options_.cache_age)) {
        result_.from_cache += targets_[t].inputs.size();
        Settle(t, std::move(*cached), false);
      }
    }
  }

  void Loop() {
    while (settled_ < targets_.size()) {
      if (should_stop_ && should_stop_()) {
        client_->CancelAll();
        result_.stopped = true;
        return;
      }
      const Clock::time_point now = Clock::now();
      ReleaseRetries(now);
      StartReady();
      for (const HttpResult& answer : client_->Wait(NextWait(now))) Handle(answer);
    }
  }

  void ReleaseRetries(Clock::time_point now) {
    const auto due = std::stable_partition(retries_.begin(), retries_.end(),
                                           [now](const Retry& r) { return r.due > now; });
    for (auto it = due; it != retries_.end(); ++it) queues_->Push(it->request);
    retries_.erase(due, retries_.end());
  }

  void StartReady() {
    while (std::optional<QueuedRequest> next = queues_->Next()) {
      HttpRequest request;
      request.method = next->get ? "GET" : "HEAD";
      request.url = targets_[next->target].url;
      request.connect_timeout = options_.connect_timeout;
      request.total_timeout = options_.total_timeout;
      request.user_agent = options_.user_agent;
      request.max_redirects = options_.max_redirects;
      flights_[client_->Start(request)] = *next;
      ++result_.requests;
    }
  }

  milliseconds NextWait(Clock::time_point now) const {
    milliseconds wait = kStopPoll;
    for (const Retry& retry : retries_)
      wait = std::min(wait, std::chrono::duration_cast<milliseconds>(retry.due - now));
    return std::max(wait, milliseconds(0));
  }

  void Handle(const HttpResult& answer) {
    const auto found = flights_.find(answer.id);
    if (found == flights_.end()) return;
    QueuedRequest request = found->second;
    flights_.erase(found);
    queues_->Done(request.host);
    Target& target = targets_[request.target];
    if (IsBusy(answer) && target.retries < options_.max_retries) {
      ++target.retries;
      retries_.push_back({Clock::now() + RetryWait(answer.retry_after), request});
    } else if (!request.get && HeadFailed(answer) && !IsBusy(answer)) {
      request.get = true;
      queues_->Push(request, true);
    } else {
      Settle(request.target, VerdictOf(answer), true);
    }
  }

  milliseconds RetryWait(const std::string& retry_after) const {
    const std::optional<std::chrono::seconds> asked = ParseRetryAfter(retry_after, UnixNow());
    const milliseconds wait =
        asked ? std::chrono::duration_cast<milliseconds>(*asked) : options_.retry_default;
    return std::min(wait, options_.retry_cap);
  }

  void Settle(std::size_t t, ExternalVerdict verdict, bool asked) {
    Target& target = targets_[t];
    target.verdict = std::move(verdict);
    target.settled = true;
    ++settled_;
    checked_ += target.inputs.size();
    if (asked && !cache_path_.empty()) {
      cache_.Store(target.url, target.verdict, UnixNow());
      cache_changed_ = true;
    }
    if (asked && progress_) progress_(checked_, total_);
  }

  void SaveCache() {
    if (!cache_changed_) return;
    SystemError error;
    if (!CreateFolders(options_.cache_folder, &error) || !cache_.Save(cache_path_, &error))
      result_.cache_problem = cache_path_ + ": " + error.description;
  }

  const ExternalCheckOptions& options_;
  const std::function<bool()>& should_stop_;
  const ExternalProgress& progress_;
  std::unique_ptr<HttpClient> client_;
  std::vector<Target> targets_;
  std::unique_ptr<HostQueues> queues_;
  std::unordered_map<std::uint64_t, QueuedRequest> flights_;
  std::vector<Retry> retries_;
  ExternalCache cache_;
  std::string cache_path_;
  bool cache_changed_ = false;
  std::size_t settled_ = 0, checked_ = 0, total_ = 0;
  ExternalCheckResult result_;
};

}  // namespace

std::string ExternalUserAgent() {
  return std::string("Quorvane/") + QVN_VERSION + " (external link check)";
}

ExternalCheckResult CheckExternalAddresses(const std::vector<std::string>& addresses,
                                           const ExternalCheckOptions& options,
                                           const std::function<bool()>& should_stop,
                                           const ExternalProgress& progress) {
  return ExternalRun(options, should_stop, progress).Run(addresses);
}

std::string ExternalProgressText(std::size_t checked, std::size_t total) {
  return FormatGrouped(static_cast<long long>(checked)) + " of " +
         FormatGrouped(static_cast<long long>(total)) + " addresses checked";
}

}  // namespace qvn
