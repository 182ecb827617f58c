#include "core/repair/repair_apply.h"

#include <gtest/gtest.h>

#include "core/platform/path.h"
#include "core/repair/repair_backup.h"
#include "support/repair_site.h"

namespace qvn {
namespace {

using test::TempDir;

constexpr const char* kPages[] = {"a.htm", "b.htm", "c.htm"};
constexpr const char* kOld = "<p>\r\n<a href=\"Logo.GIF\">\r\n";
constexpr const char* kNew = "<p>\r\n<a href=\"logo.gif\">\r\n";

// Three pages, each with one link to repair.
class RepairApply : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* page : kPages) site_.Write(page, kOld);
    site_.Write("logo.gif", "");
    checked_ = test::PlanSiteRepairs(site_, {}, {});
    ASSERT_EQ(checked_.plan.pages.size(), 3u);
  }
  std::string Repairs() const { return data_.path() + "repairs"; }
  std::string Page(const char* name) const { return site_.path() + name; }

  TempDir site_, data_;
  test::CheckedRepairs checked_;
};

TEST_F(RepairApply, APageChangedSinceTheCheckIsLeftAlone) {
  site_.Write("b.htm", std::string(kOld) + "<p>added</p>\r\n");
  const ApplyOutcome outcome = ApplyRepairs(checked_.plan, Repairs());
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].page, Page("b.htm"));
  EXPECT_EQ(outcome.pages_written, 2);
  EXPECT_EQ(site_.Read("a.htm"), kNew);
  EXPECT_EQ(site_.Read("b.htm"), std::string(kOld) + "<p>added</p>\r\n");
  EXPECT_EQ(ReadManifest(outcome.run, nullptr)->size(), 2u);
}

TEST_F(RepairApply, AnInterruptedApplyLeavesEachPageOldOrNewAndTheBackupWhole) {
  int calls = 0;
  const PageWriter failing_second = [&](const std::string& path, std::string_view bytes,
                                        SystemError* error) {
    if (++calls == 2) {
      error->description = "disk full";
      return false;
    }
    return WriteFileReplacing(path, bytes, error);
  };
  const ApplyOutcome outcome = ApplyRepairs(checked_.plan, Repairs(), failing_second);
  EXPECT_NE(outcome.failure.find("disk full"), std::string::npos);
  EXPECT_EQ(outcome.pages_written, 1);
  EXPECT_EQ(site_.Read("a.htm"), kNew);
  EXPECT_EQ(site_.Read("b.htm"), kOld);
  EXPECT_EQ(site_.Read("c.htm"), kOld);
  const auto manifest = ReadManifest(outcome.run, nullptr);
  ASSERT_TRUE(manifest);
  ASSERT_EQ(manifest->size(), 3u);
  for (const BackupEntry& entry : *manifest)
    EXPECT_EQ(site_.Read(outcome.run + kSeparator + entry.backup), kOld) << entry.page;

  // Undo puts back what was written and leaves what was not.
  const UndoOutcome undone = UndoRepairs(Repairs(), "");
  EXPECT_EQ(undone.failure, "");
  EXPECT_TRUE(undone.messages.empty());
  EXPECT_EQ(undone.pages_restored, 1);
  for (const char* page : kPages) EXPECT_EQ(site_.Read(page), kOld) << page;
  EXPECT_NE(UndoRepairs(Repairs(), "").failure, "");  // nothing left to undo
}

TEST_F(RepairApply, UndoRefusesAPageChangedSinceTheRepair) {
  const ApplyOutcome outcome = ApplyRepairs(checked_.plan, Repairs());
  ASSERT_EQ(outcome.pages_written, 3);
  site_.Write("c.htm", "edited");
  const std::string run(GetFileNamePart(outcome.run, false));
  const UndoOutcome undone = UndoRepairs(Repairs(), run);
  ASSERT_EQ(undone.messages.size(), 1u);
  EXPECT_EQ(undone.messages[0].page, Page("c.htm"));
  EXPECT_EQ(undone.pages_restored, 2);
  EXPECT_EQ(site_.Read("a.htm"), kOld);
  EXPECT_EQ(site_.Read("c.htm"), "edited");
}

TEST(RepairBackup, TheManifestKeepsAnyPath) {
  TempDir data;
  const std::vector<BackupEntry> entries = {
      {"/site/a b%20\t\n\r.htm", "1.old", 1, ~std::uint64_t{0}},
      {"C:\\site\\caf\xC3\xA9.htm", "2.old", 0x1234, 0}};
  ASSERT_TRUE(WriteManifest(data.path() + "run", entries, nullptr) ||
              (CreateFolders(data.path() + "run", nullptr) &&
               WriteManifest(data.path() + "run", entries, nullptr)));
  const auto read = ReadManifest(data.path() + "run", nullptr);
  ASSERT_TRUE(read);
  ASSERT_EQ(read->size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ((*read)[i].page, entries[i].page);
    EXPECT_EQ((*read)[i].backup, entries[i].backup);
    EXPECT_EQ((*read)[i].old_hash, entries[i].old_hash);
    EXPECT_EQ((*read)[i].new_hash, entries[i].new_hash);
  }
}

}  // namespace
}  // namespace qvn
