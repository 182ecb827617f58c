#pragma once
// Counting what a folder holds: its own files (optionally with their total
// size), its direct subfolders, whether it is empty, and the files of a whole
// folder tree up to a limit. Nothing on disk is changed.
//
// "Files" are the entries of kind PathKind::kFile (symbolic links to files
// included) and "subfolders" those of kind PathKind::kFolder (symbolic links
// to folders included); dangling links, FIFOs, sockets and devices are
// neither. Entries taken one by one come in the walk's name order
// (SortNamesForWalk).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/platform.h"

namespace qvn {

/// The file pattern every caller passes: all files.
inline constexpr std::string_view kAllFiles = "*.*";

/// CountFilesInTree's file limit after the walk stopped at the limit.
inline constexpr long long kFileLimitReached = -2;

/// Where the counting routines get their folder listings. This one lists the
/// disk with ListFolder; derive from it to make chosen folders fail (a test
/// cannot otherwise be refused access when it runs with full privileges).
class FolderReader {
 public:
  virtual ~FolderReader() = default;
  /// As ListFolder: false when folder cannot be read, with error set and its
  /// code not 0.
  virtual bool List(const std::string& folder, std::vector<FolderEntry>& entries,
                    SystemError* error) const;
};

/// The reader that lists the disk; the routines' default.
const FolderReader& DiskFolderReader();

/// The answer of CountFilesInFolder and CountSubfolders.
struct FolderCount {
  /// Files or subfolders counted; -1 when the folder could not be counted.
  long long count = 0;
  /// Total size of the counted files when sizes were asked for; otherwise 0.
  std::uint64_t bytes = 0;
  /// Reading the folder was refused. CountFilesInFolder then answers 0 and
  /// leaves error_code and error_text empty; CountSubfolders answers -1 with
  /// the platform's description (a "permission denied" text).
  bool permission_denied = false;
  /// The platform's error number and description when count is -1; else 0 and "".
  int error_code = 0;
  std::string error_text;
};

/// How CountFilesInFolder takes the files.
struct FileCountOptions {
  /// Stop after the first matching file (when the files are taken one by one).
  bool stop_at_first = false;
  /// Add up the sizes of the matching files in FolderCount::bytes.
  bool sum_sizes = false;
  /// Called after each file taken one by one, so that a window can process
  /// its pending events; may be empty.
  std::function<void()> after_each_file;
};

/// Counts the files directly in folder whose names match pattern
/// (MatchesFilePattern, case-insensitive). With exactly kAllFiles and no sizes
/// asked for, the answer is the number of the folder's files, read in one
/// step: every file counts, stop_at_first has no effect and after_each_file
/// is not called. Otherwise the files are taken one by one in name order.
/// A folder (or a file size) that may not be read gives 0 with
/// permission_denied set. Any other failure gives -1 with the error in
/// error_code and error_text; a caller that wants it seen shows error_text in
/// a warning message box titled "Error" (this routine shows nothing).
FolderCount CountFilesInFolder(const std::string& folder, std::string_view pattern,
                               const FileCountOptions& options = {},
                               const FolderReader& reader = DiskFolderReader());

/// Counts the direct subfolders of folder (given one trailing separator
/// first). Any failure, permission denied included, gives -1 with the error in
/// error_code and error_text.
FolderCount CountSubfolders(const std::string& folder,
                            const FolderReader& reader = DiskFolderReader());

/// True when folder holds no files and no subfolders, and also when it cannot
/// be read or its subfolders cannot be counted. *permission_denied (when
/// given) is set when reading the folder's files was refused, else cleared.
bool IsFolderEmpty(const std::string& folder, bool* permission_denied = nullptr,
                   const FolderReader& reader = DiskFolderReader());

/// The answer of CountFilesInTree.
struct TreeCount {
  /// Matching files counted.
  long long files = 0;
  /// Their total size, when sizes were summed; a file whose size cannot be
  /// read adds nothing.
  std::uint64_t bytes = 0;
  /// The limit given, or kFileLimitReached when the walk stopped at it.
  long long file_limit = 0;
  /// Error number of the failure that ended the walk; 0 when none.
  int error_code = 0;
};

/// Counts, from zero, the files matching pattern (MatchesFilePattern,
/// case-insensitive) in folder and all folders below it, depth first, each
/// folder's files (in name order) before its subfolders (in name order).
/// When file_limit is above 0 and the count reaches it, the walk stops with
/// file_limit set to kFileLimitReached. A folder that may not be read is
/// skipped without an error; any other failure stores its error number and
/// ends the walk. Symbolic links to folders are followed, but each real
/// folder is counted once, where the walk first reaches it, and folders on
/// pseudo file systems never (FolderVisits).
TreeCount CountFilesInTree(const std::string& folder, std::string_view pattern,
                           long long file_limit, bool sum_sizes,
                           const FolderReader& reader = DiskFolderReader());

}  // namespace qvn
