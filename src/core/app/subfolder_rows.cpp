#include "core/app/subfolder_rows.h"

#include <algorithm>
#include <map>

#include "core/platform/path.h"
#include "core/results/sorting.h"
#include "core/site/walk.h"
#include "core/text/casefold.h"
#include "core/text/number.h"
#include "core/text/text.h"
#include "core/text/utf.h"

namespace qvn::app {
namespace {

// CountFilesInTree stops here: a size above it is shown as a lower bound.
constexpr long long kTreeFileLimit = 200;
// Captions this long are shortened in the middle, so that the counts at
// their end stay in sight.
constexpr long long kLongCaption = 84;

std::string CountText(long long n, const char* none, const char* one, const char* many) {
  if (n == 0) return none;
  if (n == 1) return one;
  return FormatGrouped(n) + many;
}

// The size part of a caption: a subfolder with subfolders is measured over
// its tree, but only up to a limit, as a tree may be huge.
std::string SizeText(const std::string& path, const FolderCount& files, const FolderCount& folders,
                     const FolderReader& reader, double& bytes) {
  if (folders.count == 0) {
    bytes = static_cast<double>(files.bytes);
    return FormatByteSize(bytes, 2);
  }
  const TreeCount tree = CountFilesInTree(path, kAllFiles, kTreeFileLimit, true, reader);
  bytes = static_cast<double>(tree.bytes);
  const bool over = tree.file_limit == kFileLimitReached || tree.error_code != 0;
  return (over ? "over " : "") + FormatByteSize(bytes, 2);
}

SubfolderRow ReadRow(const std::string& top, const std::string& name, bool omit_sizes,
                     const FolderReader& reader) {
  const std::string path = top + name;
  SubfolderRow row;
  row.empty = IsFolderEmpty(path, nullptr, reader);
  row.caption = name + " {";
  FileCountOptions options;
  options.sum_sizes = !omit_sizes;
  const FolderCount files = CountFilesInFolder(path, kAllFiles, options, reader);
  FolderCount folders;
  if (files.count >= 0) folders = CountSubfolders(path, reader);
  if (files.count < 0) {
    row.caption += files.error_text;
  } else if (folders.count < 0) {
    row.caption += folders.error_text;  // "permission denied" for an unreadable one
  } else {
    row.caption += CountText(files.count, "no files and ", "1 file and ", " files and ") +
                   CountText(folders.count, "no subfolders", "1 subfolder", " subfolders");
  }
  if (!omit_sizes && (files.count > 0 || folders.count > 0))
    row.caption += ", " + SizeText(path, files, folders, reader, row.bytes);
  row.caption += "}";
  if (row.caption.ends_with(", }")) row.caption.erase(row.caption.size() - 3, 2);
  row.bytes = std::max(row.bytes, 0.0);
  return row;
}

long long CharacterCount(std::string_view s) {
  long long count = 0;
  for (std::size_t i = 0; i < s.size(); ++count) DecodeNext(s, i);
  return count;
}

}  // namespace

SubfolderReading ReadSubfolderRows(std::string top, bool omit_sizes, const FolderReader& reader,
                                   const std::function<bool(int)>& after_row) {
  SubfolderReading reading;
  EnsureTrailingBackslash(top);
  const FolderCount count = CountSubfolders(top, reader);
  reading.failed = count.count < 0;
  reading.error = count.error_text;
  reading.none = count.count == 0;
  if (count.count <= 0) return reading;
  std::vector<FolderEntry> entries;
  SystemError error;
  reader.List(top, entries, &error);  // a failure now leaves no rows
  SortNamesForWalk(entries);
  for (const FolderEntry& entry : entries) {
    if (entry.kind != PathKind::kFolder) continue;
    if (UpperCaseLatin(top + entry.name).find("$RECYCLE.BIN") != std::string::npos) continue;
    reading.rows.push_back(ReadRow(top, entry.name, omit_sizes, reader));
    if (!after_row(static_cast<int>(reading.rows.size()))) {
      reading.stopped = true;
      break;
    }
  }
  return reading;
}

std::string RowName(std::string_view caption) {
  const std::size_t brace = caption.rfind('{');
  return std::string(
      TrimSpaces(brace == std::string_view::npos ? caption : caption.substr(0, brace)));
}

std::string FitSubfolderCaption(std::string_view caption) {
  const std::size_t brace = caption.find('{');
  if (brace == std::string_view::npos || CharacterCount(caption) < kLongCaption)
    return std::string(caption);
  const std::string_view counts = caption.substr(brace);
  return LeftPart(caption, kLongCaption - CharacterCount(counts)) + " ... " + std::string(counts);
}

void SortSubfolderRows(std::vector<SubfolderRow>& rows) {
  std::vector<std::string> sorted;
  for (const auto& row : rows) sorted.push_back(row.caption);
  SortStringsFolded(sorted, 0, static_cast<long long>(sorted.size()) - 1, true, 1);
  // Each row moves with its caption; rows of equal captions keep their order.
  std::map<std::string, std::vector<std::size_t>> rows_of_caption;
  for (std::size_t i = rows.size(); i-- > 0;) rows_of_caption[rows[i].caption].push_back(i);
  std::vector<SubfolderRow> moved;
  for (const std::string& caption : sorted) {
    std::vector<std::size_t>& indexes = rows_of_caption[caption];
    moved.push_back(std::move(rows[indexes.back()]));
    indexes.pop_back();
  }
  rows = std::move(moved);
}

bool CanBeTicked(const SubfolderRow& row) {
  return !FoldedContains(row.caption, "permission denied") &&
         !FoldedContains(row.caption, "no files and no subfolders");
}

void TickChosenRows(std::vector<SubfolderRow>& rows, const std::vector<std::string>& chosen) {
  std::vector<std::string> folded;
  for (const auto& name : chosen) folded.push_back(LowerCaseLatin(TrimSpaces(name)));
  for (auto& row : rows) {
    const std::string name = LowerCaseLatin(RowName(row.caption));
    row.ticked = std::find(folded.begin(), folded.end(), name) != folded.end() &&
                 !FoldedContains(row.caption, "permission denied") && !row.empty;
  }
}

std::string SelectionSummary(const std::vector<SubfolderRow>& rows, std::string_view caption) {
  const auto ticked = std::count_if(rows.begin(), rows.end(), [](auto& r) { return r.ticked; });
  if (ticked == 0) return "No subfolders selected.";
  double bytes = 0;
  bool over = false;
  for (const auto& row : rows) {
    if (!row.ticked) continue;
    bytes += row.bytes;
    if (row.caption.find("over") != std::string::npos) over = true;
  }
  std::string text;
  if (ticked == 1) {
    text = "One subfolder selected.";
  } else if (ticked == static_cast<long long>(rows.size())) {
    text = "All " + std::to_string(ticked) + " subfolders selected.";
  } else {
    text = FormatGrouped(ticked) + " selected (of " +
           FormatGrouped(static_cast<long long>(rows.size())) + ").";
  }
  if (FoldedContains(caption, "included"))
    text += "\nA total of " + std::string(over ? "over " : "") + FormatByteSizeUpToGb(bytes, 2) +
            ".";
  return text;
}

}  // namespace qvn::app
