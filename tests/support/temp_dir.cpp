#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qvn::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qvntest-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

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

void TempDir::Write(std::string_view relative, std::string_view bytes) const {
  const auto file = root_ / std::filesystem::path(std::string(relative));
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

void TempDir::MakeDir(std::string_view relative) const {
  std::filesystem::create_directories(root_ / std::filesystem::path(std::string(relative)));
}

std::string TempDir::Read(std::string_view path) const {
  std::filesystem::path file(std::string{path});
  if (file.is_relative()) file = root_ / file;
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool TempDir::Exists(std::string_view relative) const {
  return std::filesystem::exists(root_ / std::filesystem::path(std::string(relative)));
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (auto line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace qvn::test
