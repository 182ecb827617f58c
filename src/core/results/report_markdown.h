#pragma once
// The broken links as Markdown, grouped by page, for a comment on a pull request.

#include <string>
#include <string_view>

#include "core/results/baseline.h"
#include "core/results/run_results.h"

namespace qvn {

/// text safe to show as ordinary Markdown text: characters that could start
/// emphasis, code, links, HTML, mentions or references get a backslash, and
/// control characters (a line break would end the list item) become U+FFFD.
std::string EscapeMarkdown(std::string_view text);

/// text as a Markdown code span, fenced with more backticks than it holds.
std::string MarkdownCode(std::string_view text);

/// A heading with the count, then for each page (in walk order) a heading
/// and a list of "line N: `link` → target (note)". With a baseline
/// comparison the heading counts new and fixed links, new ones are marked,
/// and a last section lists the fixed ones. UTF-8, LF line ends.
std::string FormatResultsMarkdown(const CheckResult& result,
                                  const BaselineComparison* baseline = nullptr);

}  // namespace qvn
