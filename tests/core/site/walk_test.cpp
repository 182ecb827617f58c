#include "core/site/walk.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/check/run.h"
#include "support/folder_links.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::TempDir;

// Relative paths written with "/", in the platform's form.
std::vector<std::string> Paths(std::initializer_list<std::string_view> paths) {
  std::vector<std::string> out;
  for (const auto path : paths) out.push_back(test::Native(path));
  return out;
}

// Stops the run once `stop_after` pages have been listed.
class StoppingStatus : public Status {
 public:
  explicit StoppingStatus(long long stop_after) : stop_after_(stop_after) {}
  void FileListed(long long count) override { listed_ = count; }
  bool ShouldStop() override {
    ++asked_;
    return stop_after_ > 0 && listed_ >= stop_after_;
  }
  long long asked_ = 0;

 private:
  long long stop_after_;
  long long listed_ = 0;
};

std::vector<std::string> List(const Selection& selection, long long stop_after = 0,
                              bool* stopped = nullptr) {
  StoppingStatus status(stop_after);
  ListResult result = RunList(selection, status);
  if (stopped != nullptr) *stopped = result.stopped;
  return result.files;
}

Selection SelectionFor(const TempDir& site) {
  Selection selection;
  selection.top_folder = site.path();
  return selection;
}

TEST(Walk, SelectsPagesByExtensionAndSize) {
  TempDir site;
  for (const char* name : {"INDEX.HTML", "a.shtml", "b.xhtml", "c.htm", "d.css", "e.txt", "f",
                           "g.php", "G2.PHP", "h.php5", "html/noext", "x.HTM.bak"})
    site.Write(name, "x");
  site.Write("empty.htm", "");
  Selection selection = SelectionFor(site);
  EXPECT_EQ(List(selection),
            (std::vector<std::string>{"a.shtml", "b.xhtml", "c.htm", "INDEX.HTML"}));
  selection.include_php = true;
  EXPECT_EQ(List(selection), (std::vector<std::string>{"a.shtml", "b.xhtml", "c.htm", "g.php",
                                                       "G2.PHP", "INDEX.HTML"}));
}

TEST(Walk, OrderIsFilesThenSubfoldersByUpperCaseName) {
  TempDir site;
  for (const char* name : {"b.htm", "a.htm", "A.htm", "_x.htm", "Z.htm", "sub/z.htm",
                           "Sub2/a.htm", "sub/deeper/d.htm", "sub/c.htm", "\xC3\xA9t\xC3\xA9.htm"})
    site.Write(name, "x");
#ifdef _WIN32
  // Windows names ignore letter case: writing "A.htm" wrote "a.htm" again.
  EXPECT_EQ(List(SelectionFor(site)),
            Paths({"a.htm", "b.htm", "Z.htm", "_x.htm", "\xC3\xA9t\xC3\xA9.htm", "sub/c.htm",
                   "sub/z.htm", "sub/deeper/d.htm", "Sub2/a.htm"}));
#else
  EXPECT_EQ(List(SelectionFor(site)),
            (std::vector<std::string>{"A.htm", "a.htm", "b.htm", "Z.htm", "_x.htm",
                                      "\xC3\xA9t\xC3\xA9.htm", "sub/c.htm", "sub/z.htm",
                                      "sub/deeper/d.htm", "Sub2/a.htm"}));
#endif
}

TEST(Walk, ExclusionsAndTopFolderOnly) {
  TempDir site;
  for (const char* name : {"index.htm", "bold.htm", "Old/a.htm", "images/i.htm",
                           "docs/images/d.htm", "docs/x.htm"})
    site.Write(name, "x");
  Selection selection = SelectionFor(site);
  selection.excluded_filepaths = {"OLD"};
  EXPECT_EQ(List(selection),
            Paths({"index.htm", "docs/x.htm", "docs/images/d.htm", "images/i.htm"}));
  selection.excluded_filepaths.clear();
  selection.excluded_subfolders = {"IMAGES"};
  EXPECT_EQ(List(selection),
            Paths({"bold.htm", "index.htm", "docs/x.htm", "docs/images/d.htm", "Old/a.htm"}));
  selection.excluded_subfolders.clear();
  selection.top_folder_only = true;
  EXPECT_EQ(List(selection), (std::vector<std::string>{"bold.htm", "index.htm"}));
  // An empty word is contained in every path.
  selection.top_folder_only = false;
  selection.excluded_filepaths = {""};
  EXPECT_TRUE(List(selection).empty());
}

