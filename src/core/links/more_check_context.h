#pragma once
// What the pages' readers share for the more checks of one run: the
// options, the index page names, and the anchors of the pages read so far.

#include <string>
#include <string_view>
#include <vector>

#include "core/links/anchor_cache.h"
#include "core/site/selection.h"

namespace qvn {

/// The names of a comma list of index pages, trimmed, empty ones left out,
/// in the list's order.
std::vector<std::string> SplitIndexFiles(std::string_view list);

struct MoreCheckContext {
  /// The site root folder is trimmed and given one trailing separator, so
  /// that links can be appended to it whatever front end filled it in.
  explicit MoreCheckContext(const MoreChecks& checks);

  MoreChecks options;
  std::vector<std::string> index_names;
  AnchorCache anchors;  ///< shared by the threads that read pages
};

}  // namespace qvn
