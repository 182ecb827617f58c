#include "core/results/file_list.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;

TEST(FileList, NoteLines) {
  struct Case {
    std::size_t count;
    bool stopped, top_only;
    const char* note;
  } cases[] = {
      {1, false, false, "Links in only one file will be checked."},
      {1, false, true, "Link in only one file (in the top folder) will be checked."},
      {21, false, false, "Links in twenty one files will be checked."},
      {40, false, true, "Links in forty files (in the top folder) will be checked."},
      {1234, false, false, "Links in 1,234 files will be checked."},
      {5, true, false, "The listing of files was stopped, so this list is incomplete."},
      {1, true, true, "The listing of files was stopped, so this list is incomplete."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FileListNote(c.count, c.stopped, c.top_only), c.note) << c.count;
}

TEST(FileList, Layout) {
  EXPECT_EQ(BuildFileList("/site/", {"index.htm"}, false, false),
            CrLf({"Top Folder is /site/", "Links in only one file will be checked.", "",
                  "index.htm", ""}));
  EXPECT_EQ(BuildFileList("/site/", {"a.htm", "news/b.htm"}, false, true),
            CrLf({"Top Folder is /site/", "Links in two files (in the top folder) will be checked.",
                  "", "a.htm", "news/b.htm", ""}));
}

TEST(FileList, StatusTexts) {
  struct Case {
    ListResult result;
    const char* text;
  } cases[] = {
      {{{}, false}, "No files."},
      {{{"index.htm"}, false}, "Sole file: index.htm"},
      {{{test::Native("news/2019/a.htm")}, false}, "Sole file: a.htm"},
      {{std::vector<std::string>(1500, "x.htm"), false}, "Number of files: 1,500"},
      {{{"a.htm", "b.htm"}, true}, "Listing of files was stopped."},
      {{{}, true}, "Listing of files was stopped."},
  };
  for (const auto& c : cases) EXPECT_EQ(ListStatusText(c.result), c.text);
}

}  // namespace
}  // namespace qvn
