// The main window's choices: the top folder, the excluded subfolders and
// their label, the exclusion boxes, the options, and the Clear actions.

#include "core/app/main_presenter.h"
#include "core/app/more_checks_rules.h"
#include "core/platform/platform.h"
#include "core/settings/catalogue_texts.h"
#include "core/settings/exclusions.h"
#include "core/site/folder_stats.h"
#include "core/text/text.h"

namespace qvn::app {
namespace {

// The question before an item of the Clear list is cleared: it names what
// goes, as the list's item alone may have been reached by mistake.
std::string ClearQuestion(int index) {
  switch (index) {
    case 0:
      return "Clear the top folder and the excluded top subfolders?";
    case 1:
      return "Clear the excluded top subfolders?";
    case 2:
      return "Clear the filepath exclusions?";
    case 3:
      return "Clear the link exclusions?";
    default:
      return "";
  }
}

}  // namespace

void MainPresenter::ShowChoices() {
  ShowTopFolder();
  ShowExcludedSubfolders();
  view_.SetText(Control::kExcludedFilepathsBox, choices_.excluded_filepaths);
  view_.SetText(Control::kExcludedLinksBox, choices_.excluded_links);
  view_.SetChecked(Control::kTopFolderOnlyBox, choices_.top_folder_only);
  view_.SetChecked(Control::kShowRepeatedBox, choices_.show_repeated);
  view_.SetChecked(Control::kIncludePhpBox, choices_.include_php);
  view_.SetText(Control::kMoreChecksButton, MoreChecksCaption(choices_.more));
}

void MainPresenter::ShowTopFolder() { view_.SetText(Control::kTopFolderBox, choices_.top_folder); }

// One name a line.
void MainPresenter::ShowExcludedSubfolders() {
  std::string lines;
  for (std::size_t i = 0; i < choices_.excluded_subfolders.size(); ++i)
    lines += (i == 0 ? "" : "\n") + choices_.excluded_subfolders[i];
  view_.SetText(Control::kExcludedSubfoldersBox, lines);
}

void MainPresenter::SetTopFolder(const std::string& folder) {
  const std::string before = choices_.top_folder;
  choices_.top_folder = folder;
  ShowTopFolder();
  TopFolderChanged(before);
  UpdateExcludedSubfoldersState();
}

// Results of another folder would be taken for this one's.
void MainPresenter::TopFolderChanged(const std::string& before) {
  if (choices_.top_folder == before) return;
  SetStatus("");
  SetProgress("");
  if (last_check_.broken_links.empty() && last_check_.top_folder.empty()) return;
  last_check_ = CheckResult();
  view_.ClearResults(choices_.top_folder.empty()
                         ? "Cleared because the top folder was cleared."
                         : "Cleared because the top folder changed to " + choices_.top_folder +
                               ". Click \"Check links\" to check it.");
  view_.SetResultsCaption(ResultsCaption());
  ApplyControlStates();
}

// Subfolders can be excluded only from a top folder that has some; the
// label counts those excluded.
void MainPresenter::UpdateExcludedSubfoldersState() {
  top_has_subfolders_ =
      !choices_.top_folder.empty() && CountSubfolders(choices_.top_folder).count > 0;
  if (top_has_subfolders_) {
    view_.SetText(Control::kExcludedCountLabel,
                  ExcludedSubfoldersLabel(
                      static_cast<long long>(choices_.excluded_subfolders.size()),
                      catalogue_.Get(texts::kNoneExcluded), catalogue_.Get(texts::kOneExcluded),
                      catalogue_.Get(texts::kManyExcluded)));
    SetStatus("");
  } else if (!choices_.top_folder.empty()) {
    view_.SetText(Control::kExcludedCountLabel, catalogue_.Get(texts::kNoSubfolders));
  }
  ApplyControlStates();
}

void MainPresenter::ChooseTopFolder() {
  std::string path = view_.ChooseFolder("Specify top folder", choices_.top_folder);
  if (path.empty()) return;
  if (path.back() != kSeparator) path += kSeparator;
  const std::string before = choices_.top_folder;
  choices_.top_folder = path;
  ShowTopFolder();
  TopFolderChanged(before);
  const bool has_exclusions = !choices_.excluded_filepaths.empty() ||
                              !choices_.excluded_links.empty() ||
                              !choices_.excluded_subfolders.empty();
  if (has_exclusions &&
      view_.Ask({"Keep excluded subfolders, excluded filepaths and excluded links?",
                 "Top folder"}) == Answer::kNo) {
    ClearExcludedSubfolders();
    ClearFilepathExclusions();
    ClearLinkExclusions();
  }
  UpdateExcludedSubfoldersState();
}

void MainPresenter::SelectSubfolders() {
  if (choices_.top_folder.empty()) {
    view_.ShowMessage({catalogue_.Get(texts::kChooseTopFolderFirst), "Exclude top subfolders",
                       Icon::kWarning});
    return;
  }
  SubfolderRequest request;
  request.caption = catalogue_.Get(texts::kSelectSubfoldersTitle);
  request.top_folder = choices_.top_folder;
  request.chosen = choices_.excluded_subfolders;
  request.none_text = catalogue_.Get(texts::kNoSubfolders);
  request.place =
      SubfolderWindowPlace(view_.Place(), view_.PlaceOf(Control::kSelectSubfoldersButton));
  if (const auto chosen = view_.ChooseSubfolders(request)) {
    choices_.excluded_subfolders = *chosen;
    ShowExcludedSubfolders();
    UpdateExcludedSubfoldersState();
    SetStatus("");
  }
  SetDefaultFocus();
}

void MainPresenter::BoxEdited(Control box, const std::string& text) {
  if (box == Control::kExcludedFilepathsBox) choices_.excluded_filepaths = text;
  if (box == Control::kExcludedLinksBox) choices_.excluded_links = text;
}

// A list is tidied when the user leaves its box: sorted, ", " between items.
void MainPresenter::BoxLeft(Control box) {
  if (box == Control::kExcludedFilepathsBox) {
    choices_.excluded_filepaths = NormaliseCommaList(choices_.excluded_filepaths, true);
    view_.SetText(box, choices_.excluded_filepaths);
  }
  if (box == Control::kExcludedLinksBox) {
    choices_.excluded_links = NormaliseCommaList(choices_.excluded_links, false);
    view_.SetText(box, choices_.excluded_links);
  }
}

void MainPresenter::TrimExclusionBoxes() {
  choices_.excluded_filepaths = std::string(TrimSpaces(choices_.excluded_filepaths));
  choices_.excluded_links = std::string(TrimSpaces(choices_.excluded_links));
  view_.SetText(Control::kExcludedFilepathsBox, choices_.excluded_filepaths);
  view_.SetText(Control::kExcludedLinksBox, choices_.excluded_links);
}

void MainPresenter::ClearExcludedSubfolders() {
  choices_.excluded_subfolders.clear();
  ShowExcludedSubfolders();
  SetStatus("");
  view_.SetText(Control::kExcludedCountLabel, catalogue_.Get(texts::kNoneExcluded));
}

void MainPresenter::ClearFilepathExclusions() {
  choices_.excluded_filepaths.clear();
  view_.SetText(Control::kExcludedFilepathsBox, "");
  SetStatus("");
}

void MainPresenter::ClearLinkExclusions() {
  choices_.excluded_links.clear();
  view_.SetText(Control::kExcludedLinksBox, "");
  SetStatus("");
}

void MainPresenter::ClearChosen() {
  if (!startup_completed_) return;
  // "All of the above" asks its own question, naming everything.
  const std::string question = ClearQuestion(clear_index_);
  if (question.empty() || view_.Ask({question, "Clear"}) == Answer::kYes) ClearSelected();
  SetDefaultFocus();
}

void MainPresenter::ClearSelected() {
  const std::string before = choices_.top_folder;
  switch (clear_index_) {
    case 0:
      choices_.top_folder.clear();
      ShowTopFolder();
      ClearExcludedSubfolders();
      break;
    case 1:
      ClearExcludedSubfolders();
      break;
    case 2:
      ClearFilepathExclusions();
      break;
    case 3:
      ClearLinkExclusions();
      break;
    case 4:
      if (view_.Ask({"Are you sure you want to clear all the settings?\r\nThis cannot be undone.",
                     "Clear all", true, Answer::kCancel}) != Answer::kYes) {
        SetDefaultFocus();
        return;
      }
      choices_.top_folder.clear();
      ShowTopFolder();
      ClearExcludedSubfolders();
      ClearFilepathExclusions();
      ClearLinkExclusions();
      break;
    default:
      return;
  }
  TopFolderChanged(before);
  UpdateExcludedSubfoldersState();
  SetDefaultFocus();
}

}  // namespace qvn::app
