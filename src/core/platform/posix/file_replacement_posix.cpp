#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>

#include "core/platform/file_replacement.h"

namespace qvn {

void SetSystemError(SystemError* error, int code);

namespace {

// The file a write to path lands in: symbolic links followed, a dangling one
// naming the file to create.
std::string ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    char buffer[PATH_MAX];
    const ssize_t n = readlink(current.c_str(), buffer, sizeof buffer);
    if (n <= 0) return current;
    std::string target(buffer, static_cast<std::size_t>(n));
    const std::size_t cut = current.rfind('/');
    if (target[0] != '/' && cut != std::string::npos) target = current.substr(0, cut + 1) + target;
    current = std::move(target);
  }
  return current;
}

// Writes all of bytes to fd; 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno != EINTR) return errno;
    if (n > 0) bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

bool Fail(SystemError* error, int code) {
  SetSystemError(error, code);
  return false;
}

}  // namespace

FileReplacement::~FileReplacement() { Discard(); }

void FileReplacement::Discard() {
  if (!temp_.empty()) unlink(temp_.c_str());
  temp_.clear();
  in_place_.clear();
  write_in_place_ = false;
}

bool FileReplacement::Prepare(const std::string& path, std::string_view bytes,
                              SystemError* error) {
  Discard();
  target_ = ResolveLinks(path);
  struct stat old;
  const bool exists = stat(target_.c_str(), &old) == 0;
  // Known now, so that files committed together fail before any is replaced.
  if (exists && S_ISDIR(old.st_mode)) return Fail(error, EISDIR);
  if (exists && !S_ISREG(old.st_mode)) {
    // Renaming over a device or a pipe would put a plain file in its place.
    write_in_place_ = true;
    in_place_.assign(bytes);
    return true;
  }
  static std::atomic<unsigned> counter{0};
  std::string temp = target_ + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return Fail(error, errno);
  temp_ = std::move(temp);
  int failure = WriteAll(fd, bytes);
  if (exists && failure == 0) {
    if (fchmod(fd, old.st_mode & 07777) != 0) failure = errno;
    // Only the owner or root may give a file away; keeping ours is fine then.
    if (fchown(fd, old.st_uid, old.st_gid) != 0) errno = 0;
  }
  if (failure == 0 && fsync(fd) != 0) failure = errno;
  if (close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0) return true;
  Discard();
  return Fail(error, failure);
}

bool FileReplacement::Commit(SystemError* error) {
  if (write_in_place_) {
    const int fd = open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Fail(error, errno);
    const int failure = WriteAll(fd, in_place_);
    close(fd);
    Discard();
    return failure == 0 || Fail(error, failure);
  }
  if (temp_.empty()) return Fail(error, EINVAL);
  if (rename(temp_.c_str(), target_.c_str()) != 0) {
    const int failure = errno;
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
  if (handle_ >= 0) close(static_cast<int>(handle_));
}

FolderLock::Outcome FolderLock::TryLock(const std::string& folder, SystemError* error) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const int failure = fd < 0 ? errno : flock(fd, LOCK_EX | LOCK_NB) != 0 ? errno : 0;
  if (failure != 0) {
    if (fd >= 0) close(fd);
    if (failure == EWOULDBLOCK) return Outcome::kBusy;
    Fail(error, failure);
    return Outcome::kFailed;
  }
  handle_ = fd;
  return Outcome::kLocked;
}

}  // namespace qvn
