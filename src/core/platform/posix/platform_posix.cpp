#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "core/platform/platform.h"

namespace qvn {
namespace {

void SetError(SystemError* error, int code) {
  if (error == nullptr) return;
  error->code = code;
  error->permission_denied = code == EACCES || code == EPERM;
  error->description = std::strerror(code);
}

PathKind KindOf(const struct stat& st) {
  if (S_ISREG(st.st_mode)) return PathKind::kFile;
  if (S_ISDIR(st.st_mode)) return PathKind::kFolder;
  return PathKind::kOther;
}

// A path with a NUL character names nothing: the system calls would read
// only the part before it, another path.
bool HasNul(const std::string& path) { return path.find('\0') != std::string::npos; }

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace

PathKind GetPathKind(const std::string& path) {
  if (path.empty() || HasNul(path)) return PathKind::kNone;
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return PathKind::kNone;
  return KindOf(st);
}

namespace {

// Reads an open folder's entries and closes it.
bool ReadFolder(DIR* dir, std::vector<FolderEntry>& entries, SystemError* error,
                SizeFilter sizes_for, const void* context) {
  const int dir_fd = dirfd(dir);
  errno = 0;
  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    FolderEntry item{name, PathKind::kOther, std::nullopt};
    if (entry->d_type == DT_DIR) {
      item.kind = PathKind::kFolder;
    } else if (entry->d_type == DT_REG && sizes_for != nullptr && !sizes_for(name, context)) {
      item.kind = PathKind::kFile;
    } else if (entry->d_type == DT_REG || entry->d_type == DT_LNK ||
               entry->d_type == DT_UNKNOWN) {
      // Relative to the open folder: much cheaper than a full path lookup.
      struct stat st;
      if (fstatat(dir_fd, name, &st, 0) == 0) {
        item.kind = KindOf(st);
        if (item.kind == PathKind::kFile) item.size = static_cast<std::uint64_t>(st.st_size);
      } else if (entry->d_type == DT_REG) {
        item.kind = PathKind::kFile;  // there, but its length cannot be read
      }
    }
    entries.push_back(std::move(item));
    errno = 0;
  }
  const int read_error = errno;
  closedir(dir);
  if (read_error != 0) {
    SetError(error, read_error);
    return false;
  }
  return true;
}

}  // namespace

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries, SystemError* error,
                SizeFilter sizes_for, const void* context) {
  entries.clear();
  if (HasNul(folder)) {
    SetError(error, ENOENT);
    return false;
  }
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) {
    SetError(error, errno);
    return false;
  }
  return ReadFolder(dir, entries, error, sizes_for, context);
}

bool ListFolder(const FolderHandle& folder, std::vector<FolderEntry>& entries, SystemError* error,
                SizeFilter sizes_for, const void* context) {
  if (folder.fd_ < 0) return ListFolder(folder.path_, entries, error, sizes_for, context);
  entries.clear();
  // The listing reads and closes its own descriptor; the handle keeps its one.
  const int fd = dup(folder.fd_);
  DIR* dir = fd >= 0 ? fdopendir(fd) : nullptr;
  if (dir == nullptr) {
    SetError(error, errno);
    if (fd >= 0) close(fd);
    return false;
  }
  return ReadFolder(dir, entries, error, sizes_for, context);
}

std::optional<std::uint64_t> GetFileSize(const std::string& path, SystemError* error) {
  struct stat st;
  if (HasNul(path)) {
    SetError(error, ENOENT);
    return std::nullopt;
  }
  if (stat(path.c_str(), &st) != 0) {
    SetError(error, errno);
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::int64_t> GetModifiedTime(const std::string& path, SystemError* error) {
  struct stat st;
  if (HasNul(path) || stat(path.c_str(), &st) != 0) {
    SetError(error, HasNul(path) ? ENOENT : errno);
    return std::nullopt;
  }
  return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

std::optional<FolderId> GetFolderId(const std::string& path) {
  struct stat st;
  if (HasNul(path) || stat(path.empty() ? "." : path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
    return std::nullopt;
  return FolderId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

bool CreateFolders(const std::string& path, SystemError* error) {
  if (path.empty()) return true;
  std::string partial;
  std::size_t pos = 0;
  while (pos != std::string::npos) {
    const std::size_t next = path.find('/', pos + 1);
    partial = path.substr(0, next);
    pos = next;
    if (partial.empty() || partial == "/") continue;
    if (mkdir(partial.c_str(), 0777) != 0 && errno != EEXIST) {
      SetError(error, errno);
      return false;
    }
  }
  if (GetPathKind(path) != PathKind::kFolder) {
    SetError(error, ENOTDIR);
    return false;
  }
  return true;
}

bool RemoveFile(const std::string& path, SystemError* error) {
  if (unlink(path.c_str()) != 0) {
    SetError(error, errno);
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, SystemError* error,
                   std::uint64_t limit) {
  bytes.clear();
  InputFile in;
  if (!in.OpenStream(path)) {
    SetError(error, errno);
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
      SetError(error, errno);
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
  const std::string probe = JoinPath(folder, ".qvn-probe-" + std::to_string(getpid()));
  const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    SetError(error, errno);
    return false;
  }
  close(fd);
  unlink(probe.c_str());
  return true;
}

std::string UserDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  // A relative value is invalid by the XDG rules and is ignored.
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  std::string base = home != nullptr ? home : "";
  if (base.empty()) {
    if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr)
      base = pw->pw_dir;
  }
  if (base.empty()) return {};
  if (base.back() != '/') base += '/';
  return base + ".local/share";
}

std::string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  std::string path(buffer, static_cast<std::size_t>(n));
  return path.substr(0, path.rfind('/') + 1);
}

FolderHandle::~FolderHandle() {
  if (fd_ >= 0) close(fd_);
}

std::optional<FolderId> FolderHandle::Id() const {
  if (fd_ < 0) return GetFolderId(path_);
  struct stat st;
  if (fstat(fd_, &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return FolderId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

bool FolderHandle::Open(const std::string& folder) {
  path_ = folder;
  if (HasNul(folder)) return false;
  fd_ = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return fd_ >= 0;
}

InputFile::~InputFile() { Close(); }

bool InputFile::Open(const FolderHandle& folder, const std::string& name) {
  if (folder.fd_ < 0) return Open(folder.path_ + name);
  Close();
  if (HasNul(name)) return false;
  fd_ = openat(folder.fd_, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  return fd_ >= 0;
}

bool InputFile::OpenStream(const std::string& path) {
  Close();
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  return fd_ >= 0;
}

bool InputFile::Open(const std::string& path) {
  Close();
  if (HasNul(path)) {
    errno = ENOENT;
    return false;
  }
  // Non-blocking, so that a FIFO slipped in after the folder was listed
  // cannot hang the run (the walk hands over regular files only).
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  return fd_ >= 0;
}

long long InputFile::Read(char* buffer, std::size_t size) {
  while (true) {
    const ssize_t n = read(fd_, buffer, size);
    if (n >= 0) return n;
    if (errno != EINTR) return -1;
  }
}

void InputFile::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

void SetSystemError(SystemError* error, int code) { SetError(error, code); }

SystemError LastSystemError() {
  SystemError error;
  SetError(&error, errno);
  return error;
}

bool IsPathTooLong(const SystemError& error) { return error.code == ENAMETOOLONG; }

bool CanReadFolder(const std::string& folder, SystemError* error) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) {
    SetError(error, errno);
    return false;
  }
  closedir(dir);
  return true;
}

}  // namespace qvn
