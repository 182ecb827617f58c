#include "core/site/folder_stats.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/platform/path.h"
#include "support/folder_links.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;
using test::TempDir;

// Lists the disk, except that chosen folders fail with a chosen error number,
// described as the platform describes it.
class RefusingReader : public FolderReader {
 public:
  void Refuse(const std::string& folder, int code = EACCES) { refused_[Key(folder)] = code; }

  bool List(const std::string& folder, std::vector<FolderEntry>& entries,
            SystemError* error) const override {
    const auto it = refused_.find(Key(folder));
    if (it == refused_.end()) return FolderReader::List(folder, entries, error);
    entries.clear();
    error->code = it->second;
    error->permission_denied = it->second == EACCES;
    error->description = std::strerror(it->second);
    return false;
  }

 private:
  static std::string Key(std::string folder) {
    while (!folder.empty() && folder.back() == kSeparator) folder.pop_back();
#ifdef _WIN32
    folder = NormalisePathCase(folder);  // Windows paths ignore letter case
#endif
    return folder;
  }
  std::map<std::string, int> refused_;
};

#ifndef _WIN32
// Symbolic links, FIFOs and raw-byte names need POSIX.
void Link(const TempDir& dir, const char* target, const char* name) {
  ASSERT_EQ(symlink(target, (dir.path() + name).c_str()), 0) << name;
}

// A folder with five files (23 bytes), one symbolic link to a file (3 bytes)
// and, not files, a subfolder, a link to it, a dangling link and a FIFO.
void MakeMixedFolder(const TempDir& dir) {
  dir.Write("a.htm", "123");
  dir.Write("B.TXT", "12345");
  dir.Write("noext", "1234567");
  dir.Write(".hidden", "12345678901");
  dir.Write("caf\xE9.HTM", "");  // not valid UTF-8
  dir.Write("sub/inner.htm", "1234567890123");
  Link(dir, "a.htm", "link.htm");
  Link(dir, "sub", "sublink");
  Link(dir, "gone.htm", "dangling.htm");
  ASSERT_EQ(mkfifo((dir.path() + "pipe.htm").c_str(), 0600), 0);
}

TEST(FolderStats, CountFilesInFolderByPatternAndOptions) {
  TempDir dir;
  MakeMixedFolder(dir);
  struct Case {
    const char* pattern;
    bool stop_at_first, sum_sizes;
    long long count;
    std::uint64_t bytes;
  } cases[] = {
      {"*.*", false, false, 6, 0},
      {"*.*", false, true, 6, 3 + 5 + 7 + 11 + 0 + 3},
      {"*.*", true, false, 6, 0},  // counted in one step: every file
      {"*.*", true, true, 1, 11},  // one by one in name order: ".hidden" first
      {"*.htm", false, true, 3, 3 + 0 + 3},
      {"*.HTM", false, false, 3, 0},
      {"*.txt", false, true, 1, 5},
      {"*.htm", true, true, 1, 3},  // "a.htm" before "caf\xE9.HTM" and "link.htm"
      {"*.css", false, true, 0, 0},
      {"*", false, false, 1, 0},  // only the name without "."
  };
  for (const Case& c : cases) {
    FileCountOptions options;
    options.stop_at_first = c.stop_at_first;
    options.sum_sizes = c.sum_sizes;
    for (const std::string& folder : {dir.path(), dir.path().substr(0, dir.path().size() - 1)}) {
      const FolderCount result = CountFilesInFolder(folder, c.pattern, options);
      SCOPED_TRACE(std::string(c.pattern) + " stop=" + std::to_string(c.stop_at_first) +
                   " sizes=" + std::to_string(c.sum_sizes) + " in " + folder);
      EXPECT_EQ(result.count, c.count);
      EXPECT_EQ(result.bytes, c.bytes);
      EXPECT_FALSE(result.permission_denied);
      EXPECT_EQ(result.error_text, "");
    }
  }
}

#endif

