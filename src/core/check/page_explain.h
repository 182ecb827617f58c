#pragma once
// How a check treats one line of a page: the page and its top folder, whether
// a check reads the page at all, and the trace of the line's link.

#include <string>
#include <string_view>
#include <vector>

#include "core/links/link_explain.h"
#include "core/site/selection.h"

namespace qvn {

struct PageLineExplanation {
  std::string error;  ///< why nothing could be explained; "" when explained
  /// The page as a check names it, its top folder, whether a check reads
  /// the page, and the line's text.
  std::vector<std::string> steps;
  LineTrace line;  ///< what became of the line's link
};

/// Explains line `line_number` (from 1, counted as reports count lines) of
/// page. An empty selection.top_folder stands for the page's own folder (the
/// steps say so); otherwise top_note, when not empty, is told after the top
/// folder (where it came from). The page must lie below the top folder,
/// compared as written after "." and ".." are resolved.
PageLineExplanation ExplainPageLine(std::string_view page, long long line_number,
                                    Selection selection, std::string_view top_note = {});

}  // namespace qvn
