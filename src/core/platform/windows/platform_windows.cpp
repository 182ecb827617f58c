// The platform interface on Windows. Every name goes through the wide (UTF-16)
// functions, so names outside the ANSI code page work; paths stay UTF-8 in
// the rest of the program.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "core/platform/platform.h"

namespace qvn {
namespace {

// Below this length the plain Win32 path rules apply; above it a path gets
// the "\\?\" prefix, which lifts the MAX_PATH limit.
constexpr std::size_t kLongPathFrom = MAX_PATH - 12;

std::wstring FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

// nullopt when text is not valid UTF-16 (a lone surrogate, which NTFS allows).
std::optional<std::string> ToUtf8(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, nullptr,
                                       0, nullptr, nullptr);
  if (size <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, out.data(), size, nullptr,
                      nullptr);
  return out;
}

std::wstring Wide(const std::string& path) {
  std::wstring wide = FromUtf8(path.empty() ? std::string_view(".") : std::string_view(path));
  // The system would read a path only up to a NUL, so naming another file;
  // "|", which no name may hold (and no pattern treats as a wildcard), fails.
  std::replace(wide.begin(), wide.end(), L'\0', L'|');
  if (wide.size() < kLongPathFrom || wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\"))
    return wide;
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(wide.c_str(), size, full.data(), nullptr));
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

void SetError(SystemError* error, DWORD code) {
  if (error == nullptr) return;
  error->code = static_cast<int>(code);
  error->permission_denied = code == ERROR_ACCESS_DENIED;
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring_view message(text, length);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.'))
    message.remove_suffix(1);
  error->description = ToUtf8(message).value_or("");
  if (text != nullptr) LocalFree(text);
  if (error->description.empty()) error->description = "Windows error " + std::to_string(code);
}

// Closes the handle on leaving scope.
struct Handle {
  HANDLE value;
  explicit Handle(HANDLE h) : value(h) {}
  ~Handle() {
    if (ok()) CloseHandle(value);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool ok() const { return value != INVALID_HANDLE_VALUE; }
};

// Opens path for its attributes only; reparse points (symbolic links,
// junctions) are followed, folders can be opened too.
HANDLE OpenForAttributes(const std::wstring& path) {
  return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

PathKind KindOfAttributes(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kFolder : PathKind::kFile;
}

// What an opened handle names; devices and pipes are kOther.
PathKind KindOfHandle(HANDLE handle, BY_HANDLE_FILE_INFORMATION* info) {
  BY_HANDLE_FILE_INFORMATION local;
  if (info == nullptr) info = &local;
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, info))
    return PathKind::kOther;
  return KindOfAttributes(info->dwFileAttributes);
}

// Reserved device names (CON, NUL, COM1 ...) open a device in any folder and
// with any extension on older Windows, though no such file is listed.
bool MayNameDevice(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/:");
  std::wstring stem = path.substr(slash == std::wstring::npos ? 0 : slash + 1);
  stem = stem.substr(0, stem.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  if (stem.size() < 3 || stem.size() > 7) return false;
  CharUpperBuffW(stem.data(), static_cast<DWORD>(stem.size()));
  for (const wchar_t* name : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
    if (stem == name) return true;
  return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
         stem[3] >= L'0' && stem[3] <= L'9';
}

// What path names; dangling answers for a link that dangles or loops.
PathKind KindOfWide(const std::wstring& path, PathKind dangling) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kNone;
  const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (!link && !MayNameDevice(path)) return KindOfAttributes(attributes);
  const Handle handle(OpenForAttributes(path));
  if (handle.ok()) return KindOfHandle(handle.value, nullptr);
  // A device name that cannot be opened (no console, say) is no file either.
  return link ? dangling : PathKind::kOther;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + "\\" + name;
}

std::uint64_t Join64(DWORD high, DWORD low) {
  return (static_cast<std::uint64_t>(high) << 32) | low;
}

FolderEntry EntryOf(const std::string& folder, const WIN32_FIND_DATAW& data, std::string name,
                    SizeFilter sizes_for, const void* context) {
  FolderEntry entry{std::move(name), KindOfAttributes(data.dwFileAttributes), std::nullopt};
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    if (entry.kind == PathKind::kFile) entry.size = Join64(data.nFileSizeHigh, data.nFileSizeLow);
    return entry;
  }
  // A symbolic link or junction: what it leads to counts.
  const std::string path = JoinPath(folder, entry.name);
  entry.kind = KindOfWide(Wide(path), PathKind::kOther);
  const bool wanted = sizes_for == nullptr || sizes_for(entry.name, context);
  if (entry.kind == PathKind::kFile && wanted) entry.size = GetFileSize(path);
  return entry;
}

}  // namespace

PathKind GetPathKind(const std::string& path) {
  if (path.empty()) return PathKind::kNone;
  return KindOfWide(Wide(path), PathKind::kNone);
}

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries, SystemError* error,
                SizeFilter sizes_for, const void* context) {
  entries.clear();
  const std::wstring pattern = Wide(JoinPath(folder.empty() ? "." : folder, "*"));
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    // An empty drive root has not even "." to list.
    if (code == ERROR_FILE_NOT_FOUND && GetPathKind(folder) == PathKind::kFolder) return true;
    SetError(error, code);
    return false;
  }
  do {
    const std::wstring_view wide_name = data.cFileName;
    if (wide_name == L"." || wide_name == L"..") continue;
    // A name that is not valid UTF-16 has no UTF-8 form and cannot be named again.
    const auto name = ToUtf8(wide_name);
    if (!name) continue;
    // The listing holds every size; only links need a query of their own.
    entries.push_back(EntryOf(folder, data, std::move(*name), sizes_for, context));
  } while (FindNextFileW(find, &data));
  const DWORD code = GetLastError();
  FindClose(find);
  if (code != ERROR_NO_MORE_FILES) {
    SetError(error, code);
    return false;
  }
  return true;
}

