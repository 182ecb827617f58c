#include "core/platform/file_replacement.h"

namespace qvn {

bool IsTemporaryFileOf(std::string_view name, std::string_view file_name) {
  // FileReplacement names them FILE.tmpPID-N.
  if (name.size() <= file_name.size() + 4 || name.substr(0, file_name.size()) != file_name ||
      name.substr(file_name.size(), 4) != ".tmp")
    return false;
  const std::string_view rest = name.substr(file_name.size() + 4);
  const std::size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size()) return false;
  for (std::size_t i = 0; i < rest.size(); ++i)
    if (i != dash && (rest[i] < '0' || rest[i] > '9')) return false;
  return true;
}

}  // namespace qvn
