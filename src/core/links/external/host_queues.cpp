#include "core/links/external/host_queues.h"

#include <algorithm>

namespace qvn {

HostQueues::HostQueues(std::size_t total_limit, std::size_t per_host_limit, std::size_t host_count)
    : total_limit_(std::max<std::size_t>(total_limit, 1)),
      per_host_limit_(std::max<std::size_t>(per_host_limit, 1)),
      queues_(host_count),
      busy_(host_count, 0),
      listed_(host_count, false) {}

void HostQueues::MarkReady(std::size_t host) {
  if (listed_[host] || queues_[host].empty() || busy_[host] >= per_host_limit_) return;
  listed_[host] = true;
  ready_.push_back(host);
}

void HostQueues::Push(const QueuedRequest& request, bool front) {
  if (front) {
    queues_[request.host].push_front(request);
  } else {
    queues_[request.host].push_back(request);
  }
  ++queued_;
  MarkReady(request.host);
}

std::optional<QueuedRequest> HostQueues::Next() {
  if (running_ >= total_limit_) return std::nullopt;
  while (!ready_.empty()) {
    const std::size_t host = ready_.front();
    ready_.pop_front();
    listed_[host] = false;
    if (queues_[host].empty() || busy_[host] >= per_host_limit_) continue;
    const QueuedRequest request = queues_[host].front();
    queues_[host].pop_front();
    ++busy_[host];
    ++running_;
    --queued_;
    MarkReady(host);  // at the back: the other hosts come first
    return request;
  }
  return std::nullopt;
}

void HostQueues::Done(std::size_t host) {
  --busy_[host];
  --running_;
  MarkReady(host);
}

}  // namespace qvn
