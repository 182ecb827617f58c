#include "linkcheck/link_checker.h"

#include "common/casefold.h"
#include "common/path.h"
#include "common/platform.h"
#include "linkcheck/line_reader.h"
#include "linkcheck/link_extract.h"

namespace qvn {
namespace {

// Whether the path may hold "." or ".." components or doubled separators.
bool NeedsDotResolution(std::string_view path) {
  constexpr char kDotAfterSeparator[] = {kSeparator, '.', '\0'};
  constexpr char kDoubled[] = {kSeparator, kSeparator, '\0'};
  return path.starts_with('.') || path.find(kDotAfterSeparator) != std::string_view::npos ||
         path.find(kDoubled, 1) != std::string_view::npos;
}

}  // namespace

LinkChecker::LinkChecker(const std::vector<std::string>& excluded_links) {
  for (const auto& item : excluded_links) excluded_folded_.push_back(LowerCaseLatin(item));
}

bool LinkChecker::TargetExists(const std::string& target) {
  if (EndsInNonFileComponent(target)) return false;
  std::string key = NeedsDotResolution(target) ? ResolveDotSegments(target) : target;
  const auto hit = exists_.find(key);
  if (hit != exists_.end()) return hit->second;
  const bool exists = DoesFileExist(key);
  exists_.emplace(std::move(key), exists);
  return exists;
}

void LinkChecker::CheckLinksInFile(const std::string& page, const std::vector<std::string>& chain,
                                   BrokenLinkTable& table, Status& status) {
  InputFile file;
  if (!file.Open(page)) return;
  LineReader reader(file);
  std::string_view line;
  while (reader.Next(line)) {
    const auto raw = FindLinkInLine(line);
    if (!raw) continue;
    const auto link = PrepareLink(LinkText(line, *raw), excluded_folded_);
    if (!link) continue;
    auto target = FormTarget(*link, chain);
    if (!target || TargetExists(*target)) continue;
    table.Add(page, std::move(*target));
    status.BrokenLinksFound(static_cast<long long>(table.size()));
  }
}

}  // namespace qvn
