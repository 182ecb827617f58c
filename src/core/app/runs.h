#pragma once
// The three runs as the front ends start them: from the user's choices
// (validated with ValidateChoices), reporting progress to status and
// stopping when it asks. Results come back as data.

#include "core/app/choices.h"
#include "core/results/run_results.h"
#include "core/site/status.h"

namespace qvn::app {

/// Checks every selected page for broken links.
CheckResult RunCheck(const Choices& choices, Status& status);

/// Lists the pages a check would read.
ListResult RunList(const Choices& choices, Status& status);

/// Finds the files no page links to, with the top folder's index pages as roots.
OrphanResult RunOrphans(const Choices& choices, Status& status);

}  // namespace qvn::app
