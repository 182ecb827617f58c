#include "core/platform/http_client.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "core/platform/http_exchange.h"

namespace qvn {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

bool IsRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Follows redirects over an exchanger: each hop is one exchange, checked
// against the loopback switch before it starts and given what is left of
// the request's whole time.
class RedirectingClient : public HttpClient {
 public:
  explicit RedirectingClient(const HttpClientOptions& options)
      : options_(options), exchanger_(MakeHttpExchanger(!options.loopback_only)) {}

  std::uint64_t Start(const HttpRequest& request) override {
    const std::uint64_t id = next_id_++;
    Flight& flight = flights_[id];
    flight.request = request;
    flight.deadline = Clock::now() + request.total_timeout;
    flight.result.id = id;
    flight.result.final_url = request.url;
    const std::optional<HttpUrl> url = ParseHttpUrl(request.url);
    if (!url) {
      Finish(id, HttpError::kBadAddress, "not an http or https address");
    } else {
      Hop(id, *url);
    }
    return id;
  }

  std::vector<HttpResult> Wait(milliseconds timeout) override {
    for (HttpExchangeResult& answer :
         exchanger_->Wait(finished_.empty() ? timeout : milliseconds(0)))
      Answered(answer);
    return std::exchange(finished_, {});
  }

  void CancelAll() override {
    exchanger_->CancelAll();
    flights_.clear();
    finished_.clear();
  }

  std::size_t Pending() const override { return flights_.size(); }

 private:
  struct Flight {
    HttpRequest request;
    HttpUrl url;
    Clock::time_point deadline;
    HttpResult result;
  };

  // Starts the exchange for the flight's next address.
  void Hop(std::uint64_t id, const HttpUrl& url) {
    Flight& flight = flights_.at(id);
    flight.url = url;
    flight.result.final_url = url.Text();
    if (options_.loopback_only && !IsLoopbackHost(url.host))
      return Finish(id, HttpError::kNotLoopback, "not a loopback address");
    const auto left = std::chrono::duration_cast<milliseconds>(flight.deadline - Clock::now());
    if (left <= milliseconds(0)) return Finish(id, HttpError::kTimeout, "timed out");
    HttpExchange exchange{flight.request.method, url,
                          std::min(flight.request.connect_timeout, left), left,
                          flight.request.user_agent};
    exchanger_->Start(id, exchange);
  }

  void Answered(HttpExchangeResult& answer) {
    const auto found = flights_.find(answer.id);
    if (found == flights_.end()) return;
    Flight& flight = found->second;
    HttpResult& result = flight.result;
    result.status = answer.status;
    result.reason = std::move(answer.reason);
    result.retry_after = std::move(answer.retry_after);
    if (answer.error != HttpError::kNone) return Finish(answer.id, answer.error, answer.error_text);
    if (!IsRedirect(answer.status) || answer.location.empty()) return Finish(answer.id);
    if (static_cast<int>(result.redirects.size()) >= flight.request.max_redirects)
      return Finish(answer.id, HttpError::kTooManyRedirects, "too many redirects");
    const std::optional<HttpUrl> next = ResolveHttpReference(flight.url, answer.location);
    if (!next) return Finish(answer.id, HttpError::kBadAddress, "redirect to " + answer.location);
    result.redirects.push_back({answer.status, next->Text()});
    Hop(answer.id, *next);
  }

  void Finish(std::uint64_t id, HttpError error = HttpError::kNone, std::string text = "") {
    const auto found = flights_.find(id);
    HttpResult result = std::move(found->second.result);
    flights_.erase(found);
    result.error = error;
    result.error_text = std::move(text);
    if (error != HttpError::kNone) {
      result.status = 0;
      result.reason.clear();
    }
    finished_.push_back(std::move(result));
  }

  HttpClientOptions options_;
  std::unique_ptr<HttpExchanger> exchanger_;
  std::unordered_map<std::uint64_t, Flight> flights_;
  std::vector<HttpResult> finished_;
  std::uint64_t next_id_ = 1;
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient(const HttpClientOptions& options) {
  return std::make_unique<RedirectingClient>(options);
}

}  // namespace qvn
