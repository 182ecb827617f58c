#include "core/app/window_places.h"

namespace qvn::app {
namespace {

constexpr int kLeftEdge = 100;      // the main window's distance from the screen's left
constexpr int kReportDrop = 350;    // viewers of reports stand this much lower
constexpr int kResultsRight = 350;  // the results window's offset over the main window
constexpr int kResultsDrop = 700;

TwipsRect Moved(const TwipsRect& frame, int left, int top) {
  return {left, top, frame.width, frame.height};
}

int RightOf(const TwipsRect& frame) { return frame.left + frame.width; }

}  // namespace

// Centred by the inner height: the frame's height is known only once the
// window is shown, and the place must be the same before and after.
TwipsRect MainFrameAtStart(const MainPlace& main) {
  return Moved(main.frame, kLeftEdge, (main.screen_height - main.inner_height) / 2);
}

TwipsRect MainFrameForViewing(Viewing viewing, const MainPlace& main) {
  switch (viewing) {
    case Viewing::kReportBySource:
    case Viewing::kFileList:
      return MainFrameAtStart(main);
    case Viewing::kHelp:
      return Moved(main.frame, kLeftEdge, main.frame.top);
    case Viewing::kReportByTarget:
      break;
  }
  return main.frame;
}

TwipsRect ViewerPlace(Viewing viewing, const MainPlace& main) {
  const TwipsRect& frame = main.frame;
  TwipsRect place{RightOf(frame), frame.top, main.inner_width, main.inner_height};
  if (viewing == Viewing::kReportBySource) place.left = frame.left;
  if (viewing == Viewing::kReportBySource || viewing == Viewing::kReportByTarget)
    place.top += kReportDrop;
  return place;
}

TwipsRect ResultsWindowPlace(const MainPlace& main) {
  return {main.frame.left + kResultsRight, main.frame.top + kResultsDrop, 0, 0};
}

TwipsRect OrphansWindowPlace(const MainPlace& main) {
  return {RightOf(main.frame), main.frame.top, 0, 0};
}

TwipsRect SubfolderWindowPlace(const MainPlace& main, const TwipsRect& button) {
  const TwipsRect& frame = main.frame;
  const int left = button.left + frame.left + 50;
  const int top = button.top + frame.top - 150;
  return {left, top, RightOf(frame) - left - 150, frame.top + frame.height - top - 200};
}

TwipsRect NoticePlace(const MainPlace& main, const TwipsRect& list) {
  return {main.frame.left + list.left + 150, main.frame.top + list.top + 850, 2000, 380};
}

}  // namespace qvn::app
