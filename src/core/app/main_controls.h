#pragma once
// The main window's controls as its presenter names them. Each has the
// object name a front end gives its widget or control ("cmdCheckLinks"), so
// tests, screenshots and a second front end find the same control.

namespace qvn::app {

enum class Control {
  kTopFolderButton,
  kTopFolderBox,
  kSelectSubfoldersButton,
  kExcludedCountLabel,
  kExcludedSubfoldersBox,
  kTopFolderOnlyBox,
  kShowRepeatedBox,
  kIncludePhpBox,
  kListFilesButton,
  kOrphansButton,
  kCheckLinksButton,
  kResultsButton,
  kStopButton,
  kExcludedFilepathsLabel,
  kExcludedFilepathsBox,
  kExcludedLinksLabel,
  kExcludedLinksBox,
  kMoreChecksButton,
  kScanningLabel,
  kProgressLabel,  ///< the page being read
  kStatusLabel,    ///< counts during a run, the outcome after it
  kClearButton,
  kClearChoice,
  kSettingsButton,
  kSettingsChoice,
  kVendorLink,
  kManualLabel,
  kManualLink,
  kHelpButton,
  kQuitButton,
};

/// Number of controls; Control values run from 0 below it.
inline constexpr int kControlCount = static_cast<int>(Control::kQuitButton) + 1;

/// The control's object name, as the first version of the window named it.
const char* ObjectName(Control control);

/// True for the controls a user acts on (buttons, boxes, ticks, lists),
/// which a run locks; false for labels.
bool TakesInput(Control control);

}  // namespace qvn::app
