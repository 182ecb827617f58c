#include "win/main_window.h"

#include <utility>

#include "core/app/main_layout.h"
#include "win/popup_window.h"
#include "win/view_window.h"

namespace qvn::win {
namespace {


constexpr UINT kTasksWaiting = WM_APP + 1;
// app::Control identifiers: the Control's number from here on.
constexpr int kFirstId = 100;

int IdOf(app::Control control) { return kFirstId + static_cast<int>(control); }

ControlKind KindOf(app::ControlKind kind) {
  switch (kind) {
    case app::ControlKind::kButton:
      return ControlKind::kButton;
    case app::ControlKind::kLine:
      return ControlKind::kEdit;
    case app::ControlKind::kReadOnlyLine:
      return ControlKind::kReadOnlyEdit;
    case app::ControlKind::kTextBox:
      return ControlKind::kMultiLineEdit;
    case app::ControlKind::kCheckBox:
      return ControlKind::kCheckBox;
    case app::ControlKind::kComboBox:
      return ControlKind::kComboBox;
    case app::ControlKind::kWrapLabel:
      return ControlKind::kWrapLabel;
    case app::ControlKind::kLink:
      return ControlKind::kLink;
    case app::ControlKind::kLabel:
      break;
  }
  return ControlKind::kLabel;
}

ControlPlan PlanFor(const app::ControlDesign& design) {
  ControlPlan plan;
  plan.kind = KindOf(design.kind);
  plan.name = app::ObjectName(design.control);
  plan.caption = design.caption;
  plan.rect = design.rect;
  plan.font = design.face == app::Face::kArial ? ArialFont(app::kMainFontPoints)
                                               : TahomaFont(app::kMainFontPoints);
  plan.font.underline = design.kind == app::ControlKind::kLink;
  plan.id = IdOf(design.control);
  plan.tooltip = design.tooltip;
  if (design.kind == app::ControlKind::kTextBox)
    plan.style = ES_READONLY | ES_AUTOHSCROLL | WS_HSCROLL;  // no wrapping
  if (design.kind == app::ControlKind::kLink) plan.text = kDarkBlue;
  return plan;
}

}  // namespace

MainWindow::MainWindow(const std::string& data_folder) : presenter_(*this, data_folder) {
  Create(L"QvnMainWindow", app::kMainCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
         WS_EX_CONTROLPARENT, nullptr, {0, 0, app::kMainInnerWidth, app::kMainInnerHeight},
         kWindowBack);
  tasks_ = std::make_unique<WindowTasks>(Handle(), kTasksWaiting);
  CreateControls();
  viewer_ = std::make_unique<ViewWindow>("frmView");
  viewer2_ = std::make_unique<ViewWindow>("frmView2");
  notice_ = std::make_unique<PopupWindow>(Handle());
  CreateResultWindows();
}

// A run under way is told to stop, and waited for, before anything goes.
MainWindow::~MainWindow() {
  presenter_.StopRun();
  tasks_->WaitForAll();
}

bool MainWindow::Start(const std::string& catalogue_file) { return presenter_.Start(catalogue_file); }

void MainWindow::CreateControls() {
  // Created in tab order: the order of the window's children is its tab
  // order. No label reaches a box (see the design), so none is raised.
  std::array<bool, app::kControlCount> made{};
  for (const app::Control control : app::MainTabOrder()) {
    controls_[static_cast<int>(control)] = AddControl(PlanFor(app::DesignOf(control)));
    made[static_cast<int>(control)] = true;
  }
  for (const app::ControlDesign& design : app::MainLayout())
    if (!made[static_cast<int>(design.control)])
      controls_[static_cast<int>(design.control)] = AddControl(PlanFor(design));
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kTasksWaiting:
      tasks_->RunPosted();
      return 0;
    case WM_COMMAND:
      Command(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_CLOSE:
      presenter_.Quit();
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

void MainWindow::Command(int id, int code, HWND control_window) {
  if (control_window == nullptr || id < kFirstId || id >= kFirstId + app::kControlCount) return;
  const auto control = static_cast<app::Control>(id - kFirstId);
  switch (app::DesignOf(control).kind) {
    case app::ControlKind::kButton:
    case app::ControlKind::kLink:
      if (code == BN_CLICKED) Clicked(control);
      break;
    case app::ControlKind::kCheckBox:
      if (code == BN_CLICKED)
        presenter_.OptionClicked(control, SendMessageW(control_window, BM_GETCHECK, 0, 0) ==
                                              BST_CHECKED);
      break;
    case app::ControlKind::kLine:
      // Typed by the user: the presenter sets texts through SetText, which
      // is silent (see there).
      if (code == EN_CHANGE && !setting_text_)
        presenter_.BoxEdited(control, TextOf(control_window));
      if (code == EN_KILLFOCUS) presenter_.BoxLeft(control);
      break;
    case app::ControlKind::kComboBox:
      ComboPicked(control, code);
      break;
    default:
      break;
  }
}

void MainWindow::Clicked(app::Control control) {
  switch (control) {
    case app::Control::kTopFolderButton: return presenter_.ChooseTopFolder();
    case app::Control::kSelectSubfoldersButton: return presenter_.SelectSubfolders();
    case app::Control::kListFilesButton: return presenter_.ListFiles();
    case app::Control::kCheckLinksButton: return presenter_.CheckLinks();
    case app::Control::kOrphansButton: return presenter_.SearchOrphans();
    case app::Control::kResultsButton: return presenter_.ShowResults();
    case app::Control::kStopButton: return presenter_.Stop();
    case app::Control::kMoreChecksButton: return presenter_.ChooseMoreChecks();
    case app::Control::kClearButton: return presenter_.ClearSelected();
    case app::Control::kSettingsButton: return presenter_.SaveOrLoadSettings();
    case app::Control::kHelpButton: return presenter_.ShowHelp();
    case app::Control::kQuitButton: return presenter_.Quit();
    case app::Control::kVendorLink: return presenter_.OpenVendorPage();
    case app::Control::kManualLink: return presenter_.OpenManualPage();
    default: return;
  }
}

// Keys on a closed list move its selection without picking; an item is
// picked when the dropped list closes on it (CBN_SELENDOK, then CBN_CLOSEUP,
// in that order whatever the order of CBN_SELCHANGE).
void MainWindow::ComboPicked(app::Control control, int code) {
  HWND list = ControlOf(control);
  if (code == CBN_SELCHANGE) {
    presenter_.ListIndexChanged(control, static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
  } else if (code == CBN_DROPDOWN) {
    list_dropped_ = true;
    list_picked_ = false;
  } else if (code == CBN_SELENDOK) {
    list_picked_ = list_dropped_;
  } else if (code == CBN_CLOSEUP) {
    list_dropped_ = false;
    if (!std::exchange(list_picked_, false)) return;
    presenter_.ListIndexChanged(control, static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
    if (control == app::Control::kClearChoice) presenter_.ClearChosen();
    if (control == app::Control::kSettingsChoice) presenter_.SettingsChosen();
  }
}

}  // namespace qvn::win
