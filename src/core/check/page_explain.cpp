#include "core/check/page_explain.h"

#include <algorithm>
#include <optional>

#include "core/text/casefold.h"
#include "core/platform/path.h"
#include "core/platform/platform.h"
#include "core/text/utf.h"
#include "core/links/line_reader.h"
#include "core/check/run.h"
#include "core/site/walk.h"

namespace qvn {
namespace {

// Lines longer than this are shown cut, with their length.
constexpr std::size_t kShownCharacters = 300;

std::string WithNativeSlashes(std::string_view path) {
  std::string out(path);
  // Windows takes "/" in a typed path; the walk names paths with "\".
  if (kSeparator == '\\') std::replace(out.begin(), out.end(), '/', kSeparator);
  return out;
}

std::optional<std::string> PartBelow(std::string_view path, std::string_view folder) {
  if (path.size() <= folder.size()) return std::nullopt;
  const std::string_view head = path.substr(0, folder.size());
  const bool same =
      kSeparator == '\\' ? LowerCaseLatin(head) == LowerCaseLatin(folder) : head == folder;
  if (!same) return std::nullopt;
  return std::string(path.substr(folder.size()));
}

// page relative to top (which ends in the separator), "." and ".." resolved;
// nullopt when the page does not lie below top.
std::optional<std::string> RelativeToTop(const std::string& page, const std::string& top) {
  auto relative = PartBelow(page, top);
  if (!relative) {
    std::string folder = ResolveDotSegments(top);
    EnsureTrailingBackslash(folder);
    relative = PartBelow(ResolveDotSegments(page), folder);
  }
  if (relative && MayNeedDotResolution(*relative)) relative = ResolveDotSegments(*relative);
  constexpr char kUp[] = {'.', '.', kSeparator, '\0'};
  if (!relative || *relative == "." || *relative == ".." || relative->starts_with(kUp))
    return std::nullopt;
  return relative;
}

// The folders from the top folder down to the page's, as the walk forms them.
std::vector<std::string> ChainTo(const std::string& top, std::string_view relative) {
  std::vector<std::string> chain{top};
  for (std::size_t cut = relative.find(kSeparator); cut != std::string_view::npos;
       cut = relative.find(kSeparator, cut + 1))
    chain.push_back(top + std::string(relative.substr(0, cut + 1)));
  return chain;
}

// The first of items that the path holds (letter case ignored).
const std::string* FirstContained(std::string_view path, const std::vector<std::string>& items) {
  for (const auto& item : items)
    if (FoldedContains(path, LowerCaseLatin(item))) return &item;
  return nullptr;
}

// Why a check would not read the page; empty when it reads it.
std::vector<std::string> ReasonsNotRead(const std::string& page, std::string_view relative,
                                        const Selection& selection) {
  const PageSelector selector(selection);
  std::vector<std::string> reasons;
  if (selector.IsNotSelectedFileType(page))
    reasons.push_back(
        "its extension " + Quoted(GetFileExtension(page, false)) + " does not contain 'htm'" +
        (selection.include_php ? " and is not 'php'" : " ('php' is read on request)"));
  if (const std::string* word = FirstContained(page, selection.excluded_filepaths))
    reasons.push_back(word->empty()
                          ? "the path exclusions hold an empty item, which every path contains"
                          : "its path contains the excluded word " + Quoted(*word));
  const std::size_t first = relative.find(kSeparator);
  if (first != std::string_view::npos &&
      selector.IsExcludedSubfolder(selection.top_folder + std::string(relative.substr(0, first))))
    reasons.push_back("it lies in the excluded subfolder " + Quoted(relative.substr(0, first)));
  if (first != std::string_view::npos && selection.top_folder_only)
    reasons.push_back("only the pages directly in the top folder are read");
  if (static_cast<std::size_t>(std::count(relative.begin(), relative.end(), kSeparator)) >
      kMaxLevelsBelowTop)
    reasons.push_back("its folder lies more than " + std::to_string(kMaxLevelsBelowTop) +
                      " levels below the top folder");
  if (GetFileSize(page).value_or(1) == 0) reasons.push_back("it is empty");
  return reasons;
}

std::string ReadingStep(const std::vector<std::string>& reasons) {
  if (reasons.empty()) return "A check reads this page.";
  std::string text = "A check does not read this page: ";
  for (std::size_t i = 0; i < reasons.size(); ++i) text += (i > 0 ? "; " : "") + reasons[i];
  return text + ". The line is explained all the same.";
}

// Line number's text as a check reads it ("" for an empty line); false with
// error set when the page ends before it or cannot be read.
bool ReadLine(const std::string& page, long long number, std::string& line, std::string& error) {
  InputFile file;
  if (!file.Open(page)) {
    error = "cannot open " + page;
    return false;
  }
  LineReader reader(file);
  std::string_view text;
  long long last = 0;
  while (reader.Next(text)) {
    if (reader.line_number() >= number) {
      line.assign(reader.line_number() == number ? text : std::string_view());
      return true;
    }
    last = reader.line_number();
  }
  if (reader.failed()) {
    error = "cannot read " + page;
  } else {
    error = "line " + std::to_string(number) + " of " + page + " is past its text (" +
            (last == 0 ? std::string("it holds none")
                       : "its last line with text is " + std::to_string(last)) +
            ")";
  }
  return false;
}

std::string ShownLine(std::string_view raw) {
  const std::u32string chars = ToChars(DecodeTextLine(raw));
  if (chars.size() <= kShownCharacters) return Quoted(FromChars(chars));
  return Quoted(FromChars(std::u32string_view(chars).substr(0, kShownCharacters))) + "... (" +
         std::to_string(chars.size()) + " characters in all)";
}

// The top folder to use, or "" with error set.
std::string ChooseTop(const std::string& page, std::string top, std::string& error) {
  if (top.empty()) {
    top = GetFolderPart(page, false);
    if (top.empty()) return std::string{'.', kSeparator};
    EnsureTrailingBackslash(top);
    return top;
  }
  top = WithNativeSlashes(top);
  if (ValidateTopFolder(top) != TopFolderProblem::kNone) {
    error = "the top folder " + top + " is not a folder";
    return {};
  }
  return top;
}

}  // namespace

PageLineExplanation ExplainPageLine(std::string_view page_given, long long line_number,
                                    Selection selection, std::string_view top_note) {
  PageLineExplanation out;
  const std::string page = WithNativeSlashes(page_given);
  const PathKind kind = GetPathKind(page);
  if (kind != PathKind::kFile) {
    out.error = page + (kind == PathKind::kNone     ? " does not exist"
                        : kind == PathKind::kFolder ? " is a folder, not a page"
                                                    : " is not a regular file");
    return out;
  }
  if (line_number < 1) {
    out.error = "line numbers start at 1";
    return out;
  }
  const bool top_given = !selection.top_folder.empty();
  selection.top_folder = ChooseTop(page, selection.top_folder, out.error);
  if (selection.top_folder.empty()) return out;
  const auto relative = RelativeToTop(page, selection.top_folder);
  if (!relative) {
    out.error = page + " does not lie below the top folder " + selection.top_folder;
    return out;
  }
  const std::string path = selection.top_folder + *relative;
  std::string line;
  if (!ReadLine(path, line_number, line, out.error)) return out;
  out.steps.push_back("Page: " + Quoted(path) + ".");
  std::string top_step = "Top folder: " + Quoted(selection.top_folder);
  if (!top_given) top_step += " (the page's own folder, as no top folder was given)";
  if (top_given && !top_note.empty()) top_step += " (" + std::string(top_note) + ")";
  out.steps.push_back(top_step + ".");
  out.steps.push_back(ReadingStep(ReasonsNotRead(path, *relative, selection)));
  out.steps.push_back("Line " + std::to_string(line_number) + ": " + ShownLine(line) + ".");
  out.line = ExplainLine(line, ChainTo(selection.top_folder, *relative), selection.excluded_links);
  return out;
}

}  // namespace qvn