std::optional<std::uint64_t> GetFileSize(const std::string& path, SystemError* error) {
  const std::wstring wide = Wide(path);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) {
    SetError(error, GetLastError());
    return std::nullopt;
  }
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    // The size of a link is that of its target.
    const Handle handle(OpenForAttributes(wide));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle.ok() || !GetFileInformationByHandle(handle.value, &info)) {
      SetError(error, GetLastError());
      return std::nullopt;
    }
    data.nFileSizeHigh = info.nFileSizeHigh;
    data.nFileSizeLow = info.nFileSizeLow;
  }
  return Join64(data.nFileSizeHigh, data.nFileSizeLow);
}

std::optional<std::int64_t> GetModifiedTime(const std::string& path, SystemError* error) {
  // Through a handle: a link's time is that of the file it names.
  const Handle handle(OpenForAttributes(Wide(path)));
  FILETIME written;
  if (!handle.ok() || !GetFileTime(handle.value, nullptr, nullptr, &written)) {
    SetError(error, GetLastError());
    return std::nullopt;
  }
  return static_cast<std::int64_t>(Join64(written.dwHighDateTime, written.dwLowDateTime));
}

std::optional<FolderId> GetFolderId(const std::string& path) {
  const Handle handle(OpenForAttributes(Wide(path)));
  BY_HANDLE_FILE_INFORMATION info;
  if (!handle.ok() || KindOfHandle(handle.value, &info) != PathKind::kFolder) return std::nullopt;
  return FolderId{info.dwVolumeSerialNumber, Join64(info.nFileIndexHigh, info.nFileIndexLow)};
}

bool CreateFolders(const std::string& path, SystemError* error) {
  if (path.empty()) return true;
  // The root ("C:\", "\\server\share\", "\") is never created.
  std::size_t pos = path.find_first_not_of("\\/");
  if (path.starts_with("\\\\") || path.starts_with("//")) {
    pos = path.find_first_of("\\/", pos);                                    // after the server
    if (pos != std::string::npos) pos = path.find_first_of("\\/", pos + 1);  // the share
  }
  while (pos != std::string::npos) {
    pos = path.find_first_of("\\/", pos + 1);
    const std::string partial = path.substr(0, pos);
    if (partial.ends_with(':') || GetPathKind(partial) == PathKind::kFolder) continue;
    if (!CreateDirectoryW(Wide(partial).c_str(), nullptr) &&
        GetLastError() != ERROR_ALREADY_EXISTS) {
      SetError(error, GetLastError());
      return false;
    }
  }
  if (GetPathKind(path) != PathKind::kFolder) {
    SetError(error, ERROR_DIRECTORY);
    return false;
  }
  return true;
}

