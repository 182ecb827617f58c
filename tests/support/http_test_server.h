#pragma once
// A small HTTP/1.1 server on loopback addresses at a free port, run on
// threads of the test program, so tests of the external check never reach
// the network. It stops (and ends every connection) when destroyed.
//
// Paths (any method unless said):
//   /ok 200 · /missing 404 · /gone 410 · /error 500
//   /moved 301 → /ok · /permanent 308 → /ok · /found 302 → /ok
//   /temporary-then-moved 307 → /moved (→ /ok) · /loop 308 → /loop
//   /outside 301 → http://192.0.2.1/ok (a documentation address, off this machine)
//   /busy 429, Retry-After: 1 · /unavailable 503, Retry-After: an HTTP date
//   about a second ahead · /busy-once 429 (Retry-After: 1) the first time, 200 after
//   /no-head HEAD 405, GET 200 · /no-head-501 HEAD 501, GET 200
//   /bad-head HEAD: the connection is closed without an answer; GET 200
//   /slow no answer until the server stops
//   /huge 200 with a body of 10 GiB · /huge-get HEAD 405, GET as /huge
//   /d/anything 200 after the configured delay · anything else 404

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "support/test_socket.h"

namespace qvn::test {

struct HttpTestServerOptions {
  /// IPv4 loopback addresses to listen on, each at its own free port.
  std::vector<std::string> addresses{"127.0.0.1"};
  /// How long answers under /d/ are held back.
  std::chrono::milliseconds delay{0};
};

class HttpTestServer {
 public:
  explicit HttpTestServer(HttpTestServerOptions options = {});
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  /// "http://ADDRESS:PORT" + path, for the address-th address listened on.
  std::string Url(std::string_view path, std::size_t address = 0) const;
  /// An address on 127.0.0.1 whose port refuses connections.
  std::string ClosedPortUrl() const;

  /// Requests received for path with method (both as sent).
  int Requests(std::string_view method, std::string_view path) const;
  int TotalRequests() const;
  /// The most requests that were being answered at the same time.
  int MaxConcurrent() const;
  /// Body bytes sent for /huge and /huge-get, all requests together.
  long long HugeBytesSent() const { return huge_bytes_.load(); }
  /// The User-Agent of the last request ("" before any).
  std::string LastUserAgent() const;

 private:
  struct Connection {
    SocketHandle socket = kNoSocket;
    std::thread thread;
    std::atomic<bool> done{false};
  };
  struct Request {
    std::string method, path, user_agent;
    bool close = false;
  };
  struct Reply {
    std::string bytes;       // "" sends nothing
    bool keep_open = true;   // false: the connection is closed after the reply
    bool huge_body = false;  // the 10 GiB body follows the reply
  };

  void AcceptLoop();
  void Serve(Connection& connection);
  Reply Answer(const Request& request);
  void StreamHuge(SocketHandle socket);
  void Count(const Request& request, int change);
  bool WaitUnlessStopped(std::chrono::milliseconds time);

  HttpTestServerOptions options_;
  std::vector<SocketHandle> listeners_;
  std::vector<int> ports_;
  SocketHandle closed_ = kNoSocket;
  int closed_port_ = 0;
  std::thread acceptor_;
  std::atomic<bool> stopping_{false};
  std::atomic<long long> huge_bytes_{0};

  mutable std::mutex mutex_;
  std::condition_variable stopped_;
  std::list<std::unique_ptr<Connection>> connections_;
  std::map<std::string, int, std::less<>> counts_;
  int total_ = 0, in_progress_ = 0, max_in_progress_ = 0;
  std::string last_user_agent_;
};

}  // namespace qvn::test
