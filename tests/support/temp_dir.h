#pragma once
// A scratch folder for one test, removed with everything in it afterwards.

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

  /// The folder's path, ending in "/".
  std::string path() const { return root_.string() + "/"; }
  /// Writes bytes to a file below the folder (relative path), creating folders.
  void Write(std::string_view relative, std::string_view bytes) const;
  /// Creates a folder (and its parents) below the folder.
  void MakeDir(std::string_view relative) const;
  /// Reads a file below the folder (or at an absolute path) whole.
  std::string Read(std::string_view path) const;
  bool Exists(std::string_view relative) const;

 private:
  std::filesystem::path root_;
};

/// Joins lines, each followed by CR LF, as our text files are written.
std::string CrLf(std::initializer_list<std::string_view> lines);

}  // namespace qvn::test
