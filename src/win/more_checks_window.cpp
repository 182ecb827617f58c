#include "win/more_checks_window.h"

#include <commctrl.h>

#include "core/app/more_checks_rules.h"
#include "core/platform/platform.h"
#include "core/text/text.h"
#include "win/file_dialogs.h"
#include "win/win_plan.h"

namespace qvn::win {
namespace {

// Twips of the inner area. The text boxes stand under the caption of their
// check box.
constexpr int kWidth = 7800;
constexpr int kMargin = 180;
constexpr int kIndent = 540;
constexpr int kBoxHeight = 300;
constexpr int kTextHeight = 315;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;
constexpr int kHeight = 3360 + kButtonHeight + kMargin;

enum Id { kAllLinks = 101, kSiteRoot, kSiteRootFolder, kBrowse, kIndexPages, kIndexFiles,
          kFragments, kLetterCase, kExternal };

constexpr const char kTitle[] = "More checks";

struct Box {
  Id id;
  const char* name;
  const char* caption;
  int top;
};

constexpr Box kBoxes[] = {
    {kAllLinks, "chkAllLinks",
     "Check every link in each page (HTML tags, any quoting, srcset, CSS url())", 180},
    {kSiteRoot, "chkSiteRoot", "Follow links from the site root (/...)", 540},
    {kIndexPages, "chkIndexPages", "Accept links to folders that hold an index page", 1320},
    {kFragments, "chkCheckFragments", "Check that #anchors exist in the target page", 2100},
    {kLetterCase, "chkLetterCase", "Report letter-case mismatches and suggest near names", 2460},
    {kExternal, "chkExternal", "Check links to other sites (http, https) too", 2820},
};

bool Ticked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Tick(HWND box, bool ticked) {
  SendMessageW(box, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

std::optional<MoreChecks> ChooseMoreChecksWindow(HWND owner, const MoreChecks& current) {
  MoreChecksWindow window(owner, current);
  RunModal(window, owner);
  if (!window.accepted()) return std::nullopt;
  return window.Choice();
}

MoreChecksWindow::MoreChecksWindow(HWND owner, const MoreChecks& more) {
  Create(L"QvnMoreChecks", kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, owner,
         {0, 0, kWidth, kHeight}, kWindowBack);
  CreateControls();
  Show(more);
  browse_for_folder = [this](const std::string& start) {
    return PickFolder(Handle(), "Specify site root folder", start);
  };
  show_message = [this](const std::string& text, const std::string& title) {
    ShowMessageBox(Handle(), text, title, MB_OK | MB_ICONWARNING);
  };
}

void MoreChecksWindow::CreateControls() {
  const FontPlan font = TahomaFont();
  const int inner = kWidth - 2 * kMargin;
  for (const Box& box : kBoxes) {
    AddControl(Plan(ControlKind::kCheckBox, box.name, box.caption,
                    {kMargin, box.top, inner, kBoxHeight}, font, box.id));
    if (box.id == kSiteRoot) {
      const int browse_left = kWidth - kMargin - 1200;
      HWND folder = AddControl(Plan(ControlKind::kEdit, "txtSiteRoot", "",
                                    {kIndent, 900, browse_left - 120 - kIndent, kTextHeight},
                                    ArialFont(), kSiteRootFolder));
      SendMessageW(folder, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"the top folder"));
      SetTooltip(folder, "The folder that \"/\" stands for; empty for the top folder.");
      AddControl(Plan(ControlKind::kButton, "cmdSiteRoot", "Browse...",
                      {browse_left, 880, 1200, 360}, font, kBrowse));
    } else if (box.id == kIndexPages) {
      HWND files = AddControl(Plan(ControlKind::kEdit, "txtIndexFiles", "",
                                   {kIndent, 1680, kWidth - kMargin - kIndent, kTextHeight},
                                   ArialFont(), kIndexFiles));
      SetTooltip(files, "The names of index pages, separated by commas.");
    }
  }
  SetTooltip(Control(kExternal),
             "Asks each site's server once per address, a few at a time; answers are kept a day.");
  const int top = kHeight - kMargin - kButtonHeight;
  const int cancel_left = kWidth - kMargin - kButtonWidth;
  AddControl(Plan(ControlKind::kButton, "cmdOK", "OK",
                  {cancel_left - 120 - kButtonWidth, top, kButtonWidth, kButtonHeight}, font, IDOK,
                  BS_DEFPUSHBUTTON));
  AddControl(Plan(ControlKind::kButton, "cmdCancel", "Cancel",
                  {cancel_left, top, kButtonWidth, kButtonHeight}, font, IDCANCEL));
}

void MoreChecksWindow::Show(const MoreChecks& more) {
  shown_ = more;
  Tick(Control(kAllLinks), more.all_links);
  Tick(Control(kSiteRoot), more.site_root);
  SetTextOf(Control(kSiteRootFolder), more.site_root_folder);
  Tick(Control(kIndexPages), more.index_pages);
  SetTextOf(Control(kIndexFiles), more.index_files);
  Tick(Control(kFragments), more.check_fragments);
  Tick(Control(kLetterCase), more.letter_case);
  Tick(Control(kExternal), more.external);
  UpdateEnabled();
}

void MoreChecksWindow::UpdateEnabled() {
  const bool site_root = Ticked(Control(kSiteRoot));
  EnableWindow(Control(kSiteRootFolder), site_root);
  EnableWindow(Control(kBrowse), site_root);
  EnableWindow(Control(kIndexFiles), Ticked(Control(kIndexPages)));
}

MoreChecks MoreChecksWindow::Shown() const {
  // The external check's limits are not in the window: they keep what the run had.
  MoreChecks more = shown_;
  more.all_links = Ticked(Control(kAllLinks));
  more.site_root = Ticked(Control(kSiteRoot));
  more.site_root_folder = TextOf(Control(kSiteRootFolder));
  more.index_pages = Ticked(Control(kIndexPages));
  more.index_files = TextOf(Control(kIndexFiles));
  more.check_fragments = Ticked(Control(kFragments));
  more.letter_case = Ticked(Control(kLetterCase));
  more.external = Ticked(Control(kExternal));
  return more;
}

MoreChecks MoreChecksWindow::Choice() const { return app::TidyMoreChecks(Shown()); }

void MoreChecksWindow::BrowseClicked() {
  std::string folder =
      browse_for_folder(std::string(TrimSpaces(TextOf(Control(kSiteRootFolder)))));
  if (folder.empty()) return;
  if (folder.back() != kSeparator) folder += kSeparator;
  SetTextOf(Control(kSiteRootFolder), folder);
}

void MoreChecksWindow::OkClicked() {
  if (const auto problem = app::ValidateMoreChecks(Shown())) {
    show_message(problem->text, kTitle);
    const bool root = problem->field == app::MoreChecksProblem::Field::kSiteRoot;
    SetFocus(Control(root ? kSiteRootFolder : kIndexFiles));
    return;
  }
  SetTextOf(Control(kSiteRootFolder), Choice().site_root_folder);
  accepted_ = true;
  EndModal(IDOK);
  ShowWindow(Handle(), SW_HIDE);
}

LRESULT MoreChecksWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    switch (LOWORD(wparam)) {
      case IDOK:
        OkClicked();
        return 0;
      case IDCANCEL:  // also Escape
        EndModal(IDCANCEL);
        ShowWindow(Handle(), SW_HIDE);
        return 0;
      case kBrowse:
        BrowseClicked();
        return 0;
      case kSiteRoot:
      case kIndexPages:
        UpdateEnabled();
        return 0;
      default:
        break;
    }
  }
  return Window::OnMessage(message, wparam, lparam);
}

}  // namespace qvn::win
