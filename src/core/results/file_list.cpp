#include "core/results/file_list.h"

#include "core/text/casefold.h"
#include "core/text/number.h"
#include "core/platform/platform.h"
#include "core/platform/text_file.h"

namespace qvn {

std::string FileListNote(std::size_t count, bool stopped, bool top_folder_only) {
  if (stopped) return "The listing of files was stopped, so this list is incomplete.";
  if (count == 1) {
    return top_folder_only ? "Link in only one file (in the top folder) will be checked."
                           : "Links in only one file will be checked.";
  }
  const std::string words = LowerCaseLatin(NumberInWords(static_cast<long long>(count)));
  return "Links in " + words + " files " +
         (top_folder_only ? "(in the top folder) will be checked." : "will be checked.");
}

std::string BuildFileList(const std::string& top_folder, const std::vector<std::string>& files,
                          bool stopped, bool top_folder_only) {
  std::string out;
  AppendLine(out, "Top Folder is " + top_folder);
  AppendLine(out, FileListNote(files.size(), stopped, top_folder_only));
  AppendLine(out, "");
  for (const auto& file : files) AppendLine(out, file);
  AppendLine(out, "");
  return out;
}

std::string ListStatusText(const ListResult& result) {
  if (result.stopped) return "Listing of files was stopped.";
  const std::size_t count = result.files.size();
  if (count == 0) return "No files.";
  if (count == 1) {
    const std::string& only = result.files.front();
    const std::size_t cut = only.rfind(kSeparator);
    return "Sole file: " + (cut == std::string::npos ? only : only.substr(cut + 1));
  }
  return "Number of files: " + FormatGrouped(static_cast<long long>(count));
}

}  // namespace qvn
