// HTTP exchanges with libcurl's multi interface: all transfers run on the
// thread that calls Wait, which polls their sockets; no thread of our own.

#include <cerrno>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/platform/http_exchange.h"
#include "core/platform/posix/curl_library.h"

namespace qvn {
namespace {

struct Transfer {
  std::uint64_t id = 0;
  CURL* easy = nullptr;
  HttpExchangeResult result;
  bool body_started = false;  // the answer's head is complete: we stopped the transfer
  char error_buffer[CURL_ERROR_SIZE] = {};
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.remove_suffix(1);
  return text;
}

// Each header line of each answer; a status line starts a new answer (an
// interim "100 Continue" is replaced by the final one).
std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const std::string_view line = Trim(std::string_view(data, size * count));
  HttpExchangeResult& result = transfer->result;
  if (StartsWithNoCase(line, "http/")) {
    const std::size_t space = line.find(' ');
    const std::string_view rest = space == std::string_view::npos ? "" : line.substr(space + 1);
    result.status = 0;
    for (std::size_t i = 0; i < rest.size() && i < 3 && rest[i] >= '0' && rest[i] <= '9'; ++i)
      result.status = result.status * 10 + (rest[i] - '0');
    result.reason = rest.size() > 4 ? std::string(Trim(rest.substr(4))) : "";
    result.location.clear();
    result.retry_after.clear();
  } else if (StartsWithNoCase(line, "location:")) {
    result.location = std::string(Trim(line.substr(9)));
  } else if (StartsWithNoCase(line, "retry-after:")) {
    result.retry_after = std::string(Trim(line.substr(12)));
  }
  return size * count;
}

// The first bytes of a body: the head is all we need, so the transfer ends here.
std::size_t OnBody(char*, std::size_t, std::size_t, void* user) {
  static_cast<Transfer*>(user)->body_started = true;
  return 0;
}

HttpError ErrorOf(CURLcode code, long os_errno) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return HttpError::kDns;
    case CURLE_COULDNT_CONNECT:
      return os_errno == ECONNREFUSED ? HttpError::kRefused : HttpError::kOther;
    case CURLE_OPERATION_TIMEDOUT:
      return HttpError::kTimeout;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_USE_SSL_FAILED:
      return HttpError::kTls;
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
    case CURLE_PARTIAL_FILE:
      return HttpError::kBadReply;
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
      return HttpError::kBadAddress;
    default:
      return HttpError::kOther;
  }
}

class CurlExchanger : public HttpExchanger {
 public:
  explicit CurlExchanger(bool use_proxy) : use_proxy_(use_proxy), curl_(Curl()) {
    if (curl_.loaded) multi_ = curl_.multi_init();
  }

  ~CurlExchanger() override {
    CancelAll();
    if (multi_ != nullptr) curl_.multi_cleanup(multi_);
  }

  void Start(std::uint64_t id, const HttpExchange& exchange) override {
    if (multi_ == nullptr) return Unavailable(id);
    auto transfer = std::make_unique<Transfer>();
    transfer->id = id;
    transfer->result.id = id;
    CURL* easy = transfer->easy = curl_.easy_init();
    const std::string url = exchange.url.Text();
    curl_.easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_.easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    if (exchange.method == "HEAD") curl_.easy_setopt(easy, CURLOPT_NOBODY, 1L);
    curl_.easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_.easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                      static_cast<long>(exchange.connect_timeout.count()));
    curl_.easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(exchange.total_timeout.count()));
    curl_.easy_setopt(easy, CURLOPT_USERAGENT, exchange.user_agent.c_str());
    curl_.easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_.easy_setopt(easy, CURLOPT_HEADERDATA, transfer.get());
    curl_.easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBody);
    curl_.easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
    curl_.easy_setopt(easy, CURLOPT_ERRORBUFFER, transfer->error_buffer);
    curl_.easy_setopt(easy, CURLOPT_PRIVATE, transfer.get());
    if (!use_proxy_) curl_.easy_setopt(easy, CURLOPT_NOPROXY, "*");
    curl_.multi_add_handle(multi_, easy);
    transfers_[easy] = std::move(transfer);
  }

  std::vector<HttpExchangeResult> Wait(std::chrono::milliseconds timeout) override {
    std::vector<HttpExchangeResult> done = std::exchange(unavailable_, {});
    if (multi_ == nullptr) return done;
    Collect(done);
    if (done.empty()) {
      int ready = 0;
      curl_.multi_poll(multi_, nullptr, 0, static_cast<int>(timeout.count()), &ready);
      Collect(done);
    }
    return done;
  }

  void CancelAll() override {
    unavailable_.clear();
    for (auto& [easy, transfer] : transfers_) {
      curl_.multi_remove_handle(multi_, easy);
      curl_.easy_cleanup(easy);
    }
    transfers_.clear();
  }

 private:
  // Lets curl do what it can now, then takes out the transfers that ended.
  void Collect(std::vector<HttpExchangeResult>& done) {
    int running = 0;
    curl_.multi_perform(multi_, &running);
    int queued = 0;
    while (CURLMsg* message = curl_.multi_info_read(multi_, &queued)) {
      if (message->msg != CURLMSG_DONE) continue;
      CURL* easy = message->easy_handle;
      const CURLcode code = message->data.result;
      const auto found = transfers_.find(easy);
      if (found == transfers_.end()) continue;
      Transfer& transfer = *found->second;
      HttpExchangeResult& result = transfer.result;
      const bool complete =
          code == CURLE_OK || (code == CURLE_WRITE_ERROR && transfer.body_started);
      if (!complete || result.status == 0) {
        long os_errno = 0;
        curl_.easy_getinfo(easy, CURLINFO_OS_ERRNO, &os_errno);
        result.error = complete ? HttpError::kBadReply : ErrorOf(code, os_errno);
        result.error_text =
            transfer.error_buffer[0] != '\0' ? transfer.error_buffer : curl_.easy_strerror(code);
      }
      done.push_back(std::move(result));
      curl_.multi_remove_handle(multi_, easy);
      curl_.easy_cleanup(easy);
      transfers_.erase(found);
    }
  }

  // Without libcurl every exchange fails, saying why.
  void Unavailable(std::uint64_t id) {
    HttpExchangeResult result;
    result.id = id;
    result.error = HttpError::kOther;
    result.error_text = "libcurl is not available: " + curl_.problem;
    unavailable_.push_back(std::move(result));
  }

  bool use_proxy_;
  const CurlLibrary& curl_;
  CURLM* multi_ = nullptr;
  std::vector<HttpExchangeResult> unavailable_;
  std::unordered_map<CURL*, std::unique_ptr<Transfer>> transfers_;
};

}  // namespace

std::unique_ptr<HttpExchanger> MakeHttpExchanger(bool use_proxy) {
  return std::make_unique<CurlExchanger>(use_proxy);
}

}  // namespace qvn
