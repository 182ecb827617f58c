#pragma once
// What the external check learnt of one address, and how to say it.

#include <string>

#include "core/platform/http_client.h"

namespace qvn {

enum class ExternalOutcome {
  kNotChecked,         ///< the run was stopped before the address was answered
  kOk,                 ///< a final answer below 400 (temporary redirects included)
  kPermanentRedirect,  ///< fine, but a 301 or 308 on the way asks that the link be changed
  kStatus,             ///< the server answered 4xx or 5xx
  kError,              ///< no answer: see error
};

struct ExternalVerdict {
  ExternalOutcome outcome = ExternalOutcome::kNotChecked;
  int status = 0;         ///< the final answer's status (0 for kError, kNotChecked)
  std::string reason;     ///< its reason phrase; the standard one when the server sent none
  std::string final_url;  ///< kPermanentRedirect: where the redirects end
  HttpError error = HttpError::kNone;  ///< kError: why
  std::string error_text;              ///< kError: the HTTP library's wording
  bool from_cache = false;

  /// kStatus and kError: the kinds external-status and external-error.
  bool broken() const {
    return outcome == ExternalOutcome::kStatus || outcome == ExternalOutcome::kError;
  }
};

/// The verdict on a request's result.
ExternalVerdict VerdictOf(const HttpResult& result);

/// The standard reason phrase of an HTTP status ("Not Found"); "" when unknown.
std::string StandardReason(int status);

/// A short note for people: "404 Not Found", "permanent redirect to URL",
/// or the error's name ("DNS failure", "connection refused", ...); "" for kOk
/// and kNotChecked.
std::string ExternalNote(const ExternalVerdict& verdict);

/// The name of an error as notes show it ("timeout"); kOther gives "error".
std::string ExternalErrorName(HttpError error);

}  // namespace qvn
