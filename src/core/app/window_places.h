#pragma once
// Where the main window and the windows it opens stand, in twips: the
// viewers beside or over it, the subfolder window over its lower part, the
// results and orphans windows, the notice below the Clear list.

#include "core/app/view_types.h"

namespace qvn::app {

/// The main window as it stands: its outer frame, its inner size, and the
/// height of the primary screen's usable area.
struct MainPlace {
  TwipsRect frame;
  int inner_width = 0;
  int inner_height = 0;
  int screen_height = 0;
};

/// What a viewer shows.
enum class Viewing { kReportBySource, kReportByTarget, kFileList, kHelp };

/// The main window's frame at start-up: 100 twips from the screen's left,
/// its inner area centred from top to bottom (so that the place is the same
/// whether or not the frame's size is known yet).
TwipsRect MainFrameAtStart(const MainPlace& main);

/// The main window's frame before a viewer opens: the report by page and
/// the file list bring it back to where it starts; the help only to the
/// left edge, at its height; the report by target leaves it where it is.
TwipsRect MainFrameForViewing(Viewing viewing, const MainPlace& main);

/// The viewer's outer left and top, and its inner size (that of the main
/// window): the report by page over the main window a little lower, the
/// report by target beside it at the same height, the file list and the
/// help beside it at its top. main is where the main window stands then.
TwipsRect ViewerPlace(Viewing viewing, const MainPlace& main);

/// The results window's outer left and top when it opens (its size is its
/// own, width and height 0): over the main window, lower and to the right.
TwipsRect ResultsWindowPlace(const MainPlace& main);

/// The orphans window's outer left and top when it opens: beside the main window.
TwipsRect OrphansWindowPlace(const MainPlace& main);

/// The subfolder window's outer frame: from just above the button that
/// opens it (button: its place inside the main window) to near the main
/// window's right and bottom edges.
TwipsRect SubfolderWindowPlace(const MainPlace& main, const TwipsRect& button);

/// The "settings saved" notice's outer frame: below the Clear list (list:
/// its place inside the main window), 2000 by 380 twips.
TwipsRect NoticePlace(const MainPlace& main, const TwipsRect& list);

}  // namespace qvn::app
