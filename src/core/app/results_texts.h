#pragma once
// What the results and orphan files windows say about what they show, so
// every desktop front end words it alike.

#include <string>
#include <string_view>

#include "core/results/results_view.h"
#include "core/results/run_results.h"

namespace qvn::app {

/// A results column's header ("Page", "Line", ...).
const char* ResultsColumnCaption(ResultsColumn column);

/// The counts above the table: '4 broken links in 3 pages: 2 missing
/// files, ...', the permanent redirects, and a stopped check's notice.
std::string ResultsCountsText(const CheckResult& result);

/// "3 of 4 shown", numbers grouped.
std::string ShownRowsText(std::size_t shown, std::size_t total);

/// The message when a row's page cannot be opened (path as shown to the user).
std::string CannotOpenPageText(std::string_view path);

/// The orphan files window's texts for a finished search below top_folder.
struct OrphanTexts {
  std::string top_folder;         ///< "Top folder: ..."
  std::string summary;            ///< files walked, pages read, roots
  std::string not_linked;         ///< the first list's heading, with its count
  std::string only_from_orphans;  ///< the second list's heading, with its count
  std::string totals;             ///< the closing count line
};
OrphanTexts OrphanWindowTexts(const OrphanResult& result, std::string_view top_folder);

}  // namespace qvn::app
