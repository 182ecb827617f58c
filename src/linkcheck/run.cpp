#include "linkcheck/run.h"

#include "common/path.h"
#include "common/text.h"
#include "linkcheck/link_checker.h"
#include "linkcheck/walk.h"

namespace qvn {
namespace {

class CheckVisitor : public PageVisitor {
 public:
  CheckVisitor(const Selection& selection, Status& status, CheckResult& result)
      : checker_(selection.excluded_links),
        status_(status),
        result_(result),
        top_length_(selection.top_folder.size()) {}

  void OnPage(const std::string& path, long long number, const FolderChain& chain) override {
    status_.PageStarted(number, RelativePart(path, top_length_));
    result_.pages_read = number;
    checker_.CheckLinksInFile(path, chain, result_.broken_links, status_);
  }

 private:
  LinkChecker checker_;
  Status& status_;
  CheckResult& result_;
  std::size_t top_length_;
};

class ListVisitor : public PageVisitor {
 public:
  ListVisitor(const Selection& selection, Status& status, ListResult& result)
      : status_(status), result_(result), top_length_(selection.top_folder.size()) {}

  void OnPage(const std::string& path, long long number, const FolderChain&) override {
    result_.files.emplace_back(RelativePart(path, top_length_));
    status_.FileListed(number);
  }

 private:
  Status& status_;
  ListResult& result_;
  std::size_t top_length_;
};

}  // namespace

TopFolderProblem ValidateTopFolder(std::string& top) {
  top = std::string(TrimSpaces(top));
  if (top.empty()) return TopFolderProblem::kEmpty;
  if (!IsExistingFolder(top)) return TopFolderProblem::kNotAFolder;
  EnsureTrailingBackslash(top);
  return TopFolderProblem::kNone;
}

std::vector<std::string> SplitExclusionBox(std::string_view box) {
  std::vector<std::string> items;
  SplitList(TrimSpaces(box), ",", 1, items, true);
  return items;
}

CheckResult RunCheck(const Selection& selection, Status& status) {
  CheckResult result;
  CheckVisitor visitor(selection, status, result);
  result.stopped = !WalkFolders(selection, status, visitor);
  return result;
}

ListResult RunList(const Selection& selection, Status& status) {
  ListResult result;
  ListVisitor visitor(selection, status, result);
  result.stopped = !WalkFolders(selection, status, visitor);
  return result;
}

std::string CheckOutcomeText(long long broken_links, bool stopped) {
  if (stopped) return "Checking of links was stopped.";
  if (broken_links == 0) return "Congratulations!  There are no broken local links.";
  if (broken_links == 1) return "There is only one broken local link.";
  return "There are " + std::to_string(broken_links) + " broken local links.";
}

}  // namespace qvn
