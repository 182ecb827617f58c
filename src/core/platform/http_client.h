#pragma once
// Asking web servers about addresses: many requests at once, driven from one
// thread. A request is started, and its result is collected later by Wait on
// the same thread, so the caller keeps control (limits, retries, stopping)
// without callbacks from other threads. Bodies are never read: a HEAD, or a
// GET that ends as soon as the answer's head has arrived.
//
// libcurl's multi interface does the work on POSIX, WinHTTP on Windows; this
// layer follows redirects itself, the same way on both.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qvn {

/// Why a request got no answer from the server.
enum class HttpError {
  kNone,
  kDns,               ///< the host name is not known
  kRefused,           ///< the connection was refused
  kTls,               ///< the secure connection failed (certificate, handshake)
  kTimeout,           ///< the connection or the whole request took too long
  kTooManyRedirects,  ///< more redirects than allowed (a loop, as a rule)
  kBadReply,          ///< the server closed the connection or answered nonsense
  kBadAddress,        ///< not an http or https address that can be requested
  kNotLoopback,       ///< refused by the loopback-only switch; nothing was sent
  kCancelled,         ///< ended by Cancel (never delivered by Wait)
  kOther,             ///< anything else; the text says what
};

struct HttpRequest {
  std::string method = "HEAD";  ///< "HEAD" or "GET"
  std::string url;              ///< absolute http or https address, as written in a page
  std::chrono::milliseconds connect_timeout{10000};
  std::chrono::milliseconds total_timeout{30000};  ///< the whole request, redirects included
  std::string user_agent;
  int max_redirects = 10;
};

/// One redirect followed: the status that asked for it and where it led.
struct HttpRedirect {
  int status = 0;  ///< 301, 302, 303, 307 or 308
  std::string to;
  /// 301 and 308 ask that links be changed; the others are temporary.
  bool permanent() const { return status == 301 || status == 308; }
};

struct HttpResult {
  std::uint64_t id = 0;                ///< as Start returned it
  HttpError error = HttpError::kNone;  ///< kNone: status and reason are the final answer
  std::string error_text;              ///< the library's wording, for kOther and logs
  int status = 0;
  std::string reason;                   ///< as the server sent it ("" over HTTP/2)
  std::string final_url;                ///< the address that gave the final answer
  std::vector<HttpRedirect> redirects;  ///< in order; with errors, those followed before
  std::string retry_after;              ///< the final answer's Retry-After header, as sent
};

struct HttpClientOptions {
  /// For tests: any address whose host is not loopback (see IsLoopbackHost),
  /// redirects included, fails with kNotLoopback before a name is looked up,
  /// and proxies are not used.
  bool loopback_only = false;
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  /// Starts a request and returns its id (never 0). Not thread-safe: Start,
  /// Wait and Cancel are called from one thread.
  virtual std::uint64_t Start(const HttpRequest& request) = 0;
  /// Returns the requests that have ended, waiting up to timeout for the
  /// first when none has. Each request is returned exactly once, unless it
  /// was cancelled.
  virtual std::vector<HttpResult> Wait(std::chrono::milliseconds timeout) = 0;
  /// Ends every request under way at once; none of them is returned later.
  virtual void CancelAll() = 0;
  /// Requests under way (started and not yet returned or cancelled).
  virtual std::size_t Pending() const = 0;
};

/// The platform's client.
std::unique_ptr<HttpClient> MakeHttpClient(const HttpClientOptions& options = {});

}  // namespace qvn
