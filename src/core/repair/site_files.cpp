#include "core/repair/site_files.h"

#include "core/platform/path.h"
#include "core/repair/link_style.h"
#include "core/site/walk.h"

namespace qvn {
namespace {

class FileCollector : public PageVisitor {
 public:
  explicit FileCollector(SiteFiles& files) : files_(files) {}
  void OnPage(const std::string& path, long long, const PageFolder&) override { files_.Add(path); }
  // An empty page is a file all the same.
  bool SkipsEmptyPagesItself() const override { return true; }
  bool WantsOtherFiles() const override { return true; }
  void OnOtherFile(const std::string& path) override { files_.Add(path); }

 private:
  SiteFiles& files_;
};

}  // namespace

bool SiteFiles::Collect(const Selection& selection, Status& status) {
  FileCollector collector(*this);
  return WalkFolders(selection, status, collector);
}

void SiteFiles::Add(const std::string& path) {
  by_name_[Folded(GetFileNamePart(path, false))].push_back(path);
}

const std::vector<std::string>& SiteFiles::Named(std::string_view name) const {
  static const std::vector<std::string> kNone;
  const auto found = by_name_.find(Folded(name));
  return found == by_name_.end() ? kNone : found->second;
}

}  // namespace qvn
