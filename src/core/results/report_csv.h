#pragma once
// The broken links as CSV (RFC 4180), for spreadsheets and scripts.

#include <string>
#include <string_view>

#include "core/results/baseline.h"
#include "core/results/run_results.h"

namespace qvn {

/// Appends field to out as one CSV field: quoted (with quotes doubled) when
/// it holds a comma, a quote, CR or LF; bytes that are not UTF-8 as U+FFFD.
void AppendCsvField(std::string& out, std::string_view field);

/// A header row (page, line, column, link, target, kind, note, suggestion),
/// then one row per broken link in order; records end in CR LF. With a
/// baseline comparison a "baseline" column holds new or existing, and the
/// fixed links follow as rows marked fixed, with the baseline's line and column.
std::string FormatResultsCsv(const CheckResult& result,
                             const BaselineComparison* baseline = nullptr);

}  // namespace qvn