TEST(FolderStats, CountFilesInFolderLetsEventsRunAfterEachFileTakenOneByOne) {
  TempDir dir;
  for (const char* name : {"a.htm", "b.css", "c.htm"}) dir.Write(name, "x");
  dir.MakeDir("sub");
  int calls = 0;
  FileCountOptions options;
  options.after_each_file = [&calls] { ++calls; };
  EXPECT_EQ(CountFilesInFolder(dir.path(), "*.htm", options).count, 2);
  EXPECT_EQ(calls, 3);  // the file that does not match too, the subfolder not
  calls = 0;
  EXPECT_EQ(CountFilesInFolder(dir.path(), kAllFiles, options).count, 3);
  EXPECT_EQ(calls, 0);
}

#ifndef _WIN32
// These also compare POSIX error numbers and their texts.
TEST(FolderStats, CountSubfoldersCountsFoldersAndLinksToThem) {
  TempDir dir;
  MakeMixedFolder(dir);
  dir.MakeDir("Other/deeper");
  EXPECT_EQ(CountSubfolders(dir.path()).count, 3);  // sub, sublink, Other
  EXPECT_EQ(CountSubfolders(dir.path() + "//").count, 3);
  EXPECT_EQ(CountSubfolders(dir.path() + "Other").count, 1);
  EXPECT_EQ(CountSubfolders(dir.path() + "sublink").count, 0);
}

// What each routine answers for a folder that cannot be read.
TEST(FolderStats, FoldersThatCannotBeRead) {
  TempDir dir;
  dir.Write("file.htm", "x");
  dir.Write("refused/a.htm", "x");
  dir.Write("broken/a.htm", "x");
  RefusingReader reader;
  reader.Refuse(dir.path() + "refused");
  reader.Refuse(dir.path() + "broken", EIO);
  const std::string denied = std::strerror(EACCES);
  ASSERT_EQ(denied, "Permission denied");
  struct Case {
    std::string folder;
    long long files;
    bool files_denied;
    std::string files_error, subfolders_error;
  } cases[] = {
      {"refused", 0, true, "", denied},
      {"broken", -1, false, std::strerror(EIO), std::strerror(EIO)},
      {"missing", -1, false, std::strerror(ENOENT), std::strerror(ENOENT)},
      {"file.htm", -1, false, std::strerror(ENOTDIR), std::strerror(ENOTDIR)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    const std::string folder = dir.path() + c.folder;
    const FolderCount files = CountFilesInFolder(folder, kAllFiles, {}, reader);
    EXPECT_EQ(files.count, c.files);
    EXPECT_EQ(files.permission_denied, c.files_denied);
    EXPECT_EQ(files.error_text, c.files_error);
    EXPECT_EQ(files.error_code != 0, !c.files_error.empty());
    const FolderCount subfolders = CountSubfolders(folder, reader);
    EXPECT_EQ(subfolders.count, -1);
    EXPECT_EQ(subfolders.error_text, c.subfolders_error);
    EXPECT_NE(subfolders.error_code, 0);
    bool empty_denied = !c.files_denied;
    EXPECT_TRUE(IsFolderEmpty(folder, &empty_denied, reader));
    EXPECT_EQ(empty_denied, c.files_denied);
  }
  EXPECT_EQ(CountFilesInFolder("", kAllFiles).count, -1);
  EXPECT_EQ(CountSubfolders("").count, -1);
}

TEST(FolderStats, IsFolderEmpty) {
  TempDir dir;
  dir.MakeDir("empty");
  dir.MakeDir("only_subfolder/sub");
  dir.Write("only_file/x", "");
  dir.MakeDir("only_dangling");
  Link(dir, "nowhere", "only_dangling/link");
  dir.MakeDir("only_fifo");
  ASSERT_EQ(mkfifo((dir.path() + "only_fifo/pipe").c_str(), 0600), 0);
  dir.MakeDir("only_folder_link");
  Link(dir, "../empty", "only_folder_link/link");
  dir.Write("refused/x", "");
  RefusingReader reader;
  reader.Refuse(dir.path() + "refused/");
  struct Case {
    const char* folder;
    bool empty;
  } cases[] = {{"empty", true},         {"only_subfolder", false},  {"only_file", false},
               {"only_dangling", true}, {"only_fifo", true},        {"only_folder_link", false},
               {"empty/", true},        {"only_subfolder/", false}, {"refused", true}};
  for (const Case& c : cases) {
    bool denied = true;
    EXPECT_EQ(IsFolderEmpty(dir.path() + c.folder, &denied, reader), c.empty) << c.folder;
    EXPECT_EQ(denied, std::string(c.folder) == "refused") << c.folder;
  }
}

#endif

// Writes `count` files named prefix000, prefix001, ... with sizes 1, 2, ... 7,
// 1, 2, ... and returns the size of each in that order.
std::vector<std::uint64_t> WriteFiles(const TempDir& dir, const std::string& prefix, int count) {
  std::vector<std::uint64_t> sizes;
  for (int i = 0; i < count; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d", i);
    sizes.push_back(1 + i % 7);
    dir.Write(prefix + name, std::string(sizes.back(), 'x'));
  }
  return sizes;
}

std::uint64_t SumOfFirst(const std::vector<std::uint64_t>& sizes, std::size_t n) {
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < n && i < sizes.size(); ++i) sum += sizes[i];
  return sum;
}