TEST(Walk, StopEndsTheWalkAfterTheCurrentPage) {
  TempDir site;
  for (const char* name : {"a.htm", "b.htm", "c.htm", "sub/d.htm"}) site.Write(name, "x");
  bool stopped = false;
  EXPECT_EQ(List(SelectionFor(site), 2, &stopped), (std::vector<std::string>{"a.htm", "b.htm"}));
  EXPECT_TRUE(stopped);
  EXPECT_EQ(List(SelectionFor(site), 0, &stopped).size(), 4u);
  EXPECT_FALSE(stopped);
}

#ifndef _WIN32
TEST(Walk, SymbolicLinksLoopsAndSpecialFiles) {
  TempDir site;
  site.Write("real/page.htm", "x");
  site.Write("target.htm", "x");
  ASSERT_EQ(symlink("..", (site.path() + "real/up").c_str()), 0);
  ASSERT_EQ(symlink("real", (site.path() + "alias").c_str()), 0);
  ASSERT_EQ(symlink("target.htm", (site.path() + "linked.htm").c_str()), 0);
  ASSERT_EQ(symlink("nowhere.htm", (site.path() + "dangling.htm").c_str()), 0);
  ASSERT_EQ(symlink("self.htm", (site.path() + "self.htm").c_str()), 0);
  ASSERT_EQ(mkfifo((site.path() + "pipe.htm").c_str(), 0600), 0);
  // "alias" reaches "real" first in walk order, so "real" itself is not
  // walked again; "up" leads back into the chain and is not entered.
  EXPECT_EQ(List(SelectionFor(site)), (std::vector<std::string>{"linked.htm", "target.htm",
                                                                "alias/page.htm"}));
}

// Pages and other files the walk passes, in walk order.
class EveryFile : public PageVisitor {
 public:
  void OnPage(const std::string& path, long long, const PageFolder&) override {
    paths.push_back(path);
  }
  bool WantsOtherFiles() const override { return true; }
  void OnOtherFile(const std::string& path) override { paths.push_back(path); }
  std::vector<std::string> paths;
};

TEST(Walk, EachRealFolderOnceAndNoPseudoFileSystems) {
  TempDir site;
  constexpr int kLevels = 30;  // each path walked would be 2^30 folders
  ASSERT_TRUE(test::MakeBranchingChain(site, kLevels));
  std::vector<std::string> pseudo;
  ASSERT_TRUE(test::LinkPseudoFolders(site, pseudo));
  EveryFile visitor;
  Status quiet;
  ASSERT_TRUE(WalkFolders(SelectionFor(site), quiet, visitor));
  // The chain is walked down through "a": each page once, at its first path.
  std::vector<std::string> expected;
  std::string folder = site.path() + "d0/";
  for (int level = 0; level <= kLevels; ++level, folder += "a/")
    expected.push_back(folder + "p.htm");
  EXPECT_EQ(visitor.paths, expected);
  if (pseudo.empty()) GTEST_SKIP() << "neither /proc nor /sys here: pseudo file systems untested";
}
#endif

TEST(Walk, FoldersDeeperThanTheLimitAreSkipped) {
  TempDir site;
  std::string folder;
  for (int level = 0; level <= 131; ++level) {
    site.Write(folder + "p.htm", "x");
    folder += "d/";
  }
  const auto files = List(SelectionFor(site));
  // The top folder and 128 levels below it.
  ASSERT_EQ(files.size(), 129u);
  EXPECT_EQ(std::count(files.back().begin(), files.back().end(), kSeparator), 128);
}

#ifndef _WIN32
TEST(Walk, NamesThatAreNotUtf8OrStartWithADotAreWalked) {
  TempDir site;
  site.Write("caf\xE9.htm", "x");
  site.Write(".hidden.htm", "x");
  site.Write(".git/x.htm", "x");
  EXPECT_EQ(List(SelectionFor(site)),
            (std::vector<std::string>{".hidden.htm", "caf\xE9.htm", ".git/x.htm"}));
}

TEST(Walk, UnreadableFolderIsSkippedSilently) {
  TempDir site;
  site.Write("a.htm", "x");
  site.Write("locked/b.htm", "x");
  site.Write("z/c.htm", "x");
  ASSERT_EQ(chmod((site.path() + "locked").c_str(), 0), 0);
  std::vector<std::string> expected = {"a.htm", "z/c.htm"};
  // Root reads every folder whatever its permissions.
  if (geteuid() == 0) expected.insert(expected.begin() + 1, "locked/b.htm");
  EXPECT_EQ(List(SelectionFor(site)), expected);
}
#endif

}  // namespace
}  // namespace qvn
