#pragma once
// What the two broken-link reports share: their header, their closing line
// on repeated links, and the count behind it.

#include <string>
#include <string_view>

#include "core/results/broken_links.h"

namespace qvn {

/// What a report needs besides the table.
struct ReportContext {
  std::string top_folder;      ///< as the user gave it; paths are shown without it
  bool stopped = false;        ///< the run was stopped by the user
  bool show_repeated = false;  ///< list a link again each time a page repeats it
};

/// Number of entries whose page and target both equal an earlier entry's.
long long CountRepeatedLinks(const BrokenLinkTable& table);

/// Appends the header lines: the stopped notice, the top folder, the count.
void WriteReportHeader(std::string& out, const ReportContext& context, std::size_t count);

/// target followed by two spaces and link's ReportNote in brackets (see
/// HasReportNote).
inline std::string WithNote(std::string_view target, const BrokenLink& link) {
  std::string out(target);
  out += "  [";
  out += ReportNote(link);
  out += ']';
  return out;
}

/// Appends the closing line on repeated links (nothing when there are none).
void WriteRepeatedLinksLine(std::string& out, long long repeated);

}  // namespace qvn