TEST(FolderStats, CountFilesInTreeStopsAtTheFileLimit) {
  struct Case {
    int top_files, sub_a_files, sub_b_files;
    long long limit;
    bool sum_sizes;
    long long files, limit_after;
  } cases[] = {
      {100, 250, 150, 200, true, 200, kFileLimitReached},
      {100, 250, 150, 200, false, 200, kFileLimitReached},
      {100, 60, 40, 200, true, 200, kFileLimitReached},  // exactly the limit
      {100, 60, 39, 200, true, 199, 200},
      {100, 250, 150, 0, true, 500, 0},  // no limit
      {0, 0, 0, 200, true, 0, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.top_files) + "+" + std::to_string(c.sub_a_files) + "+" +
                 std::to_string(c.sub_b_files) + " limit " + std::to_string(c.limit));
    TempDir dir;
    // Walk order: the top folder's files, then "A" (in upper-case name order
    // before "b"), then "b"; the FIFO is no file.
    std::vector<std::uint64_t> sizes = WriteFiles(dir, "Top/f", c.top_files);
    const std::vector<std::uint64_t> a_sizes = WriteFiles(dir, "Top/A/f", c.sub_a_files);
    const std::vector<std::uint64_t> b_sizes = WriteFiles(dir, "Top/b/f", c.sub_b_files);
    sizes.insert(sizes.end(), a_sizes.begin(), a_sizes.end());
    sizes.insert(sizes.end(), b_sizes.begin(), b_sizes.end());
    dir.MakeDir("Top");
#ifndef _WIN32
    ASSERT_EQ(mkfifo((dir.path() + "Top/pipe").c_str(), 0600), 0);
#endif
    // The folder path keeps its letter case: "Top" and "top" differ here.
    const TreeCount tally = CountFilesInTree(dir.path() + "Top", kAllFiles, c.limit, c.sum_sizes);
    EXPECT_EQ(tally.files, c.files);
    EXPECT_EQ(tally.file_limit, c.limit_after);
    EXPECT_EQ(tally.bytes, c.sum_sizes ? SumOfFirst(sizes, c.files) : 0);
    EXPECT_EQ(tally.error_code, 0);
  }
}

