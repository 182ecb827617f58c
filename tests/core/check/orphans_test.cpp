// The orphan search: which walked files no page links to, and which are
// reachable only from those, on small sites and on a generated one.

#include "core/check/orphans.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;
using test::TempDir;
using Paths = std::vector<std::string>;

Paths NativePaths(Paths paths) {
  for (auto& path : paths) path = Native(path);
  return paths;
}

OrphanResult Search(const TempDir& site, Selection selection = {}, unsigned workers = 2) {
  if (selection.top_folder.empty()) selection.top_folder = site.path();
  Status quiet;
  return RunOrphans(selection, quiet, workers);
}

// A site whose home page reaches part of it, with an orphan chain a -> b -> c.
void MakeChainSite(const TempDir& site) {
  site.Write(
      "index.htm",
      "<a href=\"news/linked.htm\">\r\n<img src=\"img/logo.gif\">\r\n<a href=\"gone.htm\">\r\n");
  site.Write("news/linked.htm", "<a href=\"../index.htm#top\">\r\n<a href=\"mailto:x@y\">\r\n");
  site.Write("a.htm", "<a href=\"news/b.htm\">\r\n");
  site.Write("news/b.htm", "<a href=\"../deep/c.htm\">\r\n<img src=\"../img/photo.jpg\">\r\n");
  site.Write("deep/c.htm", "<a href=\"../a.htm\">\r\n");  // back to a: a cycle of orphans
  site.Write("img/logo.gif", "gif");
  site.Write("img/photo.jpg", "jpg");
  site.Write("img/unused.png", "png");
  site.Write("css/site.css", "body {}");
  site.Write("docs/manual.pdf", "pdf");
}

TEST(Orphans, ChainOfOrphanPagesAndFilesNeverLinked) {
  TempDir site;
  MakeChainSite(site);
  const OrphanResult result = Search(site);
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(result.roots, Paths{"index.htm"});
  // 'a.htm' is linked only by 'c.htm', which no root reaches: the whole
  // chain lies outside the site, and 'a.htm' is linked from within it.
  EXPECT_EQ(result.not_linked, NativePaths({"css/site.css", "docs/manual.pdf", "img/unused.png"}));
  EXPECT_EQ(result.only_from_orphans,
            NativePaths({"a.htm", "deep/c.htm", "img/photo.jpg", "news/b.htm"}));
  EXPECT_EQ(result.files, 10);
  EXPECT_EQ(result.pages_read, 5);

  // Without the link back, 'a.htm' heads the chain and is linked by no page.
  site.Write("deep/c.htm", "<p>the end</p>\r\n");
  const OrphanResult open = Search(site);
  EXPECT_EQ(open.not_linked,
            NativePaths({"a.htm", "css/site.css", "docs/manual.pdf", "img/unused.png"}));
  EXPECT_EQ(open.only_from_orphans, NativePaths({"deep/c.htm", "img/photo.jpg", "news/b.htm"}));
}

TEST(Orphans, IndexPagesOfTheTopFolderAreTheRoots) {
  // Each site: the named file, linking to 'page.htm'.
  struct Case {
    const char* name;
    bool root;
    Paths not_linked, only_from_orphans;
  } cases[] = {
      {"index.html", true, {}, {}},
      {"INDEX.HTM", true, {}, {}},
      {"Default.Htm", true, {}, {}},
      {"default.HTML", true, {}, {}},
      {"index.shtml", true, {}, {}},
      // PHP pages are read only on request: nothing follows from this root.
      {"Index.php", true, {"page.htm"}, {}},
      {"index.xhtml", false, {"index.xhtml"}, {"page.htm"}},
      {"home.htm", false, {"home.htm"}, {"page.htm"}},
      {"myindex.htm", false, {"myindex.htm"}, {"page.htm"}},
      {"index.htm.bak", false, {"index.htm.bak", "page.htm"}, {}},
  };
  for (const auto& c : cases) {
    TempDir site;
    site.Write(c.name, "<a href=\"page.htm\">\r\n");
    site.Write("page.htm", "x");
    const OrphanResult result = Search(site);
    EXPECT_EQ(result.roots, c.root ? Paths{c.name} : Paths{}) << c.name;
    EXPECT_EQ(result.not_linked, c.not_linked) << c.name;
    EXPECT_EQ(result.only_from_orphans, c.only_from_orphans) << c.name;
  }
  // An index page in a subfolder is an ordinary page.
  TempDir site;
  site.Write("index.htm", "x");
  site.Write("sub/index.htm", "x");
  EXPECT_EQ(Search(site).not_linked, NativePaths({"sub/index.htm"}));
}

