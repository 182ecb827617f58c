#pragma once
// links_to.txt: the broken links grouped by the page that holds them, pages
// in the order found, targets in page order.

#include <string>

#include "core/results/broken_links.h"
#include "core/results/report_text.h"

namespace qvn {

/// The report's text (UTF-8, CR LF line ends); repeated is CountRepeatedLinks.
std::string FormatReportBySource(const BrokenLinkTable& table, const ReportContext& context,
                                 long long repeated);

}  // namespace qvn
