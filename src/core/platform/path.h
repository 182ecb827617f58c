#pragma once
// Path routines on the platform's separator (kSeparator).

#include <string>
#include <string_view>

#include "core/platform/platform.h"

namespace qvn {

/// A non-empty path loses all trailing separators and gets exactly one; "" stays "".
void EnsureTrailingBackslash(std::string& path);

/// The part after the last separator ("" when there is none), lower-cased when asked.
std::string GetFileNamePart(std::string_view path, bool lower_case);

/// The part up to and including the last separator ("" when there is none);
/// passed through NormalisePathCase when asked.
std::string GetFolderPart(std::string_view path, bool normalise);

/// Extension of the file name (after its last "."); "" when the name has none.
std::string GetFileExtension(std::string_view path, bool lower_case);

/// 'c:\Web\ÄBC' -> 'C:\web\äbc': a drive letter upper-cased, the rest lower-cased.
std::string NormalisePathCase(std::string_view path);

/// True when path is not empty and names an existing file (links followed).
bool DoesFileExist(const std::string& path);

/// True when path, without surrounding spaces, names an existing folder.
bool IsExistingFolder(std::string_view path);

/// path with "." and ".." components resolved lexically and repeated
/// separators collapsed; leading ".." of a relative path are kept.
std::string ResolveDotSegments(std::string_view path);

/// Whether path may hold "." or ".." components or doubled separators (after
/// its first character). When false, ResolveDotSegments gives back a path
/// that does not end in a separator unchanged.
inline bool MayNeedDotResolution(std::string_view path) {
  constexpr char kDotAfterSeparator[] = {kSeparator, '.', '\0'};
  constexpr char kDoubled[] = {kSeparator, kSeparator, '\0'};
  return path.starts_with('.') || path.find(kDotAfterSeparator) != std::string_view::npos ||
         path.find(kDoubled, 1) != std::string_view::npos;
}

/// True when the last component of path is empty, "." or "..": such a path
/// never names a file, whatever the disk holds.
bool EndsInNonFileComponent(std::string_view path);

/// path without its first prefix_length bytes ("" when it is shorter): a
/// path shown relative to the top folder. The caller vouches that path
/// starts with that prefix; see RelativeTo otherwise.
inline std::string_view RelativePart(std::string_view path, std::size_t prefix_length) {
  return prefix_length >= path.size() ? std::string_view() : path.substr(prefix_length);
}

/// path without folder when it starts with folder; otherwise path whole, so
/// that a path outside the folder is shown in full rather than cut blindly.
inline std::string_view RelativeTo(std::string_view path, std::string_view folder) {
  return path.starts_with(folder) ? path.substr(folder.size()) : path;
}

}  // namespace qvn
