// Which of the main window's controls can be used, and are shown, when.

#include "core/app/control_states.h"

#include <gtest/gtest.h>

namespace qvn::app {
namespace {

TEST(ControlStates, ARunLocksEveryInputButStopAndQuit) {
  for (Activity activity :
       {Activity::kChecking, Activity::kListing, Activity::kSearchingOrphans}) {
    const WindowFacts facts{activity, true, true, true};
    for (int i = 0; i < kControlCount; ++i) {
      const auto control = static_cast<Control>(i);
      const bool usable = control == Control::kStopButton || control == Control::kQuitButton;
      SCOPED_TRACE(ObjectName(control));
      EXPECT_EQ(StateOf(control, facts).enabled, usable || !TakesInput(control));
    }
    EXPECT_TRUE(StateOf(Control::kStopButton, facts).visible);
    EXPECT_EQ(StateOf(Control::kScanningLabel, facts).visible, activity != Activity::kListing);
  }
}

TEST(ControlStates, AtRest) {
  const struct {
    Control control;
    WindowFacts facts;
    ControlState state;
  } cases[] = {
      {Control::kStopButton, {}, {true, false}},
      {Control::kScanningLabel, {}, {true, false}},
      {Control::kCheckLinksButton, {}, {true, true}},
      {Control::kSelectSubfoldersButton, {Activity::kIdle, true, false, false}, {false, true}},
      {Control::kSelectSubfoldersButton, {Activity::kIdle, true, true, false}, {true, true}},
      {Control::kExcludedSubfoldersBox, {Activity::kIdle, false, false, false}, {true, true}},
      {Control::kExcludedSubfoldersBox, {Activity::kIdle, true, false, false}, {false, true}},
      {Control::kExcludedCountLabel, {Activity::kIdle, false, false, false}, {true, false}},
      {Control::kExcludedCountLabel, {Activity::kIdle, true, false, false}, {true, true}},
      {Control::kResultsButton, {Activity::kIdle, true, true, false}, {false, true}},
      {Control::kResultsButton, {Activity::kIdle, true, true, true}, {true, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ObjectName(c.control));
    EXPECT_EQ(StateOf(c.control, c.facts), c.state);
  }
}

TEST(ControlStates, ObjectNamesAreThoseOfTheFirstWindow) {
  EXPECT_STREQ(ObjectName(Control::kCheckLinksButton), "cmdCheckLinks");
  EXPECT_STREQ(ObjectName(Control::kExcludedLinksLabel), "Label1");
  EXPECT_STREQ(ObjectName(Control::kQuitButton), "cmdQuit");
}

}  // namespace
}  // namespace qvn::app