TEST(FolderStats, CountFilesInTreeFailures) {
  TempDir dir;
  for (const char* name : {"top.htm", "a/1.htm", "b/1.htm", "b/x/1.htm", "b/y/1.htm", "c/1.htm"})
    dir.Write(name, "xx");
  struct Case {
    const char* refused;
    int code;
    long long files;
    int error_code;
  } cases[] = {
      {"", 0, 6, 0},         {"b", EACCES, 3, 0},  // skipped; "c" is still counted
      {"b/x", EACCES, 5, 0},                       // skipped; "b/y" and "c" are still counted
      {"b/x", EIO, 3, EIO},                        // ends the walk: "b/y" and "c" are not counted
      {"", EIO, 0, EIO},                           // the start folder itself
      {"", EACCES, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.refused) + " " + std::to_string(c.code));
    RefusingReader reader;
    if (c.code != 0) reader.Refuse(dir.path() + Native(c.refused), c.code);
    const TreeCount tally = CountFilesInTree(dir.path(), kAllFiles, 200, true, reader);
    EXPECT_EQ(tally.files, c.files);
    EXPECT_EQ(tally.bytes, static_cast<std::uint64_t>(2 * c.files));
    EXPECT_EQ(tally.error_code, c.error_code);
    EXPECT_EQ(tally.file_limit, 200);
  }
  const TreeCount missing = CountFilesInTree(dir.path() + "missing", kAllFiles, 200, true);
#ifdef _WIN32
  EXPECT_EQ(missing.error_code, 3);  // ERROR_PATH_NOT_FOUND
#else
  EXPECT_EQ(missing.error_code, ENOENT);
#endif
  EXPECT_EQ(missing.files, 0);
}

#ifndef _WIN32
TEST(FolderStats, CountFilesInTreeCountsEachRealFolderOnce) {
  TempDir dir;
  dir.Write("real/page.htm", "123");
  dir.Write("top.htm", "1");
  Link(dir, "real", "alias");        // another way into "real": counted there only
  Link(dir, "..", "real/up");        // back into the chain: not entered
  Link(dir, "real", "real/self");    // likewise
  Link(dir, "nowhere", "dangling");  // neither file nor folder
  TreeCount tally = CountFilesInTree(dir.path(), kAllFiles, 0, true);
  EXPECT_EQ(tally.files, 2);
  EXPECT_EQ(tally.bytes, 4u);
  EXPECT_EQ(tally.error_code, 0);
  // 2^30 paths through the chain, and folders on pseudo file systems
  // (never entered), add one file a level.
  TempDir chain;
  ASSERT_TRUE(test::MakeBranchingChain(chain, 30));
  std::vector<std::string> pseudo;
  ASSERT_TRUE(test::LinkPseudoFolders(chain, pseudo));
  tally = CountFilesInTree(chain.path(), kAllFiles, 0, false);
  EXPECT_EQ(tally.files, 31);
  EXPECT_EQ(tally.error_code, 0);
}

// The real refusal of the platform; needs a user that permissions apply to.
TEST(FolderStats, RealPermissionDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not apply to this user";
  TempDir dir;
  dir.Write("locked/a.htm", "x");
  ASSERT_EQ(chmod((dir.path() + "locked").c_str(), 0), 0);
  const FolderCount files = CountFilesInFolder(dir.path() + "locked", kAllFiles);
  EXPECT_EQ(files.count, 0);
  EXPECT_TRUE(files.permission_denied);
  const FolderCount subfolders = CountSubfolders(dir.path() + "locked");
  EXPECT_EQ(subfolders.count, -1);
  EXPECT_EQ(subfolders.error_text, std::strerror(EACCES));
  EXPECT_EQ(CountFilesInTree(dir.path(), kAllFiles, 200, true).error_code, 0);

  // Listed but not searchable: names can be read, sizes cannot.
  dir.Write("listable/a.htm", "123");
  dir.Write("listable/sub/b.htm", "123");
  ASSERT_EQ(chmod((dir.path() + "listable").c_str(), 0444), 0);
  FileCountOptions sizes;
  sizes.sum_sizes = true;
  const FolderCount sized = CountFilesInFolder(dir.path() + "listable", kAllFiles, sizes);
  EXPECT_EQ(sized.count, 0);
  EXPECT_TRUE(sized.permission_denied);
  EXPECT_EQ(sized.error_text, "");
  const TreeCount tally = CountFilesInTree(dir.path() + "listable", kAllFiles, 200, true);
  EXPECT_EQ(tally.files, 1);  // its size adds nothing; "sub" cannot be read
  EXPECT_EQ(tally.bytes, 0u);
  EXPECT_EQ(tally.error_code, 0);
}

#endif

}  // namespace
}  // namespace qvn
