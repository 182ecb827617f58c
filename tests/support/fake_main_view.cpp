#include "support/fake_main_view.h"

namespace qvn::test {

void FakeMainView::SetItems(Control control, const std::vector<std::string>& list, int index) {
  items[control] = list;
  selected[control] = index;
}

void FakeMainView::ShowWindow(Window window, const std::optional<app::TwipsRect>& where) {
  shown[window] = true;
  if (where) placed[window] = *where;
}

void FakeMainView::ShowFile(Window viewer, const app::ViewerOpening& opening) {
  opened[viewer] = opening;
  shown[viewer] = true;
}

void FakeMainView::SetResults(std::shared_ptr<const CheckResult> result) {
  results.emplace(*result, result->top_folder);
  results_cleared.reset();
}

void FakeMainView::ClearResults(const std::string& reason) {
  results.reset();
  results_cleared = reason;
}

void FakeMainView::SetOrphans(const OrphanResult& result, const std::string& top) {
  orphans.emplace(result, top);
}

app::Answer FakeMainView::Ask(const app::Question& question) {
  questions.push_back(question);
  if (on_ask) on_ask(question);
  if (answers.empty()) return app::Answer::kNo;
  const app::Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeMainView::ShowNotice(const std::string& notice, const app::TwipsRect& where, int ms) {
  notices.push_back({notice, where, ms});
}

std::string FakeMainView::ChooseFolder(const std::string&, const std::string&) {
  return folder_to_choose;
}

std::string FakeMainView::ChooseFile(const app::FileDialog& dialog) {
  file_dialogs.push_back(dialog);
  return choose_file(dialog);
}

std::optional<std::vector<std::string>> FakeMainView::ChooseSubfolders(
    const app::SubfolderRequest& request) {
  subfolder_requests.push_back(request);
  return subfolders_to_choose;
}

std::optional<MoreChecks> FakeMainView::ChooseMoreChecks(const MoreChecks&) {
  return more_checks_to_choose;
}

app::WebLaunch FakeMainView::OpenWebPage(const std::string& address) {
  web_pages.push_back(address);
  return web_launch;
}

}  // namespace qvn::test
