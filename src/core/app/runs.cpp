#include "core/app/runs.h"

#include "core/check/orphans.h"
#include "core/check/run.h"

namespace qvn::app {

CheckResult RunCheck(const Choices& choices, Status& status) {
  return qvn::RunCheck(SelectionOf(choices, RunKind::kCheck), status);
}

ListResult RunList(const Choices& choices, Status& status) {
  return qvn::RunList(SelectionOf(choices, RunKind::kList), status);
}

OrphanResult RunOrphans(const Choices& choices, Status& status) {
  return qvn::RunOrphans(SelectionOf(choices, RunKind::kOrphans), status);
}

}  // namespace qvn::app
