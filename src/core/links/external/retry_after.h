#pragma once
// The Retry-After header of a "429 Too Many Requests" or "503 Service
// Unavailable" answer: a count of seconds or an HTTP date.

#include <chrono>
#include <optional>
#include <string_view>

namespace qvn {

/// An HTTP date (RFC 9110, 5.6.7: "Sun, 06 Nov 1994 08:49:37 GMT" and the two
/// obsolete forms "Sunday, 06-Nov-94 08:49:37 GMT" and "Sun Nov  6 08:49:37
/// 1994") as seconds since 1970 UTC; nullopt when it is none.
std::optional<long long> ParseHttpDate(std::string_view text);

/// How long value asks to wait, from now (seconds since 1970 UTC): its
/// seconds, or the time until its date (0 for a date past); nullopt when the
/// value is neither.
std::optional<std::chrono::seconds> ParseRetryAfter(std::string_view value, long long now);

}  // namespace qvn
