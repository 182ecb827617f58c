#pragma once
// What the Windows files of the platform layer share.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/platform.h"

namespace qvn::win {

/// path (UTF-8) as a wide path, with the long-path prefix where it needs one.
std::wstring WidePath(const std::string& path);
/// text as UTF-8; nullopt when it is not valid UTF-16.
std::optional<std::string> Utf8Of(std::wstring_view text);
/// Fills error with code and the system's wording of it.
void SetWindowsError(SystemError* error, unsigned long code);

/// Closes the handle on leaving scope.
class UniqueHandle {
 public:
  explicit UniqueHandle(HANDLE handle) : value_(handle) {}
  ~UniqueHandle() {
    if (ok()) CloseHandle(value_);
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  bool ok() const { return value_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return value_; }

 private:
  HANDLE value_;
};

}  // namespace qvn::win
