#include "core/platform/posix/curl_library.h"

#include <dlfcn.h>

namespace qvn {
namespace {

// The name of libcurl's run-time library (Debian's libcurl4, the OpenSSL build).
constexpr const char* kLibraryName = "libcurl.so.4";

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

CurlLibrary Load() {
  CurlLibrary curl;
  void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* why = dlerror();
    curl.problem = why != nullptr ? why : kLibraryName;
    return curl;
  }
  decltype(&curl_global_init) global_init = nullptr;
  const bool found = Find(library, "curl_global_init", global_init) &&
                     Find(library, "curl_easy_init", curl.easy_init) &&
                     Find(library, "curl_easy_setopt", curl.easy_setopt) &&
                     Find(library, "curl_easy_getinfo", curl.easy_getinfo) &&
                     Find(library, "curl_easy_cleanup", curl.easy_cleanup) &&
                     Find(library, "curl_easy_strerror", curl.easy_strerror) &&
                     Find(library, "curl_multi_init", curl.multi_init) &&
                     Find(library, "curl_multi_add_handle", curl.multi_add_handle) &&
                     Find(library, "curl_multi_remove_handle", curl.multi_remove_handle) &&
                     Find(library, "curl_multi_perform", curl.multi_perform) &&
                     Find(library, "curl_multi_poll", curl.multi_poll) &&
                     Find(library, "curl_multi_info_read", curl.multi_info_read) &&
                     Find(library, "curl_multi_cleanup", curl.multi_cleanup);
  if (!found) {
    curl.problem =
        std::string(kLibraryName) + " lacks curl_multi_poll (libcurl 7.66 or later is needed)";
    return curl;
  }
  // The library stays loaded for the rest of the run: it is never closed.
  curl.loaded = global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!curl.loaded) curl.problem = "libcurl could not be initialised";
  return curl;
}

}  // namespace

const CurlLibrary& Curl() {
  static const CurlLibrary curl = Load();
  return curl;
}

}  // namespace qvn
