#pragma once
// The external check: asks the servers of a site's links to other sites
// whether the addresses still answer. Each distinct address is requested
// once per run (a HEAD, then a GET where the HEAD was refused or answered
// with an error), within a total limit and a limit per host; 429 and 503
// answers are tried again after their Retry-After; answers are kept in a
// cache file so a run within the cache's age asks nothing again.
//
// The check run calls CheckExternalAddresses once, after the pages are read,
// with the distinct http and https addresses they hold, and turns the broken
// verdicts into the kinds external-status and external-error.

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/links/external/external_verdict.h"

namespace qvn {

/// "Quorvane/VERSION (external link check)": names us to the servers asked.
std::string ExternalUserAgent();

struct ExternalCheckOptions {
  std::size_t jobs = 16;     ///< requests under way at once, in all
  std::size_t per_host = 2;  ///< requests under way at once to one host
  std::chrono::milliseconds connect_timeout{10000};
  std::chrono::milliseconds total_timeout{30000};  ///< one request, its redirects included
  int max_redirects = 10;
  int max_retries = 2;                            ///< of a 429 or 503 answer
  std::chrono::milliseconds retry_cap{60000};     ///< the longest Retry-After waited for
  std::chrono::milliseconds retry_default{5000};  ///< the wait when a 429 or 503 names none
  std::string user_agent = ExternalUserAgent();
  std::string cache_folder;               ///< "" keeps no cache
  std::chrono::seconds cache_age{86400};  ///< answers older than this are asked again
  bool loopback_only = false;             ///< for tests: see HttpClientOptions::loopback_only
};

struct ExternalCheckResult {
  std::vector<ExternalVerdict> verdicts;  ///< one per address given, in the same order
  bool stopped = false;        ///< should_stop ended the run; unanswered addresses are kNotChecked
  std::size_t requests = 0;    ///< requests sent (GETs after HEADs and retries included)
  std::size_t from_cache = 0;  ///< addresses answered from the cache
  std::string cache_problem;   ///< why the cache file could not be written; "" when it was
};

/// Called after each address is answered: checked of total addresses given.
using ExternalProgress = std::function<void(std::size_t checked, std::size_t total)>;

/// Checks addresses (absolute http and https addresses as written in pages;
/// the same address twice, or two that differ only in the fragment, are
/// asked once). should_stop is asked on the calling thread every few
/// hundredths of a second; when it answers true every request under way
/// ends at once. progress is called on the calling thread. Either may be empty.
ExternalCheckResult CheckExternalAddresses(const std::vector<std::string>& addresses,
                                           const ExternalCheckOptions& options,
                                           const std::function<bool()>& should_stop,
                                           const ExternalProgress& progress);

/// "1,234 of 5,678 addresses checked": the progress text of the external check.
std::string ExternalProgressText(std::size_t checked, std::size_t total);

}  // namespace qvn
