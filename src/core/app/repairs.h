#pragma once
// Repairs as both front ends run them: proposals for a check's result, the
// formats' view of them, and what a check after writing them shows.

#include <string>
#include <vector>

#include "core/app/choices.h"
#include "core/repair/repair_plan.h"
#include "core/results/run_results.h"
#include "core/site/status.h"

namespace qvn::app {

/// Proposes repairs for the broken links result holds, a check run with
/// choices found. With options.moved the selected site's files are listed
/// first (status may stop that; the plan then has no moved candidates).
RepairPlan ProposeRepairs(const Choices& choices, const RepairOptions& options,
                          const CheckResult& result, Status& status);

/// Fills result.repairs from plan, one per broken link, for the formats.
void AttachRepairs(const RepairPlan& plan, CheckResult& result);

/// What a check after the repair says of the pages written.
struct RepairCheck {
  long long resolved = 0;   ///< repaired links no longer broken
  long long remaining = 0;  ///< broken links still in the pages written
};

/// Compares the plan's repairs of the pages written with after, a check run
/// after writing them.
RepairCheck CheckRepaired(const RepairPlan& plan, const CheckResult& before,
                          const std::vector<std::string>& written, const CheckResult& after);

}  // namespace qvn::app
