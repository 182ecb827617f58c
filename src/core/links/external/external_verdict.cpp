#include "core/links/external/external_verdict.h"

#include <algorithm>

namespace qvn {

ExternalVerdict VerdictOf(const HttpResult& result) {
  ExternalVerdict verdict;
  if (result.error != HttpError::kNone) {
    verdict.outcome = ExternalOutcome::kError;
    verdict.error = result.error;
    verdict.error_text = result.error_text;
    return verdict;
  }
  verdict.status = result.status;
  verdict.reason = result.reason.empty() ? StandardReason(result.status) : result.reason;
  const bool permanent = std::any_of(result.redirects.begin(), result.redirects.end(),
                                     [](const HttpRedirect& r) { return r.permanent(); });
  if (result.status >= 400) {
    verdict.outcome = ExternalOutcome::kStatus;
  } else if (permanent) {
    verdict.outcome = ExternalOutcome::kPermanentRedirect;
    verdict.final_url = result.final_url;
  } else {
    verdict.outcome = ExternalOutcome::kOk;
  }
  return verdict;
}

std::string StandardReason(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 204:
      return "No Content";
    case 301:
      return "Moved Permanently";
    case 302:
      return "Found";
    case 303:
      return "See Other";
    case 304:
      return "Not Modified";
    case 307:
      return "Temporary Redirect";
    case 308:
      return "Permanent Redirect";
    case 400:
      return "Bad Request";
    case 401:
      return "Unauthorized";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 406:
      return "Not Acceptable";
    case 408:
      return "Request Timeout";
    case 410:
      return "Gone";
    case 429:
      return "Too Many Requests";
    case 451:
      return "Unavailable For Legal Reasons";
    case 500:
      return "Internal Server Error";
    case 501:
      return "Not Implemented";
    case 502:
      return "Bad Gateway";
    case 503:
      return "Service Unavailable";
    case 504:
      return "Gateway Timeout";
    default:
      return "";
  }
}

std::string ExternalErrorName(HttpError error) {
  switch (error) {
    case HttpError::kNone:
      return "";
    case HttpError::kDns:
      return "DNS failure";
    case HttpError::kRefused:
      return "connection refused";
    case HttpError::kTls:
      return "TLS failure";
    case HttpError::kTimeout:
      return "timeout";
    case HttpError::kTooManyRedirects:
      return "too many redirects";
    case HttpError::kBadReply:
      return "no valid answer";
    case HttpError::kBadAddress:
      return "not a valid address";
    case HttpError::kNotLoopback:
      return "not a loopback address";
    case HttpError::kCancelled:
      return "stopped";
    case HttpError::kOther:
      return "error";
  }
  return "error";
}

std::string ExternalNote(const ExternalVerdict& verdict) {
  switch (verdict.outcome) {
    case ExternalOutcome::kStatus:
      return verdict.reason.empty() ? std::to_string(verdict.status)
                                    : std::to_string(verdict.status) + " " + verdict.reason;
    case ExternalOutcome::kPermanentRedirect:
      return "permanent redirect to " + verdict.final_url;
    case ExternalOutcome::kError:
      if (verdict.error == HttpError::kOther && !verdict.error_text.empty())
        return "error: " + verdict.error_text;
      return ExternalErrorName(verdict.error);
    case ExternalOutcome::kOk:
    case ExternalOutcome::kNotChecked:
      break;
  }
  return "";
}

}  // namespace qvn
