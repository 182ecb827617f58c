#include "core/platform/path.h"

#include <vector>

#include "core/text/casefold.h"
#include "core/platform/platform.h"
#include "core/text/text.h"

namespace qvn {

void EnsureTrailingBackslash(std::string& path) {
  if (path.empty()) return;
  while (!path.empty() && path.back() == kSeparator) path.pop_back();
  path.push_back(kSeparator);
}

std::string GetFileNamePart(std::string_view path, bool lower_case) {
  const std::size_t cut = path.rfind(kSeparator);
  if (cut == std::string_view::npos) return {};
  const std::string_view name = path.substr(cut + 1);
  return lower_case ? LowerCaseLatin(name) : std::string(name);
}

std::string GetFolderPart(std::string_view path, bool normalise) {
  const std::size_t cut = path.rfind(kSeparator);
  if (cut == std::string_view::npos) return {};
  const std::string_view folder = path.substr(0, cut + 1);
  return normalise ? NormalisePathCase(folder) : std::string(folder);
}

std::string GetFileExtension(std::string_view path, bool lower_case) {
  const std::size_t slash = path.rfind(kSeparator);
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  const std::string_view extension = name.substr(dot + 1);
  return lower_case ? LowerCase(extension) : std::string(extension);
}

std::string NormalisePathCase(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') {
    return UpperCaseLatin(path.substr(0, 1)) + LowerCaseLatin(path.substr(1));
  }
  return LowerCaseLatin(path);
}

bool DoesFileExist(const std::string& path) {
  return !path.empty() && GetPathKind(path) == PathKind::kFile;
}

bool IsExistingFolder(std::string_view path) {
  const std::string trimmed(TrimSpaces(path));
  return !trimmed.empty() && GetPathKind(trimmed) == PathKind::kFolder;
}

bool EndsInNonFileComponent(std::string_view path) {
  const std::size_t cut = path.rfind(kSeparator);
  const std::string_view last = cut == std::string_view::npos ? path : path.substr(cut + 1);
  return last.empty() || last == "." || last == "..";
}

std::string ResolveDotSegments(std::string_view path) {
  // Keep a root ("/", "//", a drive's "C:\" or a share's leading "\\") as it is.
  std::size_t root = 0;
  if (path.starts_with(kSeparator)) root = path.substr(1).starts_with(kSeparator) ? 2 : 1;
  if (kSeparator == '\\' && path.size() >= 3 && path[1] == ':' && path[2] == '\\') root = 3;
  std::vector<std::string_view> parts;
  std::size_t pos = root;
  while (pos <= path.size()) {
    std::size_t next = path.find(kSeparator, pos);
    if (next == std::string_view::npos) next = path.size();
    const std::string_view part = path.substr(pos, next - pos);
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..") {
        parts.pop_back();
      } else if (root == 0) {
        parts.push_back(part);  // a relative path may climb above where it starts
      }
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    pos = next + 1;
  }
  std::string out(path.substr(0, root));
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += kSeparator;
    out += parts[i];
  }
  if (out.empty()) out = ".";
  return out;
}

}  // namespace qvn
