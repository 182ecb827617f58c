// The more checks end to end through a check run: site root, index pages,
// fragments and letter case, with the line scan and with every link.

#include "core/links/more_link_tester.h"

#include <gtest/gtest.h>

#include "core/links/link_checker.h"
#include "support/check_run.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CheckedLinks;
using test::TempDir;
using Texts = std::vector<std::string>;

MoreChecks With(void (*set)(MoreChecks&), bool every_link = false) {
  MoreChecks more;
  set(more);
  more.all_links = every_link;
  return more;
}

TEST(MoreChecks, SiteRootResolvesRootRelativeLinks) {
  TempDir site;
  site.Write("img/a.gif", "gif");
  site.Write("docs/p.htm",
             "<img src=\"/img/a.gif\">\r\n<img src=\"/img/b.gif\">\r\n"
             "<a href=\"//cdn.example/x.js\">\r\n<a href=\"/../above.htm\">\r\n");
  for (const bool every_link : {false, true}) {
    // Off, root-relative links are skipped as ever.
    EXPECT_EQ(CheckedLinks(site, With([](MoreChecks&) {}, every_link)), Texts{});
    // Protocol-relative links name another site; climbing above the root is ignored.
    EXPECT_EQ(CheckedLinks(site, With([](MoreChecks& m) { m.site_root = true; }, every_link)),
              (Texts{"docs/p.htm:2:11 img/b.gif"}))
        << every_link;
  }
}

TEST(MoreChecks, SiteRootAboveOrBelowTheTopFolder) {
  TempDir site;
  site.Write("img/a.gif", "gif");
  site.Write("www/docs/p.htm", "<img src=\"/img/a.gif\">\r\n<img src=\"/img/gone.gif\">\r\n");
  site.Write("www/img/gone.gif", "gif");  // found only from www as the root
  MoreChecks more;
  more.site_root = true;
  more.site_root_folder = site.path();
  Selection selection;
  selection.top_folder = site.path() + test::Native("www/");
  selection.more = more;
  Status quiet;
  const CheckResult result = RunCheck(selection, quiet);
  ASSERT_EQ(result.broken_links.size(), 1u);
  // A target outside the top folder is a full path.
  EXPECT_EQ(result.broken_links.Target(0), site.path() + test::Native("img/gone.gif"));
  more.site_root_folder = " " + site.path() + "www";  // trimmed, and given its separator
  EXPECT_EQ(CheckedLinks(site, more), Texts{"www/docs/p.htm:1:11 www/img/a.gif"});
}

TEST(MoreChecks, IndexPagesOfFolders) {
  TempDir site;
  site.Write("docs/index.html", "x");
  site.Write("home/start.htm", "x");
  site.MakeDir("empty");
  site.Write("p.htm",
             "<a href=\"docs/\">\r\n<a href=\"docs\">\r\n<a href=\"empty/\">\r\n"
             "<a href=\"home/\">\r\n<a href=\"./\">\r\n<a href=\"gone/\">\r\n");
  // Off, a folder is not a file.
  EXPECT_EQ(CheckedLinks(site, {}).size(), 6u);
  const MoreChecks on = With([](MoreChecks& m) { m.index_pages = true; });
  EXPECT_EQ(CheckedLinks(site, on),
            (Texts{"p.htm:3:10 empty/  [no index page]", "p.htm:4:10 home/  [no index page]",
                   "p.htm:5:10 ./  [no index page]", "p.htm:6:10 gone/"}));
  MoreChecks listed = on;
  listed.index_files = " start.htm , p.htm";
  EXPECT_EQ(CheckedLinks(site, listed),
            (Texts{"p.htm:1:10 docs/  [no index page]", "p.htm:2:10 docs  [no index page]",
                   "p.htm:3:10 empty/  [no index page]", "p.htm:6:10 gone/"}));
}

