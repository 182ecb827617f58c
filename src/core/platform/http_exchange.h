#pragma once
// One request and the head of its answer, without following redirects: what
// each platform's HTTP library provides under HttpClient (http_client.h),
// which follows redirects over it. Same threading contract as HttpClient.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/http_client.h"
#include "core/platform/http_url.h"

namespace qvn {

struct HttpExchange {
  std::string method;  ///< "HEAD" or "GET"
  HttpUrl url;
  std::chrono::milliseconds connect_timeout{10000};
  std::chrono::milliseconds total_timeout{30000};
  std::string user_agent;
};

struct HttpExchangeResult {
  std::uint64_t id = 0;
  HttpError error = HttpError::kNone;
  std::string error_text;
  int status = 0;
  std::string reason;
  std::string location;     ///< the Location header, as sent ("" when none)
  std::string retry_after;  ///< the Retry-After header, as sent
};

class HttpExchanger {
 public:
  virtual ~HttpExchanger() = default;
  /// Starts an exchange under the caller's id.
  virtual void Start(std::uint64_t id, const HttpExchange& exchange) = 0;
  /// The exchanges that have ended, waiting up to timeout for the first.
  virtual std::vector<HttpExchangeResult> Wait(std::chrono::milliseconds timeout) = 0;
  /// Ends every exchange under way at once; none is returned later.
  virtual void CancelAll() = 0;
};

/// The platform's exchanger (libcurl or WinHTTP); use_proxy false ignores
/// the system's and the environment's proxy settings.
std::unique_ptr<HttpExchanger> MakeHttpExchanger(bool use_proxy);

}  // namespace qvn
