#pragma once
// How a check treats the link of one line, told step by step: how the link
// was found, cut, decoded, resolved and tested, and what decided the outcome.

#include <string>
#include <string_view>
#include <vector>

namespace qvn {

/// What became of a line's link.
enum class LinkOutcome {
  kNoLink,    ///< the line holds no link a check would take
  kSkipped,   ///< another scheme, empty, root-relative or an excluded word
  kAboveTop,  ///< its leading "../" steps climb above the top folder
  kOk,        ///< the target is an existing file
  kBroken,    ///< the target is missing (a check reports it)
};

/// The steps, in order, and their outcome.
struct LineTrace {
  std::vector<std::string> steps;  ///< one sentence per step
  LinkOutcome outcome = LinkOutcome::kNoLink;
  std::string target;  ///< the path tested, as a check forms it (kOk, kBroken)
};

/// Follows a check through one line of a page, given as read (its raw
/// bytes). chain runs from the top folder down to the page's folder, as the
/// walk gives it; excluded_links are the link-exclusion words as typed. The
/// outcome is decided by the very routines a check uses.
LineTrace ExplainLine(std::string_view line, const std::vector<std::string>& chain,
                      const std::vector<std::string>& excluded_links);

/// "no link", "skipped", "ignored: climbs above the top folder", "ok", "broken".
std::string_view OutcomeText(LinkOutcome outcome);

/// text in single quotes, for step sentences.
std::string Quoted(std::string_view text);

}  // namespace qvn
