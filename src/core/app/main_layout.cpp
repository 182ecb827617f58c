#include "core/app/main_layout.h"

namespace qvn::app {
namespace {

using enum Control;
using K = ControlKind;
constexpr Face kT = Face::kTahoma;
constexpr Face kA = Face::kArial;

// Two lines from the button's top to the box below, for the longest
// excluded-count texts ("The top folder has no subfolders."). Each exclusion
// label ends where its box starts: a box drawn over its label, or a label
// over its box, would hide characters of the list. "Orphan files" and
// "Results table" use the free space right of "List files" and "Check
// links"; "More checks..." the free band below "Exclude links containing",
// left of the status line, which is two lines high so an orphan search's
// outcome fits whole.
constexpr std::array<ControlDesign, kControlCount> kLayout = {{
    {kTopFolderButton, K::kButton, "Top folder", {120, 150, 1180, 360}, kT, ""},
    {kTopFolderBox, K::kReadOnlyLine, "", {1400, 150, 8175, 360}, kA,
     "Click on 'Top folder' to specify a folder."},
    {kSelectSubfoldersButton, K::kButton, "Exclude top subfolders", {120, 600, 2300, 360}, kT, ""},
    {kExcludedCountLabel, K::kWrapLabel, "Seventeen excluded.", {2505, 570, 2655, 470}, kT, ""},
    {kExcludedSubfoldersBox, K::kTextBox, "", {120, 1050, 5000, 2130}, kA,
     "These subfolders are excluded from the scan."},
    {kTopFolderOnlyBox, K::kCheckBox, "Check links in files in top folder only",
     {5280, 720, 4335, 375}, kA, ""},
    {kShowRepeatedBox, K::kCheckBox, "Show repeated broken links in a file",
     {5280, 1080, 4335, 375}, kA, ""},
    {kIncludePhpBox, K::kCheckBox, "Check links in PHP files as well as HTML files",
     {5280, 1440, 4335, 375}, kA, ""},
    {kListFilesButton, K::kButton, "List files", {6360, 1920, 1755, 360}, kT, ""},
    {kOrphansButton, K::kButton, "Orphan files", {8235, 1920, 1380, 360}, kT,
     "List the files that no page links to."},
    {kCheckLinksButton, K::kButton, "Check links", {6360, 2400, 1725, 360}, kT, ""},
    {kResultsButton, K::kButton, "Results table", {8235, 2400, 1380, 360}, kT,
     "Show the broken links of the last check as a table."},
    {kStopButton, K::kButton, "Stop", {6360, 2880, 1725, 360}, kT, ""},
    {kExcludedFilepathsLabel, K::kLabel, "Exclude filepaths containing:",
     {120, 3345, 2650 - 120 - 30, 360}, kT, ""},
    {kExcludedFilepathsBox, K::kLine, "", {2650, 3300, 6930, 360}, kA, ""},
    {kExcludedLinksLabel, K::kLabel, "Exclude links containing:", {120, 3845, 2295 - 120 - 30, 360},
     kT, ""},
    {kExcludedLinksBox, K::kLine, "", {2295, 3800, 7290, 360}, kA, ""},
    {kMoreChecksButton, K::kButton, "More checks...", {120, 4800, 2300, 360}, kT,
     "Choose checks beyond the first link of each line: every link, root links, folder links, "
     "anchors, letter case."},
    {kScanningLabel, K::kLabel, "Scanning file", {120, 4320, 1260, 360}, kT, ""},
    {kProgressLabel, K::kLabel, "", {1300, 4320, 8270, 360}, kA, ""},
    {kStatusLabel, K::kWrapLabel, "Number of broken from/to links found: 99999",
     {2520, 4700, 7055, 560}, kT, ""},
    {kClearButton, K::kButton, "Clear -->", {120, 5280, 1280, 360}, kT, ""},
    {kClearChoice, K::kComboBox, "", {1500, 5280, 2470, 360}, kA, ""},
    {kSettingsButton, K::kButton, "Settings -->", {120, 5760, 1280, 360}, kT, ""},
    {kSettingsChoice, K::kComboBox, "", {1500, 5760, 2470, 360}, kA, ""},
    {kVendorLink, K::kLink, "Orrinford", {5900, 5280, 2010, 360}, kT,
     "Click here to visit the Orrinford web site."},
    {kManualLabel, K::kLabel, "User manual:", {4560, 5760, 1260, 360}, kT, ""},
    {kManualLink, K::kLink, "", {5900, 5760, 2535, 360}, kT,
     "Click here for the online user manual."},
    {kHelpButton, K::kButton, "Help", {8625, 5280, 1000, 360}, kT, ""},
    {kQuitButton, K::kButton, "Quit", {8625, 5760, 1000, 360}, kT, ""},
}};

}  // namespace

const std::array<ControlDesign, kControlCount>& MainLayout() { return kLayout; }

const std::vector<Control>& MainTabOrder() {
  static const std::vector<Control> order = {
      kTopFolderButton,  kSelectSubfoldersButton, kExcludedSubfoldersBox, kTopFolderOnlyBox,
      kShowRepeatedBox,  kIncludePhpBox,          kListFilesButton,       kOrphansButton,
      kCheckLinksButton, kStopButton,             kResultsButton,         kExcludedFilepathsBox,
      kExcludedLinksBox, kMoreChecksButton,       kClearButton,           kClearChoice,
      kSettingsButton,   kSettingsChoice,         kVendorLink,            kManualLink,
      kHelpButton,       kQuitButton};
  return order;
}

}  // namespace qvn::app
