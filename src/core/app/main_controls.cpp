#include "core/app/main_controls.h"

namespace qvn::app {
namespace {

struct ControlInfo {
  const char* name;
  bool input;
};

// In the order of Control.
constexpr ControlInfo kControls[kControlCount] = {
    {"cmdTopFolder", true},
    {"txbTopFolder", true},
    {"cmdSelectSubfolders", true},
    {"lblNumExcludedTopSubfolders", false},
    {"txbExcludedSubfolders", true},
    {"chkTopFolderOnly", true},
    {"chkShowRepeatedLinks", true},
    {"chkIncludePHPfiles", true},
    {"cmdListFiles", true},
    {"cmdOrphans", true},
    {"cmdCheckLinks", true},
    {"cmdResults", true},
    {"cmdStop", true},
    {"lblExcludeFilepathsContaining", false},
    {"txbExcludedFilepaths", true},
    {"Label1", false},
    {"txbExcludedLinks", true},
    {"cmdMoreChecks", true},
    {"lblScanningFile", false},
    {"lblFileBeingScanned", false},
    {"lblTotalNumFilesOrBrokenLinks", false},
    {"cmdClear", true},
    {"cboClear", true},
    {"cmdSettings", true},
    {"cboSettings", true},
    {"lblOrrinford", false},
    {"lblUserManual", false},
    {"lblUserManualURL", false},
    {"cmdHelp", true},
    {"cmdQuit", true},
};

}  // namespace

const char* ObjectName(Control control) { return kControls[static_cast<int>(control)].name; }

bool TakesInput(Control control) { return kControls[static_cast<int>(control)].input; }

}  // namespace qvn::app
