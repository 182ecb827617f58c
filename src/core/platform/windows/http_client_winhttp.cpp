// HTTP exchanges with WinHTTP. Each exchange runs synchronously on a worker
// of a small pool that grows to the number of exchanges under way; Wait
// collects what the workers finished. Cancelling closes the request's
// handle, which ends a pending call on Windows; where that call goes on
// (Wine), the exchange is abandoned: its result is dropped and its worker
// ends with WinHTTP's own timeouts. The pool's state is shared with the
// workers, so an abandoned worker may outlive the exchanger.

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <utility>

#include "core/platform/http_exchange.h"

namespace qvn {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Past its deadline an exchange is ended here, should WinHTTP's timeouts
// (per operation, not per request) not have ended it yet.
constexpr milliseconds kDeadlineGrace{250};
constexpr std::chrono::seconds kIdleWorkerLife{30};

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

// A header of the answer as text; "" when it is not there.
std::string QueryHeader(HINTERNET request, DWORD info,
                        const wchar_t* name = WINHTTP_HEADER_NAME_BY_INDEX) {
  DWORD bytes = 0;
  WinHttpQueryHeaders(request, info, name, WINHTTP_NO_OUTPUT_BUFFER, &bytes,
                      WINHTTP_NO_HEADER_INDEX);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0) return {};
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  if (!WinHttpQueryHeaders(request, info, name, value.data(), &bytes, WINHTTP_NO_HEADER_INDEX))
    return {};
  value.resize(bytes / sizeof(wchar_t));
  return Narrow(value);
}

// The system's wording of a WinHTTP (or socket) error, with its number.
std::string ErrorText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_FROM_HMODULE |
          FORMAT_MESSAGE_IGNORE_INSERTS,
      GetModuleHandleW(L"winhttp.dll"), code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide = length > 0 ? std::wstring(text, length) : L"";
  if (text != nullptr) LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' '))
    wide.pop_back();
  const std::string number = "WinHTTP error " + std::to_string(code);
  return wide.empty() ? number : Narrow(wide) + " (" + number + ")";
}

HttpError ErrorOf(DWORD code) {
  switch (code) {
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
      return HttpError::kDns;
    case ERROR_WINHTTP_CANNOT_CONNECT:
      return HttpError::kRefused;
    case ERROR_WINHTTP_TIMEOUT:
    case WSAETIMEDOUT:  // Wine's WinHTTP passes the socket's error on
      return HttpError::kTimeout;
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
    case ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED:
      return HttpError::kTls;
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE:
    case ERROR_WINHTTP_CONNECTION_ERROR:
    case ERROR_WINHTTP_HEADER_SIZE_OVERFLOW:
    case ERROR_WINHTTP_HEADER_COUNT_EXCEEDED:
      return HttpError::kBadReply;
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
      return HttpError::kBadAddress;
    case ERROR_WINHTTP_OPERATION_CANCELLED:
      return HttpError::kCancelled;
    default:
      return HttpError::kOther;
  }
}

struct Active {
  HINTERNET request = nullptr;  // closed by whoever takes it out
  Clock::time_point deadline;
  bool abandoned = false;
};

struct Task {
  std::uint64_t id = 0;
  HttpExchange exchange;
};

struct Pool {
  HINTERNET session = nullptr;
  std::mutex mutex;
  std::condition_variable work, finished;
  std::deque<Task> tasks;
  std::unordered_map<std::uint64_t, Active> active;
  std::vector<HttpExchangeResult> done;
  std::size_t idle = 0;
  bool closing = false;

  ~Pool() {
    if (session != nullptr) WinHttpCloseHandle(session);
  }

  // Makes request the exchange's handle; false (handle closed) when the
  // exchange was abandoned meanwhile.
  bool Register(std::uint64_t id, HINTERNET request) {
    std::lock_guard lock(mutex);
    const auto found = active.find(id);
    if (found == active.end() || found->second.abandoned) {
      WinHttpCloseHandle(request);
      return false;
    }
    found->second.request = request;
    return true;
  }

