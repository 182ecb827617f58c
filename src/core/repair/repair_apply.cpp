#include "core/repair/repair_apply.h"

#include "core/platform/path.h"
#include "core/repair/repair_backup.h"

namespace qvn {
namespace {

// A page ready to be written: its old and new bytes.
struct ReadyPage {
  const PagePlan* plan;
  std::string old_bytes, new_bytes;
};

std::vector<ReadyPage> ReadyPages(const RepairPlan& plan, ApplyOutcome& outcome) {
  std::vector<ReadyPage> ready;
  for (const PagePlan& page : plan.pages) {
    std::string bytes;
    PageStamp stamp;
    SystemError error;
    if (!ReadPage(page.page, bytes, stamp, &error)) {
      outcome.messages.push_back({page.page, "cannot be read, left alone: " + error.description});
      continue;
    }
    if (!(stamp == page.stamp)) {
      outcome.messages.push_back({page.page, "changed since the check, left alone"});
      continue;
    }
    std::vector<PageEdit> edits;
    for (const std::size_t index : page.proposals) edits.push_back(plan.proposals[index].edit);
    ready.push_back({&page, bytes, ApplyEdits(bytes, edits)});
  }
  return ready;
}

// Backs every ready page up, the manifest last; false with outcome.failure set.
bool BackUp(const std::vector<ReadyPage>& ready, const std::string& repairs_folder,
            ApplyOutcome& outcome) {
  SystemError error;
  const auto folder = CreateRunFolder(repairs_folder, &error);
  if (!folder) {
    outcome.failure =
        "cannot make the backup folder in " + repairs_folder + ": " + error.description;
    return false;
  }
  std::vector<BackupEntry> entries;
  for (const ReadyPage& page : ready) {
    BackupEntry entry{page.plan->page, std::to_string(entries.size() + 1) + ".old",
                      ContentHash(page.old_bytes), ContentHash(page.new_bytes)};
    if (!WriteFileReplacing(*folder + kSeparator + entry.backup, page.old_bytes, &error)) {
      outcome.failure =
          "cannot back up " + entry.page + " in " + *folder + ": " + error.description;
      return false;
    }
    entries.push_back(std::move(entry));
  }
  if (!WriteManifest(*folder, entries, &error)) {
    outcome.failure = "cannot write the backup's manifest in " + *folder + ": " + error.description;
    return false;
  }
  outcome.run = *folder;
  return true;
}

}  // namespace

ApplyOutcome ApplyRepairs(const RepairPlan& plan, const std::string& repairs_folder,
                          const PageWriter& write) {
  ApplyOutcome outcome;
  const std::vector<ReadyPage> ready = ReadyPages(plan, outcome);
  if (ready.empty() || !BackUp(ready, repairs_folder, outcome)) return outcome;
  for (const ReadyPage& page : ready) {
    SystemError error;
    if (!write(page.plan->page, page.new_bytes, &error)) {
      outcome.failure = "cannot write " + page.plan->page + ": " + error.description;
      break;
    }
    ++outcome.pages_written;
    outcome.written.push_back(page.plan->page);
    outcome.links_repaired += static_cast<long long>(page.plan->proposals.size());
  }
  return outcome;
}

UndoOutcome UndoRepairs(const std::string& repairs_folder, const std::string& run,
                        const PageWriter& write) {
  UndoOutcome outcome;
  std::string name = run;
  if (name.empty()) {
    for (const std::string& known : ListRuns(repairs_folder))
      if (!IsUndone(repairs_folder + kSeparator + known)) name = known;
    if (name.empty()) {
      outcome.failure = "there is no repair to undo in " + repairs_folder;
      return outcome;
    }
  }
  const std::string folder = repairs_folder + kSeparator + name;
  SystemError error;
  const auto entries = ReadManifest(folder, &error);
  if (!entries) {
    outcome.failure = "cannot read the repair " + folder + ": " + error.description;
    return outcome;
  }
  outcome.run = folder;
  for (const BackupEntry& entry : *entries) {
    std::string bytes, old_bytes;
    PageStamp stamp;
    if (!ReadPage(entry.page, bytes, stamp, &error)) {
      outcome.messages.push_back(
          {entry.page, "cannot be read, not restored: " + error.description});
      continue;
    }
    if (stamp.hash == entry.old_hash) continue;  // the run stopped before this page
    if (stamp.hash != entry.new_hash) {
      outcome.messages.push_back({entry.page, "changed since the repair, not restored"});
      continue;
    }
    PageStamp backup;
    if (!ReadPage(folder + kSeparator + entry.backup, old_bytes, backup, &error) ||
        backup.hash != entry.old_hash) {
      outcome.messages.push_back({entry.page, "its backup is missing or damaged, not restored"});
      continue;
    }
    if (!write(entry.page, old_bytes, &error)) {
      outcome.messages.push_back({entry.page, "cannot be written: " + error.description});
      continue;
    }
    ++outcome.pages_restored;
  }
  if (outcome.messages.empty()) MarkUndone(folder, &error);
  return outcome;
}

}  // namespace qvn
