// The main window's shared design: both front ends index it by Control and
// walk its tab order, so a row out of place would give a control another's
// caption and place.
#include "core/app/main_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace qvn::app {
namespace {

TEST(MainLayoutTest, RowsFollowTheControlsAndLieInsideTheWindow) {
  for (int i = 0; i < kControlCount; ++i) {
    const ControlDesign& design = MainLayout()[static_cast<std::size_t>(i)];
    EXPECT_EQ(static_cast<int>(design.control), i) << ObjectName(design.control);
    EXPECT_LE(design.rect.left + design.rect.width, kMainInnerWidth) << ObjectName(design.control);
    EXPECT_LE(design.rect.top + design.rect.height, kMainInnerHeight) << ObjectName(design.control);
  }
}

// Tab reaches each control a user acts on once, and the links, but not the
// top folder's box, which is only selectable, nor labels.
TEST(MainLayoutTest, TabOrderReachesEachInputOnce) {
  std::set<Control> seen;
  for (const Control control : MainTabOrder())
    EXPECT_TRUE(seen.insert(control).second) << ObjectName(control);
  for (int i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const ControlKind kind = DesignOf(control).kind;
    const bool stop =
        (TakesInput(control) && kind != ControlKind::kReadOnlyLine) || kind == ControlKind::kLink;
    EXPECT_EQ(seen.contains(control), stop) << ObjectName(control);
  }
}

}  // namespace
}  // namespace qvn::app
