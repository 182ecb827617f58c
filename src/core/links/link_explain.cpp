#include "core/links/link_explain.h"

#include <array>

#include "core/text/casefold.h"
#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/text/text.h"
#include "core/text/utf.h"
#include "core/site/existence_cache.h"
#include "core/links/link_checker.h"
#include "core/links/link_extract.h"

namespace qvn {
namespace {

constexpr std::string_view kHref = " href=\"", kSrc = " src=\"";
constexpr std::string_view kParent = kSeparator == '/' ? "../" : "..\\";

std::string AsciiLowered(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

// Follows one line through the routines of a check, telling each step. The
// outcome comes from those routines; the reasons told are worked out beside.
class LineTracer {
 public:
  LineTracer(std::string_view line, const std::vector<std::string>& chain,
             const std::vector<std::string>& excluded)
      : line_(line), chain_(chain), excluded_(excluded) {
    for (const auto& item : excluded) folded_.push_back(LowerCaseLatin(item));
  }

  LineTrace Run() {
    if (Find() && Prepare() && Resolve()) Test();
    return std::move(trace_);
  }

 private:
  void Step(std::string text) { trace_.steps.push_back(std::move(text)); }
  // Character (from 1, as reports count columns) at a byte of the line.
  long long CharacterAt(std::string_view part, std::size_t offset = 0) const {
    const auto at = static_cast<std::size_t>(part.data() - line_.data()) + offset;
    return static_cast<long long>(Utf16Length(line_.substr(0, at))) + 1;
  }
  std::string_view CutComment(std::string_view trimmed, std::string_view& cut_away);
  bool Find();
  void TellMissingLink(std::string_view searched, std::string_view cut_away);
  bool Prepare();
  std::string_view TellCut();
  void TellSkip(std::string_view cut);
  bool Resolve();
  void Test();
  void TellMissing(const std::string& path);

  std::string_view line_;
  const std::vector<std::string>& chain_;
  const std::vector<std::string>& excluded_;
  std::vector<std::string> folded_;
  std::string_view written_;
  std::string scratch_, decoded_;
  LineTrace trace_;
};

std::string_view LineTracer::CutComment(std::string_view trimmed, std::string_view& cut_away) {
  if (const std::size_t open = trimmed.find("<!--"); open != std::string_view::npos) {
    Step("Comment: '<!--' at character " + std::to_string(CharacterAt(trimmed, open)) +
         "; the text from there on is not read.");
    cut_away = trimmed.substr(open);
    return trimmed.substr(0, open);
  }
  if (const std::size_t close = trimmed.find("-->"); close != std::string_view::npos) {
    Step("Comment: '-->' at character " + std::to_string(CharacterAt(trimmed, close)) +
         " and no '<!--' on the line; only the text after it is read.");
    cut_away = trimmed.substr(0, close + 3);
    return trimmed.substr(close + 3);
  }
  return trimmed;
}

bool LineTracer::Find() {
  const std::string_view trimmed = TrimBlanks(line_);
  std::string_view cut_away;
  const std::string_view searched = trimmed.empty() ? trimmed : CutComment(trimmed, cut_away);
  const auto raw = FindLinkInLine(line_);
  if (!raw) {
    TellMissingLink(searched, cut_away);
    return false;
  }
  const std::size_t value = static_cast<std::size_t>(raw->data() - line_.data());
  const bool href = value >= kHref.size() &&
                    AsciiLowered(line_.substr(value - kHref.size(), kHref.size())) == kHref;
  written_ = LinkText(line_, *raw, scratch_);
  Step(
      std::string("Found: ") +
      (href ? "the line's first ' href=\"'" : "no ' href=\"' on the line, so its first ' src=\"'") +
      "; the value starts at character " + std::to_string(CharacterAt(line_, value)) +
      " and runs to the next double quote: " + Quoted(written_) + ".");
  if (written_.data() != raw->data())
    Step("The line is not valid UTF-8, so it is read as Windows-1252.");
  if (href && AsciiLowered(searched).find(kSrc) != std::string::npos)
    Step("The line's ' src=\"' is not looked at: a line gives one link, and an href comes first.");
  return true;
}

void LineTracer::TellMissingLink(std::string_view searched, std::string_view cut_away) {
  trace_.outcome = LinkOutcome::kNoLink;
  if (searched.empty()) {
    Step(TrimBlanks(line_).empty() ? "No link: the line holds only blanks."
                                   : "No link: nothing is left to read after the comment cut.");
  } else if (const std::string lowered = AsciiLowered(searched);
             lowered.find(kHref) != std::string::npos || lowered.find(kSrc) != std::string::npos) {
    const std::string_view marker = lowered.find(kHref) != std::string::npos ? kHref : kSrc;
    Step("No link: " + Quoted(marker) + " at character " +
         std::to_string(CharacterAt(searched, lowered.find(marker))) +
         " has no closing double quote on this line.");
  } else if (lowered.starts_with("href=") || lowered.starts_with("src=")) {
    Step(
        "No link: the attribute starts the line (the tag began on an earlier line), so no "
        "space precedes it as ' href=\"' and ' src=\"' need.");
  } else if (lowered.find("href") != std::string::npos ||
             lowered.find("src") != std::string::npos) {
    Step(
        "No link: no ' href=\"' and no ' src=\"'; an attribute written another way (no space "
        "before the name, spaces around '=', single quotes or none) is not read.");
  } else {
    Step("No link: the line holds no ' href=\"' and no ' src=\"'.");
  }
  const std::string hidden = AsciiLowered(cut_away);
  if (hidden.find(kHref) != std::string::npos || hidden.find(kSrc) != std::string::npos)
    Step("The comment part holds a link, which is not read.");
}

bool LineTracer::Prepare() {
  const bool tested = PrepareLink(written_, folded_, decoded_);
  if (HasSkippedScheme(written_)) {
    static constexpr std::array<std::string_view, 4> kSchemes = {"mailto:", "://",
                                                                 "javascript:", "news:"};
    const std::string folded = LowerCaseLatin(written_);
    std::string_view which;
    for (std::string_view scheme : kSchemes)
      if (which.empty() && folded.find(scheme) != std::string::npos) which = scheme;
    Step("Skipped: the link names another scheme or site (it contains " + Quoted(which) + ").");
    trace_.outcome = LinkOutcome::kSkipped;
    return false;
  }
  const std::string_view cut = TellCut();
  if (!tested) {
    TellSkip(cut);
    trace_.outcome = LinkOutcome::kSkipped;
    return false;
  }
  Step(decoded_ == cut ? "Decoded: nothing to decode."
                       : "Decoded: " + Quoted(cut) + " becomes " + Quoted(decoded_) + ".");
  return true;
}

std::string_view LineTracer::TellCut() {
  std::string_view link = written_;
  bool cut = false;
  for (const char mark : {'#', '?'}) {
    const std::size_t at = link.find(mark);
    if (at == std::string_view::npos) continue;
    const char* what = mark == '#' ? "the fragment " : "the query ";
    Step(std::string("Cut at '") + mark + "': " + what + Quoted(link.substr(at)) +
         " is dropped, leaving " + Quoted(link.substr(0, at)) + ".");
    link = link.substr(0, at);
    cut = true;
  }
  if (!cut) Step("Cut: nothing to cut (no '#' or '?').");
  return link;
}

void LineTracer::TellSkip(std::string_view cut) {
  if (cut.empty()) {
    Step(written_.empty() ? "Skipped: the link is empty."
                          : "Skipped: nothing is left after the cut (a place in the same page).");
    return;
  }
  if (cut.front() == '/') {
    Step(
        "Skipped: the link starts with '/', so it is relative to the web server's root, "
        "which is not known here.");
    return;
  }
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    if (!FoldedContains(cut, folded_[i])) continue;
    Step(excluded_[i].empty()
             ? std::string(
                   "Skipped: the link exclusions hold an empty item, which every link contains.")
             : "Skipped: the link contains the excluded word " + Quoted(excluded_[i]) + ".");
    return;
  }
  Step("Skipped.");
}

bool LineTracer::Resolve() {
  std::size_t steps = 0;
  for (std::string_view rest = decoded_; rest.starts_with(kParent);
       rest.remove_prefix(kParent.size()))
    ++steps;
  const std::string& folder = chain_.back();
  const std::string count =
      std::to_string(steps) + " leading " + Quoted(kParent) + (steps == 1 ? " step" : " steps");
  if (!FormTarget(decoded_, chain_, trace_.target)) {
    const std::size_t levels = chain_.size() - 1;
    Step("Ignored: " + count + (steps == 1 ? " climbs" : " climb") + " above the top folder " +
         Quoted(chain_.front()) +
         (levels == 0
              ? std::string(", which holds the page itself.")
              : " (the page's folder " + Quoted(folder) + " is only " + std::to_string(levels) +
                    (levels == 1 ? " level" : " levels") + " below it)."));
    trace_.outcome = LinkOutcome::kAboveTop;
    return false;
  }
  if (steps == 0) {
    Step("Resolved: no leading " + Quoted(kParent) + "; the link is taken from the page's folder " +
         Quoted(folder) + ".");
  } else {
    Step("Resolved: " + count + (steps == 1 ? " goes" : " go") + " up from the page's folder " +
         Quoted(folder) + " to " + Quoted(chain_[chain_.size() - 1 - steps]) + ".");
  }
  return true;
}

void LineTracer::Test() {
  const std::string& target = trace_.target;
  Step("Tested: " + Quoted(target) + ".");
  std::string resolved = target;
  if (!EndsInNonFileComponent(target) && MayNeedDotResolution(target)) {
    resolved = ResolveDotSegments(target);
    if (resolved != target) Step("'.' and '..' resolved: " + Quoted(resolved) + ".");
  }
  ExistenceCache cache;
  LinkChecker checker(excluded_, cache);
  if (checker.TargetExists(target)) {
    Step("Exists: it is a file.");
    trace_.outcome = LinkOutcome::kOk;
    return;
  }
  trace_.outcome = LinkOutcome::kBroken;
  TellMissing(resolved);
}

void LineTracer::TellMissing(const std::string& path) {
  if (EndsInNonFileComponent(path)) {
    Step("Missing: the path ends in a separator, '.' or '..', so it never names a file.");
    return;
  }
  switch (GetPathKind(path)) {
    case PathKind::kFolder:
      Step("Missing: it is a folder, not a file.");
      return;
    case PathKind::kOther:
      Step("Missing: it is not a regular file.");
      return;
    default:
      break;
  }
  Step("Missing: there is no such file.");
  // Letter case is the likeliest slip on a file system that heeds it.
  std::vector<FolderEntry> entries;
  const std::string name = GetFileNamePart(path, false);
  const std::string folded = LowerCaseLatin(name);
  if (!ListFolder(GetFolderPart(path, false), entries, nullptr, NoSizes)) return;
  for (const auto& entry : entries) {
    if (entry.kind == PathKind::kFile && entry.name != name && LowerCaseLatin(entry.name) == folded)
      Step("The folder holds " + Quoted(entry.name) + ", which differs in letter case only.");
  }
}

}  // namespace

LineTrace ExplainLine(std::string_view line, const std::vector<std::string>& chain,
                      const std::vector<std::string>& excluded_links) {
  return LineTracer(line, chain, excluded_links).Run();
}

std::string_view OutcomeText(LinkOutcome outcome) {
  switch (outcome) {
    case LinkOutcome::kSkipped:
      return "skipped";
    case LinkOutcome::kAboveTop:
      return "ignored: climbs above the top folder";
    case LinkOutcome::kOk:
      return "ok";
    case LinkOutcome::kBroken:
      return "broken";
    case LinkOutcome::kNoLink:
      break;
  }
  return "no link";
}

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

}  // namespace qvn
