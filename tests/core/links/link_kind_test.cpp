// The kind of each broken link, recorded during the check: what its target
// names on disk, or what a more check found wanting.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/check_run.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::TempDir;
using Texts = std::vector<std::string>;

// Each broken link of a check of site as "link kind", then " suggestion" when it has one.
Texts Kinds(const TempDir& site, const MoreChecks& more) {
  const CheckResult result = test::CheckSite(site, more);
  Texts texts;
  for (std::size_t i = 0; i < result.broken_links.size(); ++i) {
    const BrokenLink& link = result.broken_links.Link(i);
    texts.push_back(link.link + " " + std::string(KindName(link.kind)) +
                    (link.suggestion.empty() ? "" : " " + link.suggestion));
  }
  return texts;
}

MoreChecks More(bool letter_case, bool every_link) {
  MoreChecks more;
  more.letter_case = letter_case;
  more.check_fragments = !letter_case;  // on, without changing what these links are
  more.all_links = every_link;
  return more;
}

TEST(LinkKinds, TargetsThatAreNotFilesAreToldApart) {
  TempDir site;
  site.MakeDir("docs");
  site.Write("a.htm", "x");
  std::string page =
      "<a href=\"gone.htm\">\r\n<a href=\"docs/\">\r\n<a href=\"news/../docs\">\r\n"
      "<a href=\"a.htm/\">\r\n<a href=\"./\">\r\n";
  Texts expected = {"gone.htm missing-file", "docs/ folder", "news/../docs folder",
                    "a.htm/ missing-file", "./ folder"};
#ifdef _WIN32
  page += "<a href=\"nul\">\r\n";  // a reserved device name, in any folder
  expected.push_back("nul not-a-file");
#else
  ASSERT_EQ(mkfifo((site.path() + "pipe").c_str(), 0600), 0);
  ASSERT_EQ(symlink("nowhere.htm", (site.path() + "dangling.htm").c_str()), 0);
  page += "<a href=\"pipe\">\r\n<a href=\"dangling.htm\">\r\n";
  expected.push_back("pipe not-a-file");
  expected.push_back("dangling.htm missing-file");  // a link to nothing names nothing
#endif
  site.Write("p.htm", page);
  // The line scan alone, and the more checks' testing by line and by element.
  for (const MoreChecks& more :
       {MoreChecks(), More(false, false), More(true, false), More(true, true)})
    EXPECT_EQ(Kinds(site, more), expected) << more.letter_case << more.all_links;
}

TEST(LinkKinds, TheMoreChecksGiveTheirOwn) {
  TempDir site;
  site.Write("logo.gif", "gif");
  site.Write("a.htm", "<p id=\"top\">\r\n");
  site.Write("docs/index.htm", "x");
  site.MakeDir("empty");
  site.Write("p.htm",
             "<img src=\"Logo.gif\">\r\n<img src=\"lgo.gif\">\r\n<a href=\"a.htm#nope\">\r\n"
             "<a href=\"a.htm#top\">\r\n<a href=\"empty/\">\r\n<a href=\"docs/\">\r\n");
  MoreChecks more;
  more.letter_case = more.check_fragments = more.index_pages = true;
  const Texts expected = {"Logo.gif letter-case logo.gif", "lgo.gif missing-file logo.gif",
                          "a.htm#nope no-anchor", "empty/ no-index-page"};
  for (const bool every_link : {false, true}) {
    more.all_links = every_link;
    EXPECT_EQ(Kinds(site, more), expected) << every_link;
  }
}

}  // namespace
}  // namespace qvn
