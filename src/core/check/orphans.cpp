#include "core/check/orphans.h"

#include <algorithm>
#include <array>

#include "core/text/casefold.h"
#include "core/platform/path.h"
#include "core/links/link_graph.h"
#include "core/site/walk.h"

namespace qvn {
namespace {

// The more checks that change which files links reach; those that only
// report (anchors, letter case) would be wasted on an orphan search.
MoreChecks LinkFinding(MoreChecks more) {
  more.check_fragments = false;
  more.letter_case = false;
  more.external = false;
  return more;
}

// Gathers the walked files and the read pages' links into the graph.
class OrphanVisitor : public PageVisitor {
 public:
  OrphanVisitor(const Selection& selection, Status& status, unsigned workers)
      : pipeline_(
            selection.excluded_links, workers, status,
            [this](const std::string& path, const PagePipeline::PageOutcome& outcome,
                   std::vector<BrokenLink>&) {
              if (outcome.read == PageRead::kUnreadable)
                skipped_.Add(path, SkipReason::kPage, outcome.error);
              if (outcome.read == PageRead::kRead)
                status_.PageStarted(++pages_read_, RelativePart(path, top_length_));
            },
            [this](const std::string& path, std::vector<std::string>& linked) {
              graph_.AddLinks(graph_.Intern(path), linked);
            },
            LinkFinding(selection.more)),
        status_(status),
        top_length_(selection.top_folder.size()) {}

  void OnPage(const std::string& path, long long, const PageFolder& folder) override {
    Walked(path);
    pipeline_.Submit(path, folder);
  }
  void OnOtherFile(const std::string& path) override { Walked(path); }
  void OnSkippedFolder(const std::string& path, const SystemError& error) override {
    skipped_.Add(path, SkipReason::kFolder, error);
  }
  bool SkipsEmptyPagesItself() const override { return true; }
  bool WantsOtherFiles() const override { return true; }
  void Finish() { pipeline_.Finish(); }

  // Sorts the walked files into the result's lists.
  void Sort(OrphanResult& result);

 private:
  void Walked(const std::string& path) {
    const std::string_view relative = RelativePart(path, top_length_);
    const bool root =
        relative.find(kSeparator) == std::string_view::npos && IsIndexPageName(relative);
    files_.push_back({graph_.Intern(path), std::string(relative), root});
  }

  struct File {
    LinkGraph::Node node;
    std::string relative;
    bool root;
  };
  PagePipeline pipeline_;
  Status& status_;
  std::size_t top_length_;
  LinkGraph graph_;
  std::vector<File> files_;
  long long pages_read_ = 0;
  Skipped skipped_;
};

void OrphanVisitor::Sort(OrphanResult& result) {
  result.files = static_cast<long long>(files_.size());
  result.pages_read = pages_read_;
  result.skipped = std::move(skipped_);
  std::vector<LinkGraph::Node> nodes, roots;
  for (const File& file : files_) {
    nodes.push_back(file.node);
    if (file.root) roots.push_back(file.node);
  }
  graph_.JoinCaseVariants(nodes);
  const std::vector<bool> linked = graph_.LinkedFromOtherPages();
  const std::vector<bool> reached = graph_.ReachableFrom(roots);
  for (File& file : files_) {
    if (file.root) {
      result.roots.push_back(std::move(file.relative));
    } else if (!linked[file.node]) {
      result.not_linked.push_back(std::move(file.relative));
    } else if (!reached[file.node]) {
      result.only_from_orphans.push_back(std::move(file.relative));
    }
  }
}

}  // namespace

bool IsIndexPageName(std::string_view name) {
  static constexpr std::array<std::string_view, 6> kNames = {
      "index.html", "index.htm", "default.htm", "default.html", "index.shtml", "index.php"};
  const std::string folded = LowerCaseLatin(name);
  return std::find(kNames.begin(), kNames.end(), folded) != kNames.end();
}

OrphanResult RunOrphans(const Selection& selection, Status& status, unsigned workers) {
  OrphanResult result;
  StickyStatus sticky(status);
  OrphanVisitor visitor(selection, sticky, workers);
  WalkFolders(selection, sticky, visitor);
  visitor.Finish();
  result.stopped = sticky.stopped();
  if (!result.stopped) visitor.Sort(result);
  return result;
}

}  // namespace qvn
