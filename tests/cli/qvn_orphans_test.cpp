// End-to-end: `qvn orphans` on small sites, its output and exit status.

#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/settings_lines.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;
using test::InQuotes;
using test::Native;
using test::RunQvn;
using test::TempDir;

void MakeSite(const TempDir& site) {
  site.Write("Index.html", "<a href=\"news/one.htm\">\r\n<img src=\"img/logo.gif\">\r\n");
  site.Write("news/one.htm", "<a href=\"../index.html\">\r\n");
  site.Write("a.htm", "<a href=\"news/b.htm\">\r\n");
  site.Write("news/b.htm", "<a href=\"c.htm\">\r\n");
  site.Write("news/c.htm", "<p>the end</p>\r\n");
  site.Write("img/logo.gif", "x");
  site.Write("img/old.gif", "x");
  site.Write("style/site.css", "x");
}

TEST(QvnOrphans, ListsBothKindsOfOrphansInWalkOrder) {
  TempDir site;
  MakeSite(site);
  const auto run = RunQvn({"orphans", site.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "Top folder: " + site.path() +
                         "\n"
                         "Files walked: 8; pages read: 5\n"
                         "Roots (1):\n"
                         "  Index.html\n"
                         "\n"
                         "Not linked from any page (3):\n"
                         "  a.htm\n" +
                         Native("  img/old.gif\n") + Native("  style/site.css\n") +
                         "\n"
                         "Reachable only from orphans (2):\n" +
                         Native("  news/b.htm\n") + Native("  news/c.htm\n") +
                         "\n"
                         "5 orphan files: 3 not linked from any page, 2 reachable only from "
                         "orphans.\n");
}

TEST(QvnOrphans, ExitStatusAndSelection) {
  TempDir site, files;
  MakeSite(site);
  // Nothing to find once the orphans are outside the selection.
  auto run = RunQvn({"orphans", site.path(), "--exclude-paths", "a.htm,style,old.gif",
                     "--exclude-subfolder", "news"});
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_TRUE(run.out.ends_with("\nNo orphan files.\n")) << run.out;
  // The same from a settings file (top folder, subfolders, paths, links, options).
  files.Write("s.usr", CrLf({InQuotes(site.path()), "\"news\"", "\"a.htm, style,old.gif\"", "\"\"",
                             " 0 ", " 0 ", " 0 "}));
  run = RunQvn({"orphans", "--settings", files.path() + "s.usr"});
  EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
  EXPECT_TRUE(run.out.ends_with("\nNo orphan files.\n")) << run.out;
}

TEST(QvnOrphans, BadInput) {
  TempDir site;
  site.Write("file", "x");
  const std::vector<std::string> cases[] = {
      {"orphans"},
      {"orphans", site.path() + "missing"},
      {"orphans", site.path() + "file"},
      {"orphans", site.path(), "--output-dir", site.path()},
      {"orphans", site.path(), "--show-repeated"},
  };
  for (const auto& args : cases) {
    const auto run = RunQvn(args);
    EXPECT_EQ(run.exit_code, 2) << args.back();
    EXPECT_EQ(run.out, "") << args.back();
    EXPECT_NE(run.err, "") << args.back();
  }
}

}  // namespace
}  // namespace qvn