bool RemoveFile(const std::string& path, SystemError* error) {
  if (DeleteFileW(Wide(path).c_str())) return true;
  SetError(error, GetLastError());
  return false;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, SystemError* error,
                   std::uint64_t limit) {
  bytes.clear();
  InputFile in;
  if (!in.OpenStream(path)) {
    SetError(error, GetLastError());
    return false;
  }
  constexpr std::size_t kBlock = 1 << 16;
  while (true) {
    // One byte past the limit tells a file of exactly limit bytes from a longer one.
    const std::uint64_t room = limit - bytes.size();
    const std::size_t want = room < kBlock ? static_cast<std::size_t>(room) + 1 : kBlock;
    const std::size_t had = bytes.size();
    bytes.resize(had + want);
    const long long got = in.Read(bytes.data() + had, want);
    if (got < 0) {
      SetError(error, GetLastError());
      bytes.clear();
      return false;
    }
    bytes.resize(had + static_cast<std::size_t>(got));
    if (got == 0) return true;
    if (bytes.size() > limit) {
      bytes.clear();
      if (error != nullptr)
        *error = {kErrorOverLimit, false, "more than " + std::to_string(limit) + " bytes"};
      return false;
    }
  }
}

bool CanWriteInFolder(const std::string& folder, SystemError* error) {
  const std::string probe = JoinPath(folder.empty() ? "." : folder,
                                     ".qvn-probe-" + std::to_string(GetCurrentProcessId()));
  const HANDLE file = CreateFileW(Wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    SetError(error, GetLastError());
    return false;
  }
  CloseHandle(file);
  return true;
}

std::string UserDataFolder() {
  // The per-user (roaming) application-data folder, special folder 26.
  wchar_t buffer[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)))
    return {};
  return ToUtf8(buffer).value_or("");
}

std::string ProgramFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  while (true) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  const std::string path = ToUtf8(buffer).value_or("");
  return path.substr(0, path.find_last_of("\\/") + 1);
}

InputFile::~InputFile() {
  Close();
}

bool InputFile::Open(const std::string& path) {
  if (!OpenStream(path)) return false;
  // Devices and pipes (a name such as "con.htm") are never read.
  if (GetFileType(static_cast<HANDLE>(handle_)) != FILE_TYPE_DISK) {
    Close();
    SetLastError(ERROR_INVALID_FUNCTION);
    return false;
  }
  return true;
}

bool InputFile::OpenStream(const std::string& path) {
  Close();
  const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  handle_ = file;
  return true;
}

long long InputFile::Read(char* buffer, std::size_t size) {
  const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  DWORD got = 0;
  if (ReadFile(static_cast<HANDLE>(handle_), buffer, chunk, &got, nullptr)) return got;
  // A pipe whose writer closed it has simply ended.
  return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
}

void InputFile::Close() {
  if (handle_ != nullptr) CloseHandle(static_cast<HANDLE>(handle_));
  handle_ = nullptr;
}

FolderHandle::~FolderHandle() = default;

bool FolderHandle::Open(const std::string& folder) {
  // Windows has no handy way to open a file relative to a folder: keep the path.
  path_ = folder;
  return true;
}

bool InputFile::Open(const FolderHandle& folder, const std::string& name) {
  return Open(folder.path() + name);
}

std::optional<FolderId> FolderHandle::Id() const { return GetFolderId(path_); }

// Windows has no file systems that show the system's state as folders.
bool FolderHandle::OnPseudoFileSystem() const { return false; }

bool ListFolder(const FolderHandle& folder, std::vector<FolderEntry>& entries, SystemError* error,
                SizeFilter sizes_for, const void* context) {
  return ListFolder(folder.path(), entries, error, sizes_for, context);
}

SystemError LastSystemError() {
  SystemError error;
  SetError(&error, GetLastError());
  return error;
}

bool IsPathTooLong(const SystemError& error) {
  return error.code == ERROR_FILENAME_EXCED_RANGE || error.code == ERROR_BUFFER_OVERFLOW;
}

bool CanReadFolder(const std::string& folder, SystemError* error) {
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileW(Wide(JoinPath(folder, "*")).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    SetError(error, GetLastError());
    return false;
  }
  FindClose(find);
  return true;
}

namespace win {

std::wstring WidePath(const std::string& path) { return qvn::Wide(path); }
std::optional<std::string> Utf8Of(std::wstring_view text) { return qvn::ToUtf8(text); }
void SetWindowsError(SystemError* error, unsigned long code) { qvn::SetError(error, code); }

}  // namespace win
}  // namespace qvn
