#pragma once
// libcurl, loaded when the first HTTP exchanger is made rather than when the
// program starts: a run without the external check never pays for loading
// libcurl and the thirty-odd libraries it pulls in.

#include <curl/curl.h>

#include <string>

namespace qvn {

/// The libcurl functions the exchanger calls, named without "curl_".
struct CurlLibrary {
  bool loaded = false;
  std::string problem;  ///< why it could not be loaded
  decltype(&curl_easy_init) easy_init = nullptr;
  decltype(&curl_easy_setopt) easy_setopt = nullptr;
  decltype(&curl_easy_getinfo) easy_getinfo = nullptr;
  decltype(&curl_easy_cleanup) easy_cleanup = nullptr;
  decltype(&curl_easy_strerror) easy_strerror = nullptr;
  decltype(&curl_multi_init) multi_init = nullptr;
  decltype(&curl_multi_add_handle) multi_add_handle = nullptr;
  decltype(&curl_multi_remove_handle) multi_remove_handle = nullptr;
  decltype(&curl_multi_perform) multi_perform = nullptr;
  decltype(&curl_multi_poll) multi_poll = nullptr;
  decltype(&curl_multi_info_read) multi_info_read = nullptr;
  decltype(&curl_multi_cleanup) multi_cleanup = nullptr;
};

/// libcurl, loaded and initialised on the first call (thread-safe); see
/// loaded and problem.
const CurlLibrary& Curl();

}  // namespace qvn
