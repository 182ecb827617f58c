// Pages whose bytes need care: UTF-16 pages read as their UTF-8 forms by
// both scans and by the explanation of a line; a NUL inside a link.

#include <gtest/gtest.h>

#include "core/check/page_explain.h"
#include "support/check_run.h"
#include "support/temp_dir.h"
#include "support/utf16_text.h"

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

std::string LongPage() {
  std::string page;
  for (int line = 0; line < 15000; ++line) page += "<p>caf\xC3\xA9 \xF0\x9F\x98\x80</p>\r\n";
  return page + "<a href=\"last.htm\">";
}

TEST(PageText, Utf16PagesReadAsTheirUtf8Forms) {
  const std::string pages[] = {
      "<a href=\"first.htm\">\r\n<p>caf\xC3\xA9\n<img src=\"\xC3\xA9t\xC3\xA9.gif\">"
      "\r<p>\xF0\x9F\x98\x80 <a href='single.htm'> <img src=\"ok.gif\"><img src=\"two.gif\">",
      LongPage()};  // longer than a block, both as read and decoded
  for (const std::string& page : pages) {
    for (const MoreChecks& more : {MoreChecks{}, EveryLink()}) {
      // The page in UTF-8 (with a byte-order mark, as the UTF-16 one has) is the yardstick.
      TempDir utf8;
      utf8.Write("ok.gif", "gif");
      utf8.Write("p.htm", "\xEF\xBB\xBF" + page);
      const Texts expected = CheckedLinks(utf8, more);
      ASSERT_GE(expected.size(), 1u);
      for (const bool big_endian : {false, true}) {
        TempDir site;
        site.Write("ok.gif", "gif");
        site.Write("p.htm", test::Utf16Text(page, big_endian));
        EXPECT_EQ(CheckedLinks(site, more), expected) << big_endian << more.all_links;
      }
    }
  }
  // The explanation reads the same lines, and the fragment check the anchors.
  TempDir site;
  site.Write("p.htm", test::Utf16Text(pages[0], true));
  TempDir anchors;
  anchors.Write("q.htm",
                test::Utf16Text("<a href=\"r.htm#here\">\r\n<a href=\"r.htm#gone\">", false));
  anchors.Write("r.htm", test::Utf16Text("<p>\r\n<h2 id=\"here\">", true));
  MoreChecks fragments;
  fragments.check_fragments = true;
  EXPECT_EQ(CheckedLinks(anchors, fragments), Texts{"q.htm:2:10 r.htm#gone  [no such anchor]"});
  Selection selection;
  selection.top_folder = site.path();
  const auto line = ExplainPageLine(site.path() + "p.htm", 3, selection);
  ASSERT_EQ(line.error, "");
  EXPECT_EQ(line.steps[3], "Line 3: '<img src=\"\xC3\xA9t\xC3\xA9.gif\">'.");
  EXPECT_EQ(line.line.outcome, LinkOutcome::kBroken);
}

TEST(PageText, ANulInsideALinkIsPartOfIt) {
  TempDir site;
  site.Write("b.htm", "x");
  site.Write("dir/c.htm", "x");
  const std::string nul(1, '\0');
  site.Write("p.htm", "<a href=\"b.htm" + nul + "junk\">\r\n<img src=\"dir" + nul +
                          "/c.htm\">\r\n<style>p { background: url('b.htm" + nul + "z') }</style>");
  // Cut at the NUL, each would name a file that exists.
  EXPECT_EQ(CheckedLinks(site, {}),
            (Texts{"p.htm:1:10 b.htm" + nul + "junk", "p.htm:2:11 dir" + nul + "/c.htm"}));
  // HTML reads a NUL in an attribute as U+FFFD; style text keeps it.
  EXPECT_EQ(CheckedLinks(site, EveryLink()),
            (Texts{"p.htm:1:10 b.htm\xEF\xBF\xBDjunk", "p.htm:2:11 dir\xEF\xBF\xBD/c.htm",
                   "p.htm:3:29 b.htm" + nul + "z"}));
}

}  // namespace
}  // namespace qvn
