#pragma once
// links_from.txt: the broken links grouped by missing target, targets in
// character-code order, each followed by the pages that link to it.

#include <string>

#include "core/results/broken_links.h"
#include "core/results/report_text.h"

namespace qvn {

/// The report's text (UTF-8, CR LF line ends); repeated is CountRepeatedLinks.
std::string FormatReportByTarget(const BrokenLinkTable& table, const ReportContext& context,
                                 long long repeated);

}  // namespace qvn
