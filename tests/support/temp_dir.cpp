#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "core/platform/platform.h"
#include "core/text/utf.h"

namespace qvn::test {
namespace {

#ifdef _WIN32
// Windows has no mkdtemp: try random names until one is new.
std::filesystem::path MakeUniqueFolder(const std::filesystem::path& parent) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate = parent / ("qvntest-" + std::to_string(random() % 1000000000u));
    if (std::filesystem::create_directory(candidate)) return candidate;
  }
  throw std::runtime_error("cannot create a temporary folder");
}
#else
std::filesystem::path MakeUniqueFolder(const std::filesystem::path& parent) {
  std::string pattern = (parent / "qvntest-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}
#endif

}  // namespace

TempDir::TempDir() : root_(MakeUniqueFolder(std::filesystem::temp_directory_path())) {}

TempDir::~TempDir() {
  std::error_code ec;
  // Tests may leave folders without permissions; give them back before removing.
  for (auto it = std::filesystem::recursive_directory_iterator(
           root_, std::filesystem::directory_options::skip_permission_denied, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
  }
  std::filesystem::remove_all(root_, ec);
}

std::string TempDir::path() const {
  std::string text = Utf8(root_);
  if (text.empty() || text.back() != kSeparator) text += kSeparator;
  return text;
}

std::filesystem::path TempDir::Below(std::string_view relative) const {
  return root_ / FsPath(relative);
}

void TempDir::Write(std::string_view relative, std::string_view bytes) const {
  const auto file = Below(relative);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + Utf8(file));
}

void TempDir::MakeDir(std::string_view relative) const {
  std::filesystem::create_directories(Below(relative));
}

std::string TempDir::Read(std::string_view path) const {
  std::filesystem::path file = FsPath(path);
  if (file.is_relative()) file = root_ / file;
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool TempDir::Exists(std::string_view relative) const {
  return std::filesystem::exists(Below(relative));
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (auto line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::string Native(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '/', kSeparator);
  return out;
}

std::string InOurEncoding(std::string_view utf8) {
#ifdef _WIN32
  return Utf8ToWindows1252(utf8);
#else
  return std::string(utf8);
#endif
}

#ifdef _WIN32
std::filesystem::path FsPath(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
#else
// POSIX names are bytes, kept as they are (they need not be UTF-8).
std::filesystem::path FsPath(std::string_view utf8) {
  return std::string(utf8);
}

std::string Utf8(const std::filesystem::path& path) {
  return path.string();
}
#endif

}  // namespace qvn::test
