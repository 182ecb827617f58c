#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "core/platform/file_replacement.h"
#include "core/platform/windows/win32.h"

namespace qvn {
namespace {

using win::UniqueHandle;
using win::WidePath;

bool Fail(SystemError* error, DWORD code) {
  win::SetWindowsError(error, code);
  return false;
}

// Writes all bytes to an open file; the Windows error number, 0 on success.
DWORD WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return GetLastError();
    bytes.remove_prefix(written);
  }
  return 0;
}

// The file a write to path lands in: a symbolic link is resolved to the
// file it names (when that exists).
std::string ResolveLinks(const std::string& path) {
  const std::wstring wide = WidePath(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
    return path;
  const UniqueHandle file(CreateFileW(wide.c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.ok()) return path;
  std::wstring final(MAX_PATH, L'\0');
  DWORD size = GetFinalPathNameByHandleW(file.get(), final.data(), MAX_PATH, 0);
  if (size >= MAX_PATH) {
    final.resize(size);
    size = GetFinalPathNameByHandleW(file.get(), final.data(), size, 0);
  }
  if (size == 0) return path;
  final.resize(size);
  return win::Utf8Of(final).value_or(path);
}


}  // namespace

FileReplacement::~FileReplacement() { Discard(); }

void FileReplacement::Discard() {
  if (!temp_.empty()) DeleteFileW(WidePath(temp_).c_str());
  temp_.clear();
  in_place_.clear();
  write_in_place_ = false;
}

bool FileReplacement::Prepare(const std::string& path, std::string_view bytes,
                              SystemError* error) {
  Discard();
  target_ = ResolveLinks(path);
  const PathKind kind = GetPathKind(target_);
  // Known now, so that files committed together fail before any is replaced.
  if (kind == PathKind::kFolder) return Fail(error, ERROR_DIRECTORY);
  if (kind == PathKind::kOther) {
    // Moving a file over a device name would fail or hide the device.
    write_in_place_ = true;
    in_place_.assign(bytes);
    return true;
  }
  static std::atomic<unsigned> counter{0};
  std::string temp =
      target_ + ".tmp" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
  DWORD failure = 0;
  {
    const UniqueHandle file(CreateFileW(WidePath(temp).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return Fail(error, GetLastError());
    temp_ = std::move(temp);
    failure = WriteAll(file.get(), bytes);
    if (failure == 0 && !FlushFileBuffers(file.get())) failure = GetLastError();
  }
  if (failure == 0) return true;
  Discard();
  return Fail(error, failure);
}

bool FileReplacement::Commit(SystemError* error) {
  if (write_in_place_) {
    const UniqueHandle file(CreateFileW(WidePath(target_).c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD failure = file.ok() ? WriteAll(file.get(), in_place_) : GetLastError();
    Discard();
    return failure == 0 || Fail(error, failure);
  }
  if (temp_.empty()) return Fail(error, ERROR_INVALID_PARAMETER);
  const std::wstring target = WidePath(target_), temp = WidePath(temp_);
  // ReplaceFileW keeps the old file's attributes and access rights.
  bool moved = ReplaceFileW(target.c_str(), temp.c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
  DWORD failure = moved ? 0 : GetLastError();
  if (!moved && (failure == ERROR_FILE_NOT_FOUND || failure == ERROR_PATH_NOT_FOUND)) {
    moved = MoveFileExW(temp.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    failure = moved ? 0 : GetLastError();
  }
  if (!moved) {
    Discard();
    return Fail(error, failure);
  }
  temp_.clear();
  return true;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes, SystemError* error) {
  FileReplacement replacement;
  return replacement.Prepare(path, bytes, error) && replacement.Commit(error);
}

FolderLock::~FolderLock() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

FolderLock::Outcome FolderLock::TryLock(const std::string& folder, SystemError* error) {
  // Windows cannot lock a folder itself: a hidden file that vanishes with
  // its last handle, opened without sharing, stands for it.
  const std::string path = folder.empty() ? std::string(".qvn-lock")
                           : folder.back() == '\\' || folder.back() == '/'
                               ? folder + ".qvn-lock"
                               : folder + "\\.qvn-lock";
  const HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                                  nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD failure = GetLastError();
    if (failure == ERROR_SHARING_VIOLATION) return Outcome::kBusy;
    Fail(error, failure);
    return Outcome::kFailed;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return Outcome::kLocked;
}

}  // namespace qvn
