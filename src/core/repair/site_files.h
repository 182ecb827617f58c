#pragma once
// Every file of the selected site by its name with letter case ignored, for
// finding where a file was moved to.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/site/selection.h"
#include "core/site/status.h"

namespace qvn {

class SiteFiles {
 public:
  /// Walks the selection's folders (its exclusions apply) and keeps every
  /// file, pages and others. False when status asked to stop.
  bool Collect(const Selection& selection, Status& status);
  /// Adds one file (full path), as the walk does.
  void Add(const std::string& path);
  /// The full paths of the files named name, letter case ignored, in walk order.
  const std::vector<std::string>& Named(std::string_view name) const;

 private:
  std::unordered_map<std::u32string, std::vector<std::string>> by_name_;
};

}  // namespace qvn
