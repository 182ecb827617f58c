#include "core/app/control_states.h"

namespace qvn::app {
namespace {

ControlState DuringRun(Control control, Activity activity) {
  switch (control) {
    case Control::kStopButton:
    case Control::kQuitButton:
      return {true, true};
    case Control::kScanningLabel:
      return {true, activity != Activity::kListing};
    default:
      return {!TakesInput(control), true};
  }
}

ControlState AtRest(Control control, const WindowFacts& facts) {
  switch (control) {
    case Control::kStopButton:
    case Control::kScanningLabel:
      return {true, false};
    case Control::kSelectSubfoldersButton:
      return {facts.top_has_subfolders, true};
    case Control::kExcludedSubfoldersBox:
      return {facts.top_has_subfolders || !facts.top_folder_chosen, true};
    case Control::kExcludedCountLabel:
      return {true, facts.top_folder_chosen};
    case Control::kResultsButton:
      return {facts.has_broken_links, true};
    default:
      return {true, true};
  }
}

}  // namespace

ControlState StateOf(Control control, const WindowFacts& facts) {
  if (facts.activity == Activity::kIdle) return AtRest(control, facts);
  return DuringRun(control, facts.activity);
}

}  // namespace qvn::app
