#pragma once
// Runs requests through an HttpClient to their end, for the client's tests.

#include <chrono>
#include <vector>

#include "core/platform/http_client.h"

namespace qvn::test {

/// Starts every request, waits until each has ended, and returns their
/// results in the order of the requests.
inline std::vector<HttpResult> RunRequests(HttpClient& client,
                                           const std::vector<HttpRequest>& requests) {
  std::vector<std::uint64_t> ids;
  for (const HttpRequest& request : requests) ids.push_back(client.Start(request));
  std::vector<HttpResult> results(requests.size());
  for (std::size_t left = requests.size(); left > 0;) {
    for (HttpResult& result : client.Wait(std::chrono::milliseconds(100))) {
      for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == result.id) results[i] = std::move(result);
      --left;
    }
  }
  return results;
}

}  // namespace qvn::test
