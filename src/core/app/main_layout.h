#pragma once
// The main window as designed: each control's kind, caption, place (twips,
// inside the window's inner area), font and tooltip, the window's inner size
// and the tab order. Both desktop front ends build the window from this.

#include <array>
#include <vector>

#include "core/app/main_controls.h"
#include "core/app/view_types.h"

namespace qvn::app {

enum class ControlKind {
  kButton,
  kLine,          ///< one-line text box the user types in
  kReadOnlyLine,  ///< one-line text box, selectable, no tab stop
  kTextBox,       ///< read-only box of lines, both scroll bars, no wrapping
  kCheckBox,
  kComboBox,      ///< a drop-down list
  kLabel,
  kWrapLabel,     ///< a label whose words wrap over its lines
  kLink,          ///< a web link: underlined, dark blue, a tab stop
};

enum class Face { kTahoma, kArial };

struct ControlDesign {
  Control control;
  ControlKind kind;
  const char* caption;
  TwipsRect rect;
  Face face;
  const char* tooltip;  ///< "" for none
};

/// Every control of the main window, in the order of Control.
const std::array<ControlDesign, kControlCount>& MainLayout();
/// The design of one control.
inline const ControlDesign& DesignOf(Control control) {
  return MainLayout()[static_cast<int>(control)];
}

/// The main window's caption, object name and inner size (twips).
inline constexpr const char* kMainCaption = "Quorvane";
inline constexpr const char* kMainObjectName = "frmMain";
inline constexpr int kMainInnerWidth = 9780;
/// The settings button's bottom plus a margin.
inline constexpr int kMainInnerHeight = 5760 + 360 + 240;
/// Point size of every control's font.
inline constexpr double kMainFontPoints = 9.75;

/// The controls in tab order, top to bottom; the web links are stops too.
const std::vector<Control>& MainTabOrder();

}  // namespace qvn::app
