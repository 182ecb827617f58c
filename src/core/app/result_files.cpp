#include "core/app/result_files.h"

#include <memory>

#include "core/platform/data_folder.h"
#include "core/platform/text_file.h"
#include "core/results/file_list.h"
#include "core/results/report_by_source.h"
#include "core/results/report_by_target.h"

namespace qvn::app {
namespace {

std::string JoinFile(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == kSeparator) return folder + name;
  return folder + kSeparator + name;
}

// Writes texts (file name, UTF-8 text) into folder all together: every file
// is prepared before any is put in place.
std::vector<ResultFile> WriteTogether(const std::string& folder,
                                      const std::vector<std::pair<const char*, std::string>>& texts) {
  std::vector<ResultFile> files;
  std::vector<std::unique_ptr<FileReplacement>> pending;
  for (const auto& [name, text] : texts) {
    ResultFile& file = files.emplace_back();
    file.path = JoinFile(folder, name);
    pending.push_back(std::make_unique<FileReplacement>());
    // On failure the replacements prepared so far remove their files.
    file.failed = !pending.back()->Prepare(file.path, EncodeTextFile(text), &file.error);
    if (file.failed) return files;
  }
  for (std::size_t i = 0; i < pending.size(); ++i) {
    files[i].written = pending[i]->Commit(&files[i].error);
    files[i].failed = !files[i].written;
    if (files[i].failed) return files;
  }
  return files;
}

}  // namespace

OutputFolder PrepareOutputFolder(const std::string& chosen, const std::string& data_folder_name) {
  OutputFolder out;
  out.path = chosen.empty() ? DataFolderPath(data_folder_name) : chosen;
  if (out.path.empty()) {
    out.problem = FolderProblem::kUnknownDataFolder;
  } else if (!CreateFolders(out.path, &out.error)) {
    out.problem = FolderProblem::kCannotCreate;
  } else if (!CanWriteInFolder(out.path, &out.error)) {
    out.problem = FolderProblem::kCannotWrite;
  }
  return out;
}

std::vector<ResultFile> WriteCheckReports(const CheckResult& result, const Choices& choices,
                                          const std::string& folder) {
  const BrokenLinkTable& table = result.broken_links;
  if (table.empty()) return {};
  const ReportContext context{choices.top_folder, result.stopped, choices.show_repeated};
  const long long repeated = CountRepeatedLinks(table);
  return WriteTogether(folder, {{kReportBySource, FormatReportBySource(table, context, repeated)},
                                {kReportByTarget, FormatReportByTarget(table, context, repeated)}});
}

std::vector<ResultFile> WriteFileList(const ListResult& result, const Choices& choices,
                                      const std::string& folder) {
  if (result.files.empty()) return {};
  return WriteTogether(folder, {{kFileList, BuildFileList(choices.top_folder, result.files,
                                                          result.stopped,
                                                          choices.top_folder_only)}});
}

const ResultFile* FirstFailure(const std::vector<ResultFile>& files) {
  for (const auto& file : files)
    if (file.failed) return &file;
  return nullptr;
}

bool OutputFolderLock::TryLock(const std::string& folder, SystemError* error, bool* busy) {
  const FolderLock::Outcome outcome = lock_.TryLock(folder, error);
  *busy = outcome == FolderLock::Outcome::kBusy;
  if (outcome != FolderLock::Outcome::kLocked) return false;
  // Holding the lock, no other run is writing here: a temporary file of
  // ours is what a killed run left behind.
  std::vector<FolderEntry> entries;
  if (ListFolder(folder, entries, nullptr)) {
    for (const auto& entry : entries)
      for (const char* name : {kReportBySource, kReportByTarget, kFileList})
        if (IsTemporaryFileOf(entry.name, name)) RemoveFile(JoinFile(folder, entry.name));
  }
  return true;
}

}  // namespace qvn::app