TEST(Orphans, WhatCountsAsALink) {
  TempDir site;
  site.Write("index.htm",
             "<a href=\"sub/../dotted.htm\">\r\n"       // the same file as 'dotted.htm'
             "<a href=\"./plain.htm?x=1\">\r\n"         // query and "./" do not matter
             "<!-- <a href=\"commented.htm\"> -->\r\n"  // not read
             "<a href=\"excluded.htm\">\r\n"            // not tested, so no link
             "<a href=\"sub/\">\r\n");                  // a folder is no file
  site.Write("sub/x.gif", "x");
  site.Write("dotted.htm", "x");
  site.Write("plain.htm", "x");
  site.Write("commented.htm", "x");
  site.Write("excluded.htm", "x");
  site.Write("self.htm", "<a href=\"self.htm\">\r\n<a href=\"#top\">\r\n");  // to itself only
  site.Write("empty.htm", "");
  Selection selection;
  selection.excluded_links = {"EXCLUDED"};
  const OrphanResult result = Search(site, selection);
  EXPECT_EQ(result.not_linked,
            NativePaths({"commented.htm", "empty.htm", "excluded.htm", "self.htm", "sub/x.gif"}));
  EXPECT_EQ(result.only_from_orphans, Paths{});
  EXPECT_EQ(result.pages_read, 6);
}

TEST(Orphans, TheMoreChecksFollowTheLinksACheckFollows) {
  TempDir site;
  site.Write("index.htm",
             "<img srcset=\"img/a.gif 1x, img/b.gif 2x\" style=\"background: url(img/c.gif)\">\n"
             "<a href=\"/news/\">\n<meta http-equiv=refresh content=\"0;url=moved.htm\">");
  site.Write("news/index.html", "<a href='../deep/page.htm'>");
  site.Write("deep/page.htm", "x");
  for (const char* name : {"img/a.gif", "img/b.gif", "img/c.gif", "moved.htm"}) site.Write(name, "x");
  EXPECT_EQ(Search(site).not_linked,
            NativePaths({"moved.htm", "deep/page.htm", "img/a.gif", "img/b.gif", "img/c.gif",
                         "news/index.html"}));
  Selection selection;
  selection.more.all_links = selection.more.site_root = selection.more.index_pages = true;
  const OrphanResult result = Search(site, selection);
  EXPECT_EQ(result.not_linked, Paths{});
  EXPECT_EQ(result.only_from_orphans, Paths{});
  // Without the index pages, a folder link reaches nothing.
  selection.more.index_pages = false;
  EXPECT_EQ(Search(site, selection).not_linked, NativePaths({"news/index.html"}));
}

TEST(Orphans, ExclusionsTakeFilesOutOfTheSearch) {
  TempDir site;
  site.Write("index.htm", "<a href=\"archive/old.htm\">\r\n<a href=\"backup/keep.htm\">\r\n");
  site.Write("lost.htm", "x");
  site.Write("archive/old.htm", "<a href=\"../from-old.htm\">\r\n");
  site.Write("from-old.htm", "x");
  site.Write("backup/keep.htm", "<a href=\"../from-backup.htm\">\r\n");
  site.Write("backup/stray.gif", "x");
  site.Write("from-backup.htm", "x");
  site.Write("images/stray.gif", "x");
  site.Write("page.php", "<a href=\"from-php.htm\">\r\n");
  site.Write("from-php.htm", "x");
  Selection selection;
  selection.top_folder = site.path();
  selection.excluded_subfolders = {"Images"};
  selection.excluded_filepaths = {"ARCHIVE"};
  // Excluded files are neither listed nor read: what only they link to is orphaned.
  EXPECT_EQ(
      Search(site, selection).not_linked,
      NativePaths({"from-old.htm", "from-php.htm", "lost.htm", "page.php", "backup/stray.gif"}));
  selection.include_php = true;
  EXPECT_EQ(Search(site, selection).not_linked,
            NativePaths({"from-old.htm", "lost.htm", "page.php", "backup/stray.gif"}));
  selection.top_folder_only = true;
  EXPECT_EQ(Search(site, selection).not_linked,
            Paths({"from-backup.htm", "from-old.htm", "lost.htm", "page.php"}));
}

