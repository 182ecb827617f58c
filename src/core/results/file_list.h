#pragma once
// The file list of a "List files" run (files.txt) and its status texts.

#include <string>
#include <vector>

#include "core/results/run_results.h"

namespace qvn {

/// Line 2 of the file list: how many files a check would read.
std::string FileListNote(std::size_t count, bool stopped, bool top_folder_only);

/// The whole file list: the top folder, the note, an empty line, the files
/// (relative paths) and a final empty line, every line ended by CR LF.
std::string BuildFileList(const std::string& top_folder, const std::vector<std::string>& files,
                          bool stopped, bool top_folder_only);

/// The status text at the end of a list run ("No files.", "Sole file: a.htm",
/// "Number of files: 1,234", or the stopped notice).
std::string ListStatusText(const ListResult& result);

}  // namespace qvn
