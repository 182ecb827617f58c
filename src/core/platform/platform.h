#pragma once
// The few operating-system calls the core needs, behind one interface so the
// rest of the core stays portable. Paths are UTF-8 texts (raw bytes kept).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// The platform's path separator ("/" on POSIX, "\" on Windows).
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

/// What a path names, following symbolic links. FIFOs, sockets, devices and
/// (in listings) dangling or looping links are kOther; a missing path is kNone.
enum class PathKind { kNone, kFile, kFolder, kOther };

/// One entry of a folder listing, classified as PathKind (never kNone).
struct FolderEntry {
  std::string name;
  PathKind kind = PathKind::kOther;
  std::optional<std::uint64_t> size;  ///< for files: the length, when it could be read
};

/// An error as the platform describes it.
struct SystemError {
  int code = 0;                    // errno or Windows error number; 0 = no error
  bool permission_denied = false;  // access refused (the caller may treat it apart)
  std::string description;         // the platform's own wording
};

/// Identity of a folder on disk, to notice a folder reached again.
struct FolderId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FolderId&) const = default;
};

/// What path names (see PathKind); a dangling link is kNone.
PathKind GetPathKind(const std::string& path);

/// Chooses the files whose sizes a listing reads (where that costs a query).
using SizeFilter = bool (*)(std::string_view name, const void* context);

/// Lists a folder's entries (without "." and ".."), in no particular order.
/// Returns false, with error set, when the folder cannot be opened or read.
/// Sizes are read for every file, or, with a filter, for the files it
/// accepts (others may have none).
bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries, SystemError* error,
                SizeFilter sizes_for = nullptr, const void* context = nullptr);

class FolderHandle;

/// As ListFolder, for a folder already open.
bool ListFolder(const FolderHandle& folder, std::vector<FolderEntry>& entries, SystemError* error,
                SizeFilter sizes_for = nullptr, const void* context = nullptr);

/// A SizeFilter that wants no sizes.
inline bool NoSizes(std::string_view, const void*) { return false; }

/// Size in bytes of a file, or nullopt (with error set) when it cannot be read.
std::optional<std::uint64_t> GetFileSize(const std::string& path, SystemError* error = nullptr);

/// When the file path names (links followed) was last modified, in the
/// platform's units (nanoseconds since 1970; on Windows 100 ns since 1601):
/// only compared with itself. nullopt (with error set) when it cannot be read.
std::optional<std::int64_t> GetModifiedTime(const std::string& path, SystemError* error = nullptr);

/// Identity of a folder, or nullopt when it cannot be read.
std::optional<FolderId> GetFolderId(const std::string& path);

/// Creates a folder and any missing parents. An existing folder is success.
bool CreateFolders(const std::string& path, SystemError* error);

/// Deletes a file; false (error set) when it could not be deleted.
bool RemoveFile(const std::string& path, SystemError* error = nullptr);

/// SystemError::code of a read refused because the file holds more than its
/// limit (the description gives the limit in bytes; callers say it their way).
inline constexpr int kErrorOverLimit = -2;

/// Reads a whole file the user named (a settings file, a baseline) as bytes.
/// Pipes, FIFOs and devices are read too, as streams: waiting for data, up
/// to their end. More than limit bytes (an endless device, say) is refused,
/// with error->code kErrorOverLimit, after reading at most limit + 1 bytes.
bool ReadWholeFile(const std::string& path, std::string& bytes, SystemError* error,
                   std::uint64_t limit);

/// Replaces path's contents with bytes: written to a temporary file in the
/// same folder, then renamed over path, so a failure leaves the old file
/// intact (FileReplacement, which tells how links and devices are treated).
bool WriteFileReplacing(const std::string& path, std::string_view bytes, SystemError* error);

/// The error of this thread's last failed system call, for calls that
/// return only false (InputFile::Open, FolderHandle::Open).
SystemError LastSystemError();

/// True when error says a path is too long for the system.
bool IsPathTooLong(const SystemError& error);

/// True when folder's entries can be listed; false with error set otherwise.
bool CanReadFolder(const std::string& folder, SystemError* error);

/// True when a new file can be created in folder (tried, then removed).
bool CanWriteInFolder(const std::string& folder, SystemError* error);

/// The per-user folder for application data ($XDG_DATA_HOME, ~/.local/share;
/// on Windows the roaming application-data folder); "" when unknown.
std::string UserDataFolder();

/// Folder of the running executable, ending in the separator; "" when unknown.
std::string ProgramFolder();

/// An open folder, so that files in it can be opened without the whole path
/// being looked up again. Where the platform cannot do that it just keeps
/// the path.
class FolderHandle {
 public:
  FolderHandle() = default;
  ~FolderHandle();
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;

  /// Opens folder (its path ending in the separator); false when it cannot
  /// be opened, in which case files are opened by their whole paths.
  bool Open(const std::string& folder);
  const std::string& path() const { return path_; }
  /// The folder's identity; nullopt when it cannot be read.
  std::optional<FolderId> Id() const;
  /// True when the folder lies on a pseudo file system: one that shows the
  /// system's own state as files (proc, sysfs, devtmpfs, cgroup, debugfs and
  /// the like), endless or changing as it is read. False when unknown.
  bool OnPseudoFileSystem() const;

 private:
  friend class InputFile;
  friend bool ListFolder(const FolderHandle&, std::vector<FolderEntry>&, SystemError*, SizeFilter,
                         const void*);
  std::string path_;
#ifndef _WIN32
  int fd_ = -1;
#endif
};

/// An input file read in blocks. Open is for the walk's pages, which are
/// regular files: it never waits on a FIFO or device that slipped in after
/// the listing (opened non-blocking on POSIX, refused on Windows).
/// OpenStream is for files the user names, and reads any kind.
class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  /// Opens path for reading; false when it cannot be opened.
  bool Open(const std::string& path);
  /// Opens the file named name in an open folder.
  bool Open(const FolderHandle& folder, const std::string& name);
  /// Opens path for reading to its end, whatever it is: a regular file, or a
  /// pipe, FIFO or device read as a stream (reads wait for data).
  bool OpenStream(const std::string& path);
  /// Reads up to size bytes; returns the count, 0 at the end, -1 on error.
  long long Read(char* buffer, std::size_t size);
  void Close();

 private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
};

}  // namespace qvn