TEST(MoreChecks, FragmentsNeedTheirAnchors) {
  TempDir site;
  site.Write("guide.htm", "<h2 id=\"setup\">Setup</h2>\n<a name=\"old-name\"></a><div name=\"div\">"
                          "<p id=\"caf\xC3\xA9\">");
  site.Write("doc.pdf", "pdf");
  site.Write("docs/index.htm", "<p id=\"in-index\">");
  site.Write("p.htm",
             "<p id=\"here\">\r\n<a href=\"guide.htm#setup\">\r\n<a href=\"guide.htm#nope\">\r\n"
             "<a href=\"guide.htm#old-name\">\r\n<a href=\"guide.htm#div\">\r\n"
             "<a href=\"#here\">\r\n<a href=\"#there\">\r\n<a href=\"guide.htm#top\">\r\n"
             "<a href=\"guide.htm#\">\r\n<a href=\"doc.pdf#page=2\">\r\n"
             "<a href=\"guide.htm#caf%C3%A9\">\r\n<a href=\"gone.htm#x\">\r\n"
             "<a href=\"guide.htm?q=1#Setup\">\r\n");
  const Texts expected = {"p.htm:3:10 guide.htm#nope  [no such anchor]",
                          "p.htm:5:10 guide.htm#div  [no such anchor]",
                          "p.htm:7:10 p.htm#there  [no such anchor]", "p.htm:12:10 gone.htm",
                          "p.htm:13:10 guide.htm#Setup  [no such anchor]"};
  EXPECT_EQ(CheckedLinks(site, With([](MoreChecks& m) { m.check_fragments = true; })), expected);
  EXPECT_EQ(CheckedLinks(site, With([](MoreChecks& m) { m.check_fragments = true; }, true)),
            expected);
  // Off, fragments are cut and forgotten.
  EXPECT_EQ(CheckedLinks(site, {}), Texts{"p.htm:12:10 gone.htm"});
}

TEST(MoreChecks, FragmentOfAFolderLinkIsLookedUpInItsIndexPage) {
  TempDir site;
  site.Write("docs/index.htm", "<p id=\"in-index\">");
  site.Write("p.htm", "<a href=\"docs/#in-index\">\r\n<a href=\"docs/#nope\">\r\n");
  MoreChecks more;
  more.index_pages = more.check_fragments = true;
  EXPECT_EQ(CheckedLinks(site, more), Texts{"p.htm:2:10 docs/#nope  [no such anchor]"});
}

TEST(MoreChecks, LetterCaseGivesTheRealName) {
  TempDir site;
  site.Write("img/logo.gif", "gif");
  site.Write("Docs/Guide.htm", "x");
  site.Write("p.htm",
             "<img src=\"img/Logo.gif\">\r\n<img src=\"IMG/logo.gif\">\r\n"
             "<a href=\"docs/guide.HTM\">\r\n<img src=\"img/lgo.gif\">\r\n"
             "<img src=\"img/logo.gif\">\r\n<img src=\"img/nothing-like.gif\">\r\n");
  // Reported on every platform, also where the file system ignores letter case.
  EXPECT_EQ(CheckedLinks(site, With([](MoreChecks& m) { m.letter_case = true; })),
            (Texts{"p.htm:1:11 img/Logo.gif  [letter case: logo.gif]",
                   "p.htm:2:11 IMG/logo.gif  [letter case: img/logo.gif]",
                   "p.htm:3:10 docs/guide.HTM  [letter case: Docs/Guide.htm]",
                   "p.htm:4:11 img/lgo.gif  [did you mean: logo.gif]",
                   "p.htm:6:11 img/nothing-like.gif"}));
}

TEST(MoreChecks, AllChecksTogetherWithSeveralWorkersAgreeWithOne) {
  TempDir site;
  site.Write("img/logo.gif", "gif");
  site.Write("docs/index.html", "<p id=\"a\">");
  for (int i = 0; i < 40; ++i)
    site.Write("p" + std::to_string(i) + ".htm",
               "<a href='/docs/#a'><a href=\"/docs#b\"><img srcset=\"img/Logo.gif 2x\">"
               "<a href=\"p" + std::to_string(i + 1) + ".htm#x\" id=\"x\">");
  MoreChecks more;
  more.all_links = more.site_root = more.index_pages = more.check_fragments = more.letter_case =
      true;
  const Texts serial = CheckedLinks(site, more, 0);
  EXPECT_EQ(serial.size(), 40u * 2 + 1);
  EXPECT_EQ(CheckedLinks(site, more, 4), serial);
}

TEST(MoreChecks, ATargetPageIsReadOnceForAllCheckersOfARun) {
  TempDir site;
  site.Write("guide.htm", "<p id=\"a\"><p id=\"b\">");
  std::string page;
  for (int i = 0; i < 50; ++i) page += "<a href=\"guide.htm#" + std::string(i % 2 ? "a" : "c") + "\">\n";
  site.Write("p1.htm", page);
  site.Write("p2.htm", page);
  MoreChecks more;
  more.check_fragments = true;
  MoreCheckContext context(more);
  ExistenceCache cache;
  LinkChecker first({}, cache, &context), second({}, cache, &context);
  const std::vector<std::string> chain = {site.path()};
  std::vector<BrokenLink> broken;
  first.CheckLinksInFile(site.path() + "p1.htm", chain, broken);
  second.CheckLinksInFile(site.path() + "p2.htm", chain, broken);
  EXPECT_EQ(broken.size(), 50u);
  EXPECT_EQ(context.anchors.pages_read(), 1u);
}

}  // namespace
}  // namespace qvn
