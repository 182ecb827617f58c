// Where the main window and the windows it opens stand.

#include "core/app/window_places.h"

#include <gtest/gtest.h>

namespace qvn::app {
namespace {

// A main window at (2000, 1000), 9900 by 6800 outside, 9780 by 6360 inside.
const MainPlace kMain{{2000, 1000, 9900, 6800}, 9780, 6360, 11000};

TEST(WindowPlaces, TheMainWindowBeforeAViewerOpens) {
  const TwipsRect home{100, (11000 - 6360) / 2, 9900, 6800};
  EXPECT_EQ(MainFrameAtStart(kMain), home);
  EXPECT_EQ(MainFrameForViewing(Viewing::kReportBySource, kMain), home);
  EXPECT_EQ(MainFrameForViewing(Viewing::kFileList, kMain), home);
  EXPECT_EQ(MainFrameForViewing(Viewing::kHelp, kMain), (TwipsRect{100, 1000, 9900, 6800}));
  EXPECT_EQ(MainFrameForViewing(Viewing::kReportByTarget, kMain), kMain.frame);
}

// Before it is shown the window's frame is no larger than its inner area;
// the place at start-up is the place it comes back to later.
TEST(WindowPlaces, TheStartPlaceDoesNotDependOnTheFrameBeingKnown) {
  MainPlace unshown = kMain;
  unshown.frame.width = kMain.inner_width;
  unshown.frame.height = kMain.inner_height;
  EXPECT_EQ(MainFrameAtStart(unshown).top,
            MainFrameForViewing(Viewing::kReportBySource, kMain).top);
  EXPECT_EQ(MainFrameAtStart(unshown).left, MainFrameForViewing(Viewing::kFileList, kMain).left);
}

TEST(WindowPlaces, ViewersAndWindowsAroundTheMainWindow) {
  const int right = 2000 + 9900;
  const struct {
    TwipsRect place, expected;
  } cases[] = {
      {ViewerPlace(Viewing::kReportBySource, kMain), {2000, 1350, 9780, 6360}},
      {ViewerPlace(Viewing::kReportByTarget, kMain), {right, 1350, 9780, 6360}},
      {ViewerPlace(Viewing::kFileList, kMain), {right, 1000, 9780, 6360}},
      {ViewerPlace(Viewing::kHelp, kMain), {right, 1000, 9780, 6360}},
      {ResultsWindowPlace(kMain), {2350, 1700, 0, 0}},
      {OrphansWindowPlace(kMain), {right, 1000, 0, 0}},
      // From just above the button to near the main window's right and bottom.
      {SubfolderWindowPlace(kMain, {120, 600, 2300, 360}),
       {2170, 1450, right - 2170 - 150, 1000 + 6800 - 1450 - 200}},
      {NoticePlace(kMain, {1500, 5280, 2470, 360}), {3650, 7130, 2000, 380}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.place, c.expected);
}

}  // namespace
}  // namespace qvn::app
