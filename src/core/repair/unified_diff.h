#pragma once
// A page's change shown as a unified diff, for the user to read before
// anything is written.

#include <string>
#include <string_view>

namespace qvn {

/// The change from old_page to new_page (a repair changes bytes inside
/// lines, never the lines themselves) as a unified diff headed by label,
/// three lines of context around each change. Lines are shown as UTF-8 (a
/// line that is no UTF-8 read as Windows-1252), each ended by LF.
std::string UnifiedDiff(std::string_view label, std::string_view old_page,
                        std::string_view new_page);

}  // namespace qvn
