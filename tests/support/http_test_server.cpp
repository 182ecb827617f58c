#include "support/http_test_server.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace qvn::test {
namespace {

constexpr long long kHugeLength = 10LL << 30;
constexpr std::chrono::seconds kSlowLimit{60};

const char* Reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 405: return "Method Not Allowed";
    case 410: return "Gone";
    case 429: return "Too Many Requests";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    case 503: return "Service Unavailable";
    default: return "Not Found";
  }
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// An HTTP date (IMF-fixdate) seconds_ahead from now.
std::string HttpDate(int seconds_ahead) {
  static constexpr const char* kDays[] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const long long t = static_cast<long long>(std::time(nullptr)) + seconds_ahead;
  const long long days = t / 86400, second = t % 86400;
  // Days since 1970-01-01 to a civil date (the inverse of the usual days-from-civil).
  const long long z = days + 719468, era = z / 146097, doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
  const long long day = doy - (153 * mp + 2) / 5 + 1, month = mp < 10 ? mp + 3 : mp - 9;
  const long long year = yoe + era * 400 + (month <= 2);
  char text[64];
  std::snprintf(text, sizeof text, "%s, %02lld %s %lld %02lld:%02lld:%02lld GMT", kDays[days % 7], day,
                kMonths[month - 1], year, second / 3600, second / 60 % 60, second % 60);
  return text;
}

std::string Head(int status, long long length, const std::string& extra) {
  return "HTTP/1.1 " + std::to_string(status) + " " + Reason(status) +
         "\r\nContent-Length: " + std::to_string(length) + "\r\n" + extra + "\r\n";
}

}  // namespace

HttpTestServer::HttpTestServer(HttpTestServerOptions options) : options_(std::move(options)) {
  for (const std::string& address : options_.addresses) {
    int port = 0;
    listeners_.push_back(ListenOn(address, port));
    ports_.push_back(port);
  }
  closed_ = BindOnly("127.0.0.1", closed_port_);
  acceptor_ = std::thread([this] { AcceptLoop(); });
}

HttpTestServer::~HttpTestServer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stopped_.notify_all();
  acceptor_.join();
  for (auto& connection : connections_) ShutdownSocket(connection->socket);
  for (auto& connection : connections_) {
    connection->thread.join();
    CloseSocket(connection->socket);
  }
  for (SocketHandle listener : listeners_)
    if (listener != kNoSocket) CloseSocket(listener);
  if (closed_ != kNoSocket) CloseSocket(closed_);
}

std::string HttpTestServer::Url(std::string_view path, std::size_t address) const {
  return "http://" + options_.addresses.at(address) + ":" + std::to_string(ports_.at(address)) +
         std::string(path);
}

std::string HttpTestServer::ClosedPortUrl() const {
  return "http://127.0.0.1:" + std::to_string(closed_port_) + "/ok";
}

int HttpTestServer::Requests(std::string_view method, std::string_view path) const {
  std::lock_guard lock(mutex_);
  const auto found = counts_.find(std::string(method) + " " + std::string(path));
  return found == counts_.end() ? 0 : found->second;
}

int HttpTestServer::TotalRequests() const {
  std::lock_guard lock(mutex_);
  return total_;
}

int HttpTestServer::MaxConcurrent() const {
  std::lock_guard lock(mutex_);
  return max_in_progress_;
}

std::string HttpTestServer::LastUserAgent() const {
  std::lock_guard lock(mutex_);
  return last_user_agent_;
}

void HttpTestServer::AcceptLoop() {
  while (!stopping_) {
    const int ready = WaitForConnection(listeners_, 50);
    // Connections that have ended are joined here, so a long run keeps few threads.
    connections_.remove_if([](const std::unique_ptr<Connection>& c) {
      if (!c->done) return false;
      c->thread.join();
      CloseSocket(c->socket);
      return true;
    });
    if (ready < 0) continue;
    const SocketHandle socket = AcceptConnection(listeners_[static_cast<std::size_t>(ready)]);
    if (socket == kNoSocket) continue;
    auto connection = std::make_unique<Connection>();
    connection->socket = socket;
    Connection& c = *connection;
    connections_.push_back(std::move(connection));
    c.thread = std::thread([this, &c] { Serve(c); });
  }
}

