#include "cli/cli_skipped.h"

#include <string>

namespace qvn::cli {
namespace {

struct ReasonWords {
  SkipReason reason;
  const char* one;
  const char* many;
};

constexpr ReasonWords kWords[] = {
    {SkipReason::kFolder, "folder", "folders"},
    {SkipReason::kPage, "page", "pages"},
    {SkipReason::kPathTooLong, "path too long for the system", "paths too long for the system"},
};

const ReasonWords& WordsOf(SkipReason reason) {
  for (const auto& words : kWords)
    if (words.reason == reason) return words;
  return kWords[0];
}

}  // namespace

void PrintSkipped(const Skipped& skipped, bool verbose, std::ostream& err) {
  if (skipped.empty()) return;
  if (verbose)
    for (const SkippedPath& path : skipped.paths()) {
      err << "qvn: skipped " << WordsOf(path.reason).one << ' ' << path.path;
      if (!path.error.empty()) err << ": " << path.error;
      err << '\n';
    }
  std::string counts;
  for (const auto& words : kWords) {
    const long long count = skipped.Count(words.reason);
    if (count == 0) continue;
    if (!counts.empty()) counts += ", ";
    counts += std::to_string(count) + ' ' + (count == 1 ? words.one : words.many);
  }
  err << "qvn: could not read and skipped " << counts
      << (verbose ? "\n" : " (--verbose names them)\n");
}

}  // namespace qvn::cli
