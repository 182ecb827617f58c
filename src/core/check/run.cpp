#include "core/check/run.h"

#include "core/platform/path.h"
#include "core/text/text.h"
#include "core/check/external_links.h"
#include "core/check/page_pipeline.h"
#include "core/site/walk.h"

namespace qvn {
namespace {

class CheckVisitor : public PageVisitor {
 public:
  CheckVisitor(const Selection& selection, Status& status, CheckResult& result, unsigned workers)
      : pipeline_(
            selection.excluded_links, workers, status,
            [this](const std::string& path, const PagePipeline::PageOutcome& outcome,
                   std::vector<BrokenLink>& broken) { Commit(path, outcome, broken); },
            nullptr, selection.more),
        status_(status),
        result_(result),
        top_length_(selection.top_folder.size()) {}

  void OnPage(const std::string& path, long long, const PageFolder& folder) override {
    pipeline_.Submit(path, folder);
  }
  void OnSkippedFolder(const std::string& path, const SystemError& error) override {
    result_.skipped.Add(path, SkipReason::kFolder, error);
  }
  // Reading a page tells whether it is empty, so the walk need not ask.
  bool SkipsEmptyPagesItself() const override { return true; }
  void Finish() { pipeline_.Finish(); }
  ExternalLinks& external() { return external_; }

 private:
  void Commit(const std::string& path, const PagePipeline::PageOutcome& outcome,
              std::vector<BrokenLink>& broken) {
    if (outcome.read == PageRead::kUnreadable)
      result_.skipped.Add(path, SkipReason::kPage, outcome.error);
    if (outcome.read != PageRead::kRead) return;
    const long long number = ++result_.pages_read;
    status_.PageStarted(number, RelativePart(path, top_length_));
    std::size_t added = 0;
    for (auto& link : broken) {
      if (IsExternalKind(link.kind)) {
        external_.Add(path, std::move(link), result_.broken_links.size());
        continue;
      }
      result_.broken_links.Add(path, std::move(link));
      status_.BrokenLinksFound(static_cast<long long>(result_.broken_links.size()));
      // A page with a great many broken links must not freeze the window; a
      // stop asked for here still takes effect after the whole page.
      if (++added % 4096 == 0) status_.ShouldStop();
    }
  }

  PagePipeline pipeline_;
  Status& status_;
  CheckResult& result_;
  std::size_t top_length_;
  ExternalLinks external_;
};

class ListVisitor : public PageVisitor {
 public:
  ListVisitor(const Selection& selection, Status& status, ListResult& result)
      : status_(status), result_(result), top_length_(selection.top_folder.size()) {}

  void OnPage(const std::string& path, long long number, const PageFolder&) override {
    result_.files.emplace_back(RelativePart(path, top_length_));
    status_.FileListed(number);
  }
  void OnSkippedFolder(const std::string& path, const SystemError& error) override {
    result_.skipped.Add(path, SkipReason::kFolder, error);
  }

 private:
  Status& status_;
  ListResult& result_;
  std::size_t top_length_;
};

}  // namespace

CheckResult RunCheck(const Selection& selection, Status& status, unsigned workers) {
  CheckResult result;
  result.top_folder = selection.top_folder;
  StickyStatus sticky(status);
  CheckVisitor visitor(selection, sticky, result, workers);
  WalkFolders(selection, sticky, visitor);
  visitor.Finish();
  result.stopped = sticky.stopped();
  if (selection.more.external) visitor.external().Check(selection.more, sticky, result);
  return result;
}

ListResult RunList(const Selection& selection, Status& status) {
  ListResult result;
  ListVisitor visitor(selection, status, result);
  result.stopped = !WalkFolders(selection, status, visitor);
  return result;
}

std::string CheckOutcomeText(long long broken_links, bool stopped, bool external) {
  if (stopped) return "Checking of links was stopped.";
  // Links to other sites count too when they were checked: "local" would mislead.
  const std::string broken = external ? " broken link" : " broken local link";
  if (broken_links == 0) return "Congratulations!  There are no" + broken + "s.";
  if (broken_links == 1) return "There is only one" + broken + ".";
  return "There are " + std::to_string(broken_links) + broken + "s.";
}

}  // namespace qvn
