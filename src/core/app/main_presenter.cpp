// The main window's presenter: start-up, the states of the controls, the
// default focus, quitting and the small actions.

#include "core/app/main_presenter.h"

#include "core/app/more_checks_rules.h"
#include "core/platform/data_folder.h"
#include "core/platform/path.h"
#include "core/repair/repair_backup.h"
#include "core/settings/catalogue_texts.h"

namespace qvn::app {
namespace {

const std::vector<std::string> kClearItems = {"Top folder", "Excluded top subfolders",
                                              "Filepath exclusions", "Link exclusions",
                                              "All of the above"};
const std::vector<std::string> kSettingsItems = {"Save for next run", "Save to file",
                                                 "Save in both ways", "Load from file"};

// The address as the window shows it, without its scheme.
std::string ShownAddress(std::string_view address) {
  const std::size_t scheme = address.find("://");
  return std::string(scheme == std::string_view::npos ? address : address.substr(scheme + 3));
}

// The Windows shell's error codes as the user is told them.
std::string BrowserErrorText(int code, const std::string& address) {
  std::string text = "Error launching web browser, error code = " + std::to_string(code) + ".";
  if (code == 31)
    text += "\n\nFile extension '" + GetFileExtension(address, true) +
            "' is not associated with any application program.";
  if (code == 8) text += "\n\nOut of memory.";
  if (code == 2) text += "\n\nPlease try once more.";
  return text;
}

}  // namespace

MainPresenter::MainPresenter(MainView& view, std::string data_folder)
    : view_(view), data_folder_(std::move(data_folder)) {}

MainPresenter::~MainPresenter() { StopRun(); }

void MainPresenter::StopRun() {
  if (control_) control_->Abandon();
}

bool MainPresenter::Start(const std::string& catalogue_path) {
  startup_completed_ = false;
  const std::string path = catalogue_path.empty() ? ProgramFilePath("qvn.dat") : catalogue_path;
  const int loaded = catalogue_.Load(path);
  if (loaded <= 0) {
    view_.ShowMessage({CatalogueFailureText(loaded, path), "", Icon::kCritical});
    return false;
  }
  InitialiseSettings();
  ShowChoices();
  UpdateExcludedSubfoldersState();
  view_.MoveMainWindow(MainFrameAtStart(view_.Place()));
  view_.ShowWindow(Window::kMain, std::nullopt);
  shown_ = true;
  if (DoesFileExist(default_settings_file_)) LoadSettings(default_settings_file_);
  UpdateExcludedSubfoldersState();
  view_.Focus(Control::kHelpButton);
  startup_completed_ = true;
  return true;
}

void MainPresenter::InitialiseSettings() {
  choices_ = Choices();
  SystemError error;
  if (data_folder_.empty()) {
    default_settings_file_ =
        GetAppDataFilePath("qvn.usr", catalogue_.Get(texts::kDataFolderName), &error);
  } else if (CreateFolders(data_folder_, &error)) {
    default_settings_file_ = data_folder_;
    if (default_settings_file_.back() != kSeparator) default_settings_file_ += kSeparator;
    default_settings_file_ += "qvn.usr";
  }
  last_settings_file_.clear();
  last_check_ = std::make_shared<const CheckResult>();
  view_.SetText(Control::kExcludedCountLabel, catalogue_.Get(texts::kNoneExcluded));
  settings_index_ = 0;
  view_.SetItems(Control::kSettingsChoice, kSettingsItems, settings_index_);
  clear_index_ = -1;
  view_.SetItems(Control::kClearChoice, kClearItems, clear_index_);
  view_.SetText(Control::kManualLink, ShownAddress(kUserManualAddress));
  SetProgress("");
  SetStatus("");
}

WindowFacts MainPresenter::Facts() const {
  return {activity_, !choices_.top_folder.empty(), top_has_subfolders_,
          !last_check_->broken_links.empty()};
}

void MainPresenter::ApplyControlStates() {
  const WindowFacts facts = Facts();
  for (int i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const ControlState state = StateOf(control, facts);
    view_.SetEnabled(control, state.enabled);
    view_.SetVisible(control, state.visible);
  }
}

// Where the user most likely goes next: the top folder until one is
// chosen, then "List files".
void MainPresenter::SetDefaultFocus() {
  if (!shown_ || !startup_completed_) return;
  const WindowFacts facts = Facts();
  if (choices_.top_folder.empty() && StateOf(Control::kTopFolderButton, facts).enabled) {
    view_.Focus(Control::kTopFolderButton);
  } else if (StateOf(Control::kListFilesButton, facts).enabled) {
    view_.Focus(Control::kListFilesButton);
  }
}

void MainPresenter::SetStatus(const std::string& text) { view_.SetText(Control::kStatusLabel, text); }

void MainPresenter::SetProgress(const std::string& text) {
  view_.SetText(Control::kProgressLabel, text);
}

void MainPresenter::ListIndexChanged(Control list, int index) {
  if (list == Control::kClearChoice) clear_index_ = index;
  if (list == Control::kSettingsChoice) settings_index_ = index;
}

void MainPresenter::OptionClicked(Control box, bool ticked) {
  if (box == Control::kTopFolderOnlyBox) choices_.top_folder_only = ticked;
  if (box == Control::kShowRepeatedBox) choices_.show_repeated = ticked;
  if (box == Control::kIncludePhpBox) choices_.include_php = ticked;
  SetDefaultFocus();
}

void MainPresenter::Stop() {
  if (!control_) return;
  // The run waits at its next look while the question is open, as the
  // window's own thread once did.
  const std::shared_ptr<RunControl> control = control_;
  control->Pause();
  asking_stop_ = true;
  const Answer answer = view_.Ask({"Really stop?", "Stop", false, Answer::kNo});
  asking_stop_ = false;
  if (answer != Answer::kNo) control->RequestStop();
  control->Resume();
  if (auto ended = std::move(ended_while_asking_)) RunEnded(ended);
}

void MainPresenter::ChooseMoreChecks() {
  if (const auto chosen = view_.ChooseMoreChecks(choices_.more)) {
    choices_.more = *chosen;
    view_.SetText(Control::kMoreChecksButton, MoreChecksCaption(choices_.more));
  }
  SetDefaultFocus();
}

void MainPresenter::ShowHelp() {
  OpenViewer(Viewing::kHelp, ProgramFilePath(catalogue_.Get(texts::kHelpFile)));
}

void MainPresenter::OpenVendorPage() { OpenWebPage(catalogue_.Get(texts::kVendorAddress)); }

void MainPresenter::OpenManualPage() { OpenWebPage(kUserManualAddress); }

void MainPresenter::OpenWebPage(const std::string& address) {
  const WebLaunch launch = view_.OpenWebPage(address);
  if (launch.opened) return;
  // Without a reason from the desktop, a missing browser is by far the likeliest.
  const std::string text = launch.error_code ? BrowserErrorText(*launch.error_code, address)
                                             : "No web browser is set up to open " + address + ".";
  view_.ShowMessage({text, "Cannot launch web browser", Icon::kWarning});
}

void MainPresenter::RemoveOutputFile() {
  if (!output_file_.empty() && DoesFileExist(output_file_)) RemoveFile(output_file_);
}

// A run under way is told to stop and ends after its page; nothing it
// finds is written.
void MainPresenter::Quit() {
  if (quitting_) return;
  RemoveOutputFile();
  quitting_ = true;
  StopRun();
  view_.HideWindow(Window::kViewer);
  view_.HideWindow(Window::kViewer2);
  view_.HideWindow(Window::kMain);
  shown_ = false;
  view_.Quit();
}

std::string MainPresenter::RepairsFolderPath() const {
  return RepairsFolder(data_folder_.empty() ? DataFolderPath(catalogue_.Get(texts::kDataFolderName))
                                            : data_folder_);
}

}  // namespace qvn::app
