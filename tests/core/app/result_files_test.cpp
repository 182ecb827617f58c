// Result files: the output folder, the report pair written together, the lock.

#include "core/app/result_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn::app {
namespace {

using test::TempDir;

CheckResult OneBrokenLink(const std::string& top) {
  CheckResult result;
  result.broken_links.Add(top + "a.htm", top + "gone.htm");
  return result;
}

TEST(ResultFiles, ReportsAreWrittenTogetherOrNotAtAll) {
  TempDir site, out;
  Choices choices;
  choices.top_folder = site.path();
  auto files = WriteCheckReports(OneBrokenLink(site.path()), choices, out.path());
  ASSERT_EQ(FirstFailure(files), nullptr);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_NE(out.Read("links_to.txt").find("gone.htm"), std::string::npos);
  EXPECT_NE(out.Read("links_from.txt").find("gone.htm"), std::string::npos);

  // The second cannot be replaced: the first keeps its old bytes too.
  TempDir blocked;
  blocked.Write("links_to.txt", "old");
  blocked.Write("links_from.txt/x", "");
  files = WriteCheckReports(OneBrokenLink(site.path()), choices, blocked.path());
  ASSERT_NE(FirstFailure(files), nullptr);
  EXPECT_EQ(FirstFailure(files)->path, blocked.path() + "links_from.txt");
  EXPECT_EQ(blocked.Read("links_to.txt"), "old");
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(ListFolder(blocked.path(), entries, nullptr));
  EXPECT_EQ(entries.size(), 2u) << "a temporary file was left behind";

  EXPECT_TRUE(WriteCheckReports(CheckResult(), choices, out.path()).empty());
  EXPECT_TRUE(WriteFileList(ListResult(), choices, out.path()).empty());
}

TEST(ResultFiles, OutputFolderIsMadeAndTried) {
  TempDir base;
  const OutputFolder made = PrepareOutputFolder(base.path() + "a/b", "unused");
  EXPECT_EQ(made.problem, FolderProblem::kNone);
  EXPECT_TRUE(base.Exists("a/b"));
  base.Write("file", "");
  EXPECT_EQ(PrepareOutputFolder(base.path() + "file/sub", "unused").problem,
            FolderProblem::kCannotCreate);
}

TEST(ResultFiles, TheLockMakesRunsTakeTurnsAndClearsLeftovers) {
  TempDir out;
  out.Write("links_to.txt.tmp99999-0", "left by a killed run");
  out.Write("links_to.txt.tmp-notours", "kept");
  OutputFolderLock first, second;
  SystemError error;
  bool busy = false;
  ASSERT_TRUE(first.TryLock(out.path(), &error, &busy)) << error.description;
  EXPECT_FALSE(out.Exists("links_to.txt.tmp99999-0"));
  EXPECT_TRUE(out.Exists("links_to.txt.tmp-notours"));
  EXPECT_FALSE(second.TryLock(out.path(), &error, &busy));
  EXPECT_TRUE(busy);
}

TEST(ResultFiles, TemporaryFileNames) {
  const std::pair<const char*, bool> cases[] = {
      {"links_to.txt.tmp123-0", true},  {"links_to.txt.tmp1-22", true},
      {"links_to.txt.tmp-1", false},    {"links_to.txt.tmp12-", false},
      {"links_to.txt.tmp1x-2", false},  {"links_to.txt", false},
      {"xlinks_to.txt.tmp1-2", false},  {"links_to.txt.tmp12", false}};
  for (const auto& [name, expected] : cases)
    EXPECT_EQ(IsTemporaryFileOf(name, "links_to.txt"), expected) << name;
}

}  // namespace
}  // namespace qvn::app
