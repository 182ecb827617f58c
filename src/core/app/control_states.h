#pragma once
// Which of the main window's controls can be used, and which are shown, in
// each state of the window.

#include "core/app/main_controls.h"

namespace qvn::app {

/// What the main window is doing.
enum class Activity { kIdle, kChecking, kListing, kSearchingOrphans };

/// What the states depend on.
struct WindowFacts {
  Activity activity = Activity::kIdle;
  bool top_folder_chosen = false;   ///< the top folder box is not empty
  bool top_has_subfolders = false;  ///< the top folder has a subfolder to exclude
  bool has_broken_links = false;    ///< the last check found broken links
};

struct ControlState {
  bool enabled = true;
  bool visible = true;
  bool operator==(const ControlState&) const = default;
};

/// A run locks every input but Stop and Quit, shows Stop, and shows
/// "Scanning file" unless it lists files. At rest Stop and "Scanning file"
/// are hidden; subfolders can be excluded only from a top folder that has
/// some (their box stays usable while no top folder is chosen), and their
/// count shows once a top folder is chosen; the results table needs a
/// check that found broken links.
ControlState StateOf(Control control, const WindowFacts& facts);

}  // namespace qvn::app
