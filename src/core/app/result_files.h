#pragma once
// Where a run's result files go and how they are written: the output folder
// (the data folder unless the user names one), the two reports of a check
// (both or neither), the file list of a listing.

#include <string>
#include <vector>

#include "core/app/choices.h"
#include "core/platform/file_replacement.h"
#include "core/platform/platform.h"
#include "core/results/run_results.h"

namespace qvn::app {

/// Why an output folder cannot be used.
enum class FolderProblem { kNone, kUnknownDataFolder, kCannotCreate, kCannotWrite };

struct OutputFolder {
  std::string path;  ///< the folder, usable only when problem is kNone
  FolderProblem problem = FolderProblem::kNone;
  SystemError error;  ///< the system's reason, for kCannotCreate and kCannotWrite
};

/// The folder for result files: chosen, or when "" the per-user data folder
/// named data_folder_name (catalogue text 310). It is created (with its
/// parents) and proven writable before a run, so that no result is lost.
OutputFolder PrepareOutputFolder(const std::string& chosen, const std::string& data_folder_name);

/// A result file written, or not: when one of files written together fails,
/// none is written and the failed one tells why.
struct ResultFile {
  std::string path;
  bool written = false;
  bool failed = false;  ///< this file could not be written (error says why)
  SystemError error;
};

/// The names of the result files in the output folder.
inline constexpr const char* kReportBySource = "links_to.txt";
inline constexpr const char* kReportByTarget = "links_from.txt";
inline constexpr const char* kFileList = "files.txt";

/// Writes the report by page and the report by target of a check that found
/// broken links (nothing otherwise) into folder: both are written to
/// temporary files first and put in place together, so the two always
/// belong to one run; when either fails both old reports stay. The files
/// are given in that order.
std::vector<ResultFile> WriteCheckReports(const CheckResult& result, const Choices& choices,
                                          const std::string& folder);

/// Writes the file list of a listing that selected files (nothing
/// otherwise) into folder.
std::vector<ResultFile> WriteFileList(const ListResult& result, const Choices& choices,
                                      const std::string& folder);

/// The first file that failed, or nullptr when none did.
const ResultFile* FirstFailure(const std::vector<ResultFile>& files);

/// Holds an output folder for one run, so that two runs writing into one
/// folder take turns; removes the temporary files killed runs left there.
class OutputFolderLock {
 public:
  /// Takes the lock without waiting; false when another run holds it (or
  /// the folder cannot be locked: error then says why).
  bool TryLock(const std::string& folder, SystemError* error, bool* busy);

 private:
  FolderLock lock_;
};

}  // namespace qvn::app
