#pragma once
// Requests waiting for a slot: one queue per host, served in turn, within a
// limit on all requests under way and one on those to a single host, so a
// site that links one server a thousand times does not flood it.

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

namespace qvn {

struct QueuedRequest {
  std::size_t target = 0;  ///< the caller's index of the address
  std::size_t host = 0;    ///< the host's index, below the count given to HostQueues
  bool get = false;        ///< GET instead of HEAD
};

class HostQueues {
 public:
  /// Limits of at least 1 are assumed; hosts are numbered 0 to host_count - 1.
  HostQueues(std::size_t total_limit, std::size_t per_host_limit, std::size_t host_count);

  /// Queues a request at the end of its host's queue, or at the front.
  void Push(const QueuedRequest& request, bool front = false);
  /// The next request that may start now, counted as under way; nullopt when
  /// the total limit is reached or every host with waiting requests is at its limit.
  std::optional<QueuedRequest> Next();
  /// A request to host has ended.
  void Done(std::size_t host);

  std::size_t running() const { return running_; }
  std::size_t queued() const { return queued_; }

 private:
  void MarkReady(std::size_t host);

  std::size_t total_limit_, per_host_limit_;
  std::vector<std::deque<QueuedRequest>> queues_;
  std::vector<std::size_t> busy_;
  std::vector<bool> listed_;
  std::deque<std::size_t> ready_;  // hosts with waiting requests and room, in turn
  std::size_t running_ = 0, queued_ = 0;
};

}  // namespace qvn
