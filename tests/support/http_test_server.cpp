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
    case 200:
      return "OK";
    case 301:
      return "Moved Permanently";
    case 302:
      return "Found";
    case 307:
      return "Temporary Redirect";
    case 308:
      return "Permanent Redirect";
    case 405:
      return "Method Not Allowed";
    case 410:
      return "Gone";
    case 429:
      return "Too Many Requests";
    case 500:
      return "Internal Server Error";
    case 501:
      return "Not Implemented";
    case 503:
      return "Service Unavailable";
    default:
      return "Not Found";
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
  std::snprintf(text, sizeof text, "%s, %02lld %s %lld %02lld:%02lld:%02lld GMT", kDays[days % 7],
                day, kMonths[month - 1], year, second / 3600, second / 60 % 60, second % 60);
  return text;
}

std::string Head(int status, long long length, const std::string& extra) {
  return "HTTP/1.1 " + std::to_string(status) + " " + Reason(status) +
         "\r\nContent-Length: " + std::to_string(length) + "\r\n" + extra + "\r\n";
}

// The fixed answers: status to GET and to HEAD (0: the connection is closed
// without an answer), and the Location ("*" in front: on this server, absolute).
struct Route {
  std::string_view path;
  int status, head_status;
  std::string_view location;
};
constexpr Route kRoutes[] = {
    {"/ok", 200, 200, ""},          {"/missing", 404, 404, ""},
    {"/gone", 410, 410, ""},        {"/error", 500, 500, ""},
    {"/moved", 301, 301, "/ok"},    {"/permanent", 308, 308, "*/ok"},
    {"/found", 302, 302, "ok"},     {"/temporary-then-moved", 307, 307, "/moved"},
    {"/loop", 308, 308, "/loop"},   {"/outside", 301, 301, "http://192.0.2.1/ok"},
    {"/busy", 429, 429, ""},        {"/unavailable", 503, 503, ""},
    {"/busy-once", 429, 429, ""},   {"/no-head", 200, 405, ""},
    {"/no-head-501", 200, 501, ""}, {"/bad-head", 200, 0, ""},
};

const Route* RouteOf(std::string_view path) {
  for (const Route& route : kRoutes)
    if (route.path == path) return &route;
  return nullptr;
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
    for (std::size_t at = head.find("\r\n"); at != std::string::npos;
         at = head.find("\r\n", at + 2)) {
      const std::string line = LowerAscii(head.substr(at + 2, head.find("\r\n", at + 2) - at - 2));
      if (line.rfind("user-agent:", 0) == 0)
        request.user_agent = head.substr(at + 2 + 11, line.size() - 11);
      if (line == "connection: close") request.close = true;
    }
    Count(request, 1);
    const Reply reply = Answer(request);
    // Counted as answered before the answer leaves: the client may ask again at once.
    Count(request, -1);
    const bool sent = SendAll(connection.socket, reply.bytes);
    if (sent && reply.huge_body) StreamHuge(connection.socket);
    open = sent && reply.keep_open && !request.close;
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

HttpTestServer::Reply HttpTestServer::Answer(const Request& request) {
  const std::string& path = request.path;
  const bool head = request.method == "HEAD";
  if (path == "/slow") {
    WaitUnlessStopped(kSlowLimit);
    return {"", false, false};
  }
  if (path == "/huge-get" && head) return {Head(405, 0, ""), true, false};
  if (path == "/huge" || path == "/huge-get") return {Head(200, kHugeLength, ""), head, !head};
  int status = 404;
  std::string extra;
  if (path.rfind("/d/", 0) == 0) {
    status = WaitUnlessStopped(options_.delay) ? 200 : 500;
  } else if (const Route* route = RouteOf(path)) {
    status = head ? route->head_status : route->status;
    if (status == 0) return {"", false, false};  // closed without an answer
    if (path == "/busy-once" && Requests("*", path) > 1) status = 200;
    const std::string_view location = route->location;
    if (!location.empty())
      extra = "Location: " +
              (location.front() == '*' ? Url(location.substr(1)) : std::string(location)) + "\r\n";
  }
  if (status == 429) extra += "Retry-After: 1\r\n";
  if (status == 503) extra += "Retry-After: " + HttpDate(1) + "\r\n";
  const std::string body = status == 200 ? "" : std::string(Reason(status)) + "\n";
  return {Head(status, static_cast<long long>(body.size()), extra) + (head ? "" : body), true,
          false};
}

void HttpTestServer::StreamHuge(SocketHandle socket) {
  const std::string block(64 * 1024, 'x');
  for (long long sent = 0; sent < kHugeLength && !stopping_;
       sent += static_cast<long long>(block.size())) {
    if (!SendAll(socket, block)) break;
    huge_bytes_ += static_cast<long long>(block.size());
  }
}

}  // namespace qvn::test