void HttpTestServer::Serve(Connection& connection) {
  std::string buffer;
  char chunk[4096];
  bool open = true;
  while (open && !stopping_) {
    std::size_t end;
    while (open && (end = buffer.find("\r\n\r\n")) == std::string::npos) {
      const long n = ReceiveSome(connection.socket, chunk, sizeof chunk);
      if (n > 0) buffer.append(chunk, static_cast<std::size_t>(n));
      open = n > 0 && buffer.size() < 65536;
    }
    if (!open) break;
    Request request;
    const std::string head = buffer.substr(0, end);
    buffer.erase(0, end + 4);
    const std::size_t space = head.find(' '), second = head.find(' ', space + 1);
    request.method = head.substr(0, space);
    request.path = head.substr(space + 1, second - space - 1);
    for (std::size_t at = head.find("\r\n"); at != std::string::npos; at = head.find("\r\n", at + 2)) {
      const std::string line = LowerAscii(head.substr(at + 2, head.find("\r\n", at + 2) - at - 2));
      if (line.rfind("user-agent:", 0) == 0)
        request.user_agent = head.substr(at + 2 + 11, line.size() - 11);
      if (line == "connection: close") request.close = true;
    }
    Count(request, 1);
    open = Answer(connection.socket, request) && !request.close;
    Count(request, -1);
  }
  // The peer sees the end at once; the socket is closed when the thread is joined.
  ShutdownSocket(connection.socket);
  connection.done = true;
}

void HttpTestServer::Count(const Request& request, int change) {
  std::lock_guard lock(mutex_);
  in_progress_ += change;
  if (change < 0) return;
  max_in_progress_ = std::max(max_in_progress_, in_progress_);
  ++total_;
  ++counts_[request.method + " " + request.path];
  ++counts_["* " + request.path];
  last_user_agent_ = request.user_agent;
  while (!last_user_agent_.empty() && last_user_agent_.front() == ' ') last_user_agent_.erase(0, 1);
}

bool HttpTestServer::WaitUnlessStopped(std::chrono::milliseconds time) {
  std::unique_lock lock(mutex_);
  return !stopped_.wait_for(lock, time, [this] { return stopping_.load(); });
}

bool HttpTestServer::Answer(SocketHandle socket, const Request& request) {
  const std::string& path = request.path;
  const bool head = request.method == "HEAD";
  if (path == "/slow") {
    WaitUnlessStopped(kSlowLimit);
    return false;
  }
  int status = 404;
  std::string extra;
  if (path == "/ok") status = 200;
  else if (path == "/missing") status = 404;
  else if (path == "/gone") status = 410;
  else if (path == "/error") status = 500;
  else if (path == "/moved") status = 301, extra = "Location: /ok\r\n";
  else if (path == "/permanent") status = 308, extra = "Location: " + Url("/ok") + "\r\n";
  else if (path == "/found") status = 302, extra = "Location: ok\r\n";
  else if (path == "/temporary-then-moved") status = 307, extra = "Location: /moved\r\n";
  else if (path == "/loop") status = 308, extra = "Location: /loop\r\n";
  else if (path == "/outside") status = 301, extra = "Location: http://192.0.2.1/ok\r\n";
  else if (path == "/busy") status = 429, extra = "Retry-After: 1\r\n";
  else if (path == "/unavailable") status = 503, extra = "Retry-After: " + HttpDate(1) + "\r\n";
  else if (path == "/busy-once") status = Requests("*", path) > 1 ? 200 : 429, extra = "Retry-After: 1\r\n";
  else if (path == "/no-head") status = head ? 405 : 200;
  else if (path == "/no-head-501") status = head ? 501 : 200;
  else if (path == "/bad-head" && head) return false;
  else if (path == "/bad-head") status = 200;
  else if (path == "/huge" || path == "/huge-get") return AnswerHuge(socket, request);
  else if (path.rfind("/d/", 0) == 0) status = WaitUnlessStopped(options_.delay) ? 200 : 500;
  const std::string body = status == 200 ? "" : std::string(Reason(status)) + "\n";
  return SendAll(socket, Head(status, static_cast<long long>(body.size()), extra) + (head ? "" : body));
}

bool HttpTestServer::AnswerHuge(SocketHandle socket, const Request& request) {
  if (request.method == "HEAD")
    return SendAll(socket, request.path == "/huge-get" ? Head(405, 0, "") : Head(200, kHugeLength, ""));
  if (!SendAll(socket, Head(200, kHugeLength, ""))) return false;
  const std::string block(64 * 1024, 'x');
  for (long long sent = 0; sent < kHugeLength && !stopping_; sent += static_cast<long long>(block.size())) {
    if (!SendAll(socket, block)) break;
    huge_bytes_ += static_cast<long long>(block.size());
  }
  return false;
}

}  // namespace qvn::test