  // Hands a finished exchange's result over, unless it was abandoned.
  void Finish(HttpExchangeResult result) {
    HINTERNET request = nullptr;
    {
      std::lock_guard lock(mutex);
      const auto found = active.find(result.id);
      if (found == active.end()) return;
      request = found->second.request;
      if (!found->second.abandoned) {
        done.push_back(std::move(result));
        finished.notify_all();
      }
      active.erase(found);
    }
    if (request != nullptr) WinHttpCloseHandle(request);
  }

  // Abandons an exchange; its handle is closed by the caller (returned).
  HINTERNET Abandon(Active& entry) {
    entry.abandoned = true;
    return std::exchange(entry.request, nullptr);
  }
};

// What every request gets: no redirects followed, the timeouts, our User-Agent.
void Configure(HINTERNET request, const HttpExchange& exchange) {
  DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
  WinHttpSetOption(request, WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never);
  const int connect_ms = static_cast<int>(exchange.connect_timeout.count());
  const int total_ms = static_cast<int>(exchange.total_timeout.count());
  WinHttpSetTimeouts(request, connect_ms, connect_ms, total_ms, total_ms);
  // Wine honours only this one of the receive timeouts on a request handle.
  DWORD response_ms = static_cast<DWORD>(total_ms);
  WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &response_ms,
                   sizeof response_ms);
  const std::wstring agent = L"User-Agent: " + Widen(exchange.user_agent);
  WinHttpAddRequestHeaders(request, agent.c_str(), static_cast<DWORD>(-1L),
                           WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE);
}

// The status, reason and the two headers we use; false when there is no status.
bool ReadHead(HINTERNET request, HttpExchangeResult& result) {
  DWORD status = 0, size = sizeof status;
  WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                      WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
  result.status = static_cast<int>(status);
  result.reason = QueryHeader(request, WINHTTP_QUERY_STATUS_TEXT);
  result.location = QueryHeader(request, WINHTTP_QUERY_LOCATION);
  result.retry_after = QueryHeader(request, WINHTTP_QUERY_CUSTOM, L"Retry-After");
  return result.status != 0;
}

// The head of one answer, or why there is none.
HttpExchangeResult Exchange(Pool& pool, std::uint64_t id, const HttpExchange& exchange) {
  HttpExchangeResult result;
  result.id = id;
  const auto fail = [&result](DWORD code) {
    result.error = ErrorOf(code);
    result.error_text = ErrorText(code);
    return result;
  };
  HINTERNET connect = WinHttpConnect(pool.session, Widen(exchange.url.host).c_str(),
                                     static_cast<INTERNET_PORT>(exchange.url.port), 0);
  if (connect == nullptr) return fail(GetLastError());
  const DWORD flags = WINHTTP_FLAG_ESCAPE_DISABLE | WINHTTP_FLAG_ESCAPE_DISABLE_QUERY |
                      (exchange.url.scheme == "https" ? WINHTTP_FLAG_SECURE : 0);
  HINTERNET request = WinHttpOpenRequest(connect, Widen(exchange.method).c_str(),
                                         Widen(exchange.url.target).c_str(), nullptr,
                                         WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, flags);
  if (request == nullptr) {
    const DWORD code = GetLastError();
    WinHttpCloseHandle(connect);
    return fail(code);
  }
  if (!pool.Register(id, request)) {
    WinHttpCloseHandle(connect);
    return fail(ERROR_WINHTTP_OPERATION_CANCELLED);
  }
  Configure(request, exchange);
  // The body is never read: closing the handle after the head drops the connection.
  if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                          0) ||
      !WinHttpReceiveResponse(request, nullptr)) {
    fail(GetLastError());
  } else if (!ReadHead(request, result)) {
    fail(ERROR_WINHTTP_INVALID_SERVER_RESPONSE);
  }
  WinHttpCloseHandle(connect);  // the request handle is closed by Finish
  return result;
}

