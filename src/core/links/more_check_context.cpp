#include "core/links/more_check_context.h"

#include "core/platform/path.h"
#include "core/text/text.h"

namespace qvn {

MoreCheckContext::MoreCheckContext(const MoreChecks& checks)
    : options(checks), index_names(SplitIndexFiles(checks.index_files)) {
  options.site_root_folder = std::string(TrimSpaces(options.site_root_folder));
  EnsureTrailingBackslash(options.site_root_folder);
}

std::vector<std::string> SplitIndexFiles(std::string_view list) {
  std::vector<std::string> names;
  std::size_t pos = 0;
  while (pos <= list.size()) {
    std::size_t comma = list.find(',', pos);
    if (comma == std::string_view::npos) comma = list.size();
    const std::string_view name = TrimSpaces(list.substr(pos, comma - pos));
    if (!name.empty()) names.emplace_back(name);
    pos = comma + 1;
  }
  return names;
}

}  // namespace qvn