TEST(Orphans, TopFolderWrittenWithDotSegments) {
  TempDir site;
  MakeChainSite(site);
  Selection selection;
  selection.top_folder = site.path() + Native("news/../");
  const OrphanResult dotted = Search(site, selection);
  const OrphanResult plain = Search(site);
  EXPECT_EQ(dotted.not_linked, plain.not_linked);
  EXPECT_EQ(dotted.only_from_orphans, plain.only_from_orphans);
}

TEST(Orphans, LetterCaseOfLinksFollowsTheFileSystem) {
  TempDir site;
  site.Write("index.htm", "<img src=\"Logo.GIF\">\r\n<a href=\"PAGE.HTM.\">\r\n");
  site.Write("logo.gif", "x");
  site.Write("page.htm", "x");
#ifdef _WIN32
  // Windows finds 'logo.gif' and 'page.htm' under those names.
  EXPECT_EQ(Search(site).not_linked, Paths{});
#else
  EXPECT_EQ(Search(site).not_linked, Paths({"logo.gif", "page.htm"}));
#endif
}

TEST(Orphans, NoIndexPageMeansNothingIsReachable) {
  TempDir site;
  site.Write("home.htm", "<a href=\"about.htm\">\r\n");
  site.Write("about.htm", "<a href=\"home.htm\">\r\n");
  const OrphanResult result = Search(site);
  EXPECT_EQ(result.roots, Paths{});
  EXPECT_EQ(result.not_linked, Paths{});
  EXPECT_EQ(result.only_from_orphans, Paths({"about.htm", "home.htm"}));
}

TEST(Orphans, AStoppedSearchListsNothing) {
  TempDir site;
  MakeChainSite(site);
  struct StopAtOnce : Status {
    bool ShouldStop() override { return true; }
  } stop;
  Selection selection;
  selection.top_folder = site.path();
  const OrphanResult result = RunOrphans(selection, stop, 2);
  EXPECT_TRUE(result.stopped);
  EXPECT_TRUE(result.not_linked.empty());
  EXPECT_TRUE(result.only_from_orphans.empty());
}

// Pages in many folders, linking forwards, backwards and across folders,
// some in chains that no root reaches, of very different sizes so that the
// workers finish out of order.
void MakeLargeSite(const TempDir& site) {
  std::string index;
  for (int f = 0; f < 12; ++f) index += "<a href=\"f" + std::to_string(f) + "/p0.htm\">\r\n";
  site.Write("index.htm", index);
  for (int f = 0; f < 12; ++f) {
    for (int p = 0; p < 60; ++p) {
      std::string page;
      const int lines = p % 11 == 0 ? 3000 : 1 + p % 4;
      for (int k = 0; k < lines; ++k) {
        const int to = (p * 7 + k * 13) % 60;
        page += "<a href=\"../f" + std::to_string((f + k) % 12) + "/p" + std::to_string(to) +
                ".htm\">\r\n";
      }
      // Every fifth page of a folder links on only to the next one: chains.
      if (p % 5 == 4) page = "<a href=\"p" + std::to_string((p + 1) % 60) + ".htm\">\r\n";
      site.Write("f" + std::to_string(f) + "/p" + std::to_string(p) + ".htm", page);
      if (p % 9 == 0) site.Write("f" + std::to_string(f) + "/i" + std::to_string(p) + ".gif", "x");
    }
  }
}

TEST(Orphans, WorkersFindWhatASerialSearchFinds) {
  TempDir site;
  MakeLargeSite(site);
  const OrphanResult serial = Search(site, {}, 0);
  ASSERT_FALSE(serial.not_linked.empty());
  for (unsigned workers : {1u, 4u}) {
    const OrphanResult parallel = Search(site, {}, workers);
    EXPECT_EQ(parallel.not_linked, serial.not_linked);
    EXPECT_EQ(parallel.only_from_orphans, serial.only_from_orphans);
    EXPECT_EQ(parallel.pages_read, serial.pages_read);
  }
}

}  // namespace
}  // namespace qvn
