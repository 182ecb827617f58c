// The every-link check end to end: what the checker does with the links the
// HTML scanner finds in each kind of tag and attribute (the scanner's own
// tokenizing is tested with the scanner).

#include "core/links/every_link_reader.h"

#include <gtest/gtest.h>

#include "support/check_run.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CheckedLinks;
using test::TempDir;
using Texts = std::vector<std::string>;

MoreChecks EveryLink() {
  MoreChecks more;
  more.all_links = true;
  return more;
}

struct PageCase {
  const char* name;
  const char* page;  // written as p.htm, beside ok.gif and sub/ok.htm
  Texts broken;
};

const PageCase kCases[] = {
    {"a href in single quotes", "<a href='gone.htm'>", {"p.htm:1:10 gone.htm"}},
    {"a href unquoted", "<p>\n<a href=gone.htm>", {"p.htm:2:9 gone.htm"}},
    {"spaces around the equals sign", "<a href = \"gone.htm\">", {"p.htm:1:12 gone.htm"}},
    {"attribute on the next line", "<a\r\n  class=x\r\n  href=\"gone.htm\">", {"p.htm:3:9 gone.htm"}},
    {"area href", "<map><area href=\"gone.htm\"></map>", {"p.htm:1:18 gone.htm"}},
    {"link href", "<link rel=stylesheet href=\"css/gone.css\">", {"p.htm:1:28 css/gone.css"}},
    {"img src", "<img src=\"ok.gif\"><img src=\"gone.gif\">", {"p.htm:1:29 gone.gif"}},
    {"script src", "<script src=\"gone.js\"></script>", {"p.htm:1:14 gone.js"}},
    {"iframe src", "<iframe src=\"gone.htm\"></iframe>", {"p.htm:1:14 gone.htm"}},
    {"embed src", "<embed src=\"gone.swf\">", {"p.htm:1:13 gone.swf"}},
    {"audio, video, source and track src",
     "<video src=\"v.mp4\"><source src=\"s.webm\"><track src=\"t.vtt\"></video>"
     "<audio src=\"a.ogg\">",
     {"p.htm:1:13 v.mp4", "p.htm:1:33 s.webm", "p.htm:1:53 t.vtt", "p.htm:1:80 a.ogg"}},
    {"input src", "<input type=image src=\"gone.png\">", {"p.htm:1:24 gone.png"}},
    {"img srcset candidates", "<img srcset=\"ok.gif 1x, gone.gif 2x\">", {"p.htm:1:25 gone.gif"}},
    {"source srcset and link imagesrcset",
     "<source srcset=\"s1.gif 100w,ok.gif 200w\"><link rel=preload imagesrcset=\"l1.gif\">",
     {"p.htm:1:17 s1.gif", "p.htm:1:73 l1.gif"}},
    {"video poster and object data", "<video poster=\"p.jpg\"></video><object data=\"o.svg\">",
     {"p.htm:1:16 p.jpg", "p.htm:1:45 o.svg"}},
    {"meta refresh", "<meta http-equiv=\"refresh\" content=\"5; URL='gone.htm'\">",
     {"p.htm:1:45 gone.htm"}},
    {"svg href and xlink:href",
     "<svg><image href=\"i.svg\"/><use xlink:href=\"u.svg#icon\"/></svg>",
     {"p.htm:1:19 i.svg", "p.htm:1:44 u.svg"}},
    {"url() in a style attribute", "<p style=\"background: url(bg.png)\">", {"p.htm:1:27 bg.png"}},
    {"url() in a style element", "<style>\nb { background: url('bg.png') }\n</style>",
     {"p.htm:2:22 bg.png"}},
    {"two links on one line, the line scan's one and a second",
     "<a href=\"one.htm\"><img src=\"two.gif\">", {"p.htm:1:10 one.htm", "p.htm:1:29 two.gif"}},
    {"comments and script bodies hold no links",
     "<!-- <a href=\"c.htm\"> -->\n<script>s = '<a href=\"s.htm\">';</script>", {}},
    {"every escape is decoded", "<a href=\"%67one%2Ehtm\"><a href=\"a&amp;b.htm\">",
     {"p.htm:1:10 gone.htm", "p.htm:1:33 a&b.htm"}},
    {"other schemes and sites are skipped",
     "<a href=\"tel:123\"><a href=\"data:text/plain,x\"><a href=\"JavaScript:go()\">"
     "<a href=\"//cdn.example/x.js\"><a href=\"https://example.com/\">",
     {}},
    {"fragments and queries are cut", "<a href=\"ok.gif?x=1#y\"><a href=\"gone.htm?x#y\">",
     {"p.htm:1:33 gone.htm"}},
    {"a relative base resolves the links after it",
     "<a href=\"ok.gif\"><base href=\"sub/x.htm\"><a href=\"ok.htm\"><a href=\"ok.gif\">",
     {"p.htm:1:67 sub/ok.gif"}},
    {"only the first base counts", "<base href=\"sub/\"><base href=\"other/\"><a href=\"gone.htm\">",
     {"p.htm:1:48 sub/gone.htm"}},
    {"a base on another site makes links external",
     "<base href=\"https://example.com/\"><a href=\"gone.htm\">", {}},
    {"a root-relative base without a site root makes links external",
     "<base href=\"/docs/\"><a href=\"gone.htm\">", {}},
};

TEST(EveryLinkReader, EachTagAndAttributeGivesItsLinks) {
  for (const PageCase& c : kCases) {
    TempDir site;
    site.Write("ok.gif", "gif");
    site.Write("sub/ok.htm", "x");
    site.Write("p.htm", c.page);
    EXPECT_EQ(CheckedLinks(site, EveryLink()), c.broken) << c.name;
  }
}

TEST(EveryLinkReader, TheLineScanStaysAsItWasWithTheOptionOff) {
  TempDir site;
  site.Write("p.htm", "<a href='single.htm'> <img src=\"two.gif\">\r\n<a href=\"one.htm\">\r\n");
  // The line scan takes one double-quoted href or src per line.
  EXPECT_EQ(CheckedLinks(site, {}), (Texts{"p.htm:1:33 two.gif", "p.htm:2:10 one.htm"}));
  EXPECT_EQ(CheckedLinks(site, EveryLink()),
            (Texts{"p.htm:1:10 single.htm", "p.htm:1:33 two.gif", "p.htm:2:10 one.htm"}));
}

TEST(EveryLinkReader, LinkExclusionsAndLongValues) {
  TempDir site;
  // A value cut at the scanner's limit is no path to test.
  site.Write("p.htm", "<a href=\"old/a.htm\"><a href=\"" + std::string(200000, 'x') +
                          "\"><a href=\"new/b.htm\">");
  EXPECT_EQ(CheckedLinks(site, EveryLink(), 2, {"OLD"}), (Texts{"p.htm:1:200041 new/b.htm"}));
}

TEST(EveryLinkReader, EmptyPagesAreNotCounted) {
  TempDir site;
  site.Write("empty.htm", "");
  site.Write("full.htm", "<p>");
  Selection selection;
  selection.top_folder = site.path();
  selection.more = EveryLink();
  Status quiet;
  EXPECT_EQ(RunCheck(selection, quiet).pages_read, 1);
}

}  // namespace
}  // namespace qvn