void Work(std::shared_ptr<Pool> pool) {
  std::unique_lock lock(pool->mutex);
  while (true) {
    ++pool->idle;
    const bool woken = pool->work.wait_for(lock, kIdleWorkerLife,
                                           [&] { return pool->closing || !pool->tasks.empty(); });
    --pool->idle;
    if (!woken || pool->closing) return;
    Task task = std::move(pool->tasks.front());
    pool->tasks.pop_front();
    lock.unlock();
    pool->Finish(Exchange(*pool, task.id, task.exchange));
    lock.lock();
  }
}

class WinHttpExchanger : public HttpExchanger {
 public:
  explicit WinHttpExchanger(bool use_proxy) : pool_(std::make_shared<Pool>()) {
    if (use_proxy)
      pool_->session = WinHttpOpen(L"Quorvane", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                   WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    // Before Windows 8.1 (and on Wine) the automatic proxy type is unknown.
    if (pool_->session == nullptr)
      pool_->session = WinHttpOpen(
          L"Quorvane", use_proxy ? WINHTTP_ACCESS_TYPE_DEFAULT_PROXY : WINHTTP_ACCESS_TYPE_NO_PROXY,
          WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  }

  ~WinHttpExchanger() override {
    CancelAll();
    std::lock_guard lock(pool_->mutex);
    pool_->closing = true;
    pool_->work.notify_all();
  }

  void Start(std::uint64_t id, const HttpExchange& exchange) override {
    std::lock_guard lock(pool_->mutex);
    pool_->active[id].deadline = Clock::now() + exchange.total_timeout;
    pool_->tasks.push_back({id, exchange});
    if (pool_->idle < pool_->tasks.size()) std::thread(Work, pool_).detach();
    pool_->work.notify_one();
  }

  std::vector<HttpExchangeResult> Wait(milliseconds timeout) override {
    std::vector<HINTERNET> overdue;
    std::vector<HttpExchangeResult> done;
    {
      std::unique_lock lock(pool_->mutex);
      Clock::time_point until = Clock::now() + timeout;
      for (const auto& [id, entry] : pool_->active)
        if (!entry.abandoned) until = std::min(until, entry.deadline + kDeadlineGrace);
      pool_->finished.wait_until(lock, until, [&] { return !pool_->done.empty(); });
      const Clock::time_point now = Clock::now();
      for (auto& [id, entry] : pool_->active) {
        if (entry.abandoned || now < entry.deadline + kDeadlineGrace) continue;
        overdue.push_back(pool_->Abandon(entry));
        HttpExchangeResult timed_out;
        timed_out.id = id;
        timed_out.error = HttpError::kTimeout;
        timed_out.error_text = "no answer before the deadline";
        pool_->done.push_back(std::move(timed_out));
      }
      done = std::exchange(pool_->done, {});
    }
    Close(overdue);
    return done;
  }

  void CancelAll() override {
    std::vector<HINTERNET> handles;
    {
      std::lock_guard lock(pool_->mutex);
      for (const Task& task : pool_->tasks) pool_->active.erase(task.id);
      pool_->tasks.clear();
      for (auto& [id, entry] : pool_->active) handles.push_back(pool_->Abandon(entry));
      pool_->done.clear();
    }
    Close(handles);
  }

 private:
  static void Close(const std::vector<HINTERNET>& handles) {
    for (HINTERNET handle : handles)
      if (handle != nullptr) WinHttpCloseHandle(handle);
  }

  std::shared_ptr<Pool> pool_;
};

}  // namespace

std::unique_ptr<HttpExchanger> MakeHttpExchanger(bool use_proxy) {
  return std::make_unique<WinHttpExchanger>(use_proxy);
}

}  // namespace qvn
