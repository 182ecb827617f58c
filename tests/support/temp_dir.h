#pragma once
// A scratch folder for one test, removed with everything in it afterwards.
// Paths given to and returned by it are UTF-8 texts, as in the program.

#include <filesystem>
#include <string>
#include <string_view>

namespace qvn::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  /// The folder's path, ending in the platform's separator.
  std::string path() const;
  /// Writes bytes to a file below the folder (relative path), creating folders.
  void Write(std::string_view relative, std::string_view bytes) const;
  /// Creates a folder (and its parents) below the folder.
  void MakeDir(std::string_view relative) const;
  /// Reads a file below the folder (or at an absolute path) whole.
  std::string Read(std::string_view path) const;
  bool Exists(std::string_view relative) const;

 private:
  std::filesystem::path Below(std::string_view relative) const;

  std::filesystem::path root_;
};

/// Joins lines, each followed by CR LF, as our text files are written.
std::string CrLf(std::initializer_list<std::string_view> lines);

/// path with every "/" turned into the platform's separator: tests write
/// expected paths with "/", the program shows them with its own separator.
std::string Native(std::string_view path);

/// UTF-8 text as the program writes its own files: unchanged on POSIX,
/// Windows-1252 on Windows.
std::string InOurEncoding(std::string_view utf8);

/// A UTF-8 path as a std::filesystem path (on Windows not read in the ANSI code page).
std::filesystem::path FsPath(std::string_view utf8);

/// The UTF-8 text of a std::filesystem path.
std::string Utf8(const std::filesystem::path& path);

}  // namespace qvn::test
