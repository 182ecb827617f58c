// End-to-end: "qvn list" and its files.txt.

#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;
using test::Native;
using test::RunQvn;
using test::TempDir;

TEST(QvnList, WritesTheFileListInWalkOrder) {
  TempDir site, out;
  for (const char* name : {"index.htm", "b.html", "style.css", "news/2019/a.htm", "news/n.shtml"})
    site.Write(name, "x");
  const auto run = RunQvn({"list", site.path(), "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, out.path() + "files.txt\nNumber of files: 4\n");
  EXPECT_EQ(out.Read("files.txt"),
            CrLf({"Top Folder is " + site.path(), "Links in four files will be checked.", "",
                  "b.html", "index.htm", Native("news/n.shtml"), Native("news/2019/a.htm"), ""}));
}

TEST(QvnList, OneFileAndNoFile) {
  TempDir site, out;
  site.Write("index.htm", "x");
  site.Write("sub/page.htm", "x");
  auto run = RunQvn({"list", site.path(), "--output-dir", out.path(), "--top-folder-only"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, out.path() + "files.txt\nSole file: index.htm\n");
  EXPECT_EQ(out.Read("files.txt"),
            CrLf({"Top Folder is " + site.path(),
                  "Link in only one file (in the top folder) will be checked.", "", "index.htm",
                  ""}));

  TempDir empty_site, empty_out;
  empty_site.Write("readme.txt", "x");
  run = RunQvn({"list", empty_site.path(), "--output-dir", empty_out.path()});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "No files.\n");
  EXPECT_FALSE(empty_out.Exists("files.txt"));
}

TEST(QvnList, ManyFilesAreCountedInWords) {
  TempDir site, out;
  for (int i = 0; i < 21; ++i) site.Write("p" + std::to_string(100 + i) + ".htm", "x");
  const auto run = RunQvn({"list", site.path(), "--output-dir", out.path()});
  EXPECT_EQ(run.out, out.path() + "files.txt\nNumber of files: 21\n");
  EXPECT_NE(out.Read("files.txt").find("\r\nLinks in twenty one files will be checked.\r\n\r\n"),
            std::string::npos);
}

TEST(QvnList, BadTopFolder) {
  const auto run = RunQvn({"list", "/no/such/folder/anywhere"});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.err.find("/no/such/folder/anywhere"), std::string::npos);
}

}  // namespace
}  // namespace qvn
