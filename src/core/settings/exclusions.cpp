#include "core/settings/exclusions.h"

#include <algorithm>
#include <vector>

#include "core/text/number.h"
#include "core/platform/platform.h"
#include "core/text/text.h"
#include "core/results/sorting.h"

namespace qvn {

std::string NormaliseCommaList(std::string_view box, bool file_paths) {
  std::string text(box);
  // File paths are written with the platform's separator; "/" is that
  // separator already where a backslash can be part of a name.
  if (file_paths && kSeparator == '\\') std::replace(text.begin(), text.end(), '/', kSeparator);
  std::vector<std::string> items;
  const std::size_t count = SplitList(text, ",", 1, items, true);
  if (count == 0) return {};
  SortStringsFolded(items, 0, static_cast<long long>(count) - 1, true, 1);
  return JoinArray(items, ", ", false, 0, static_cast<long long>(count) - 1);
}

std::string ExcludedSubfoldersLabel(long long count, const std::string& none_text,
                                    const std::string& one_text, const std::string& many_words) {
  if (count <= 0) return none_text;
  if (count == 1) return one_text;
  return NumberInWords(count) + " " + many_words;
}

}  // namespace qvn
