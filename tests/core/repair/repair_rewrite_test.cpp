#include <gtest/gtest.h>

#include "core/repair/repair_apply.h"
#include "support/repair_site.h"

namespace qvn {
namespace {

using test::TempDir;

// A page before and after its repair: every byte but the link's stays.
struct Case {
  const char* name;
  std::string page, other, repaired;
  bool html = false;
  bool moved = false;
  bool similar = false;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"LF only", "<p>\n<a href=\"Logo.GIF\">x</a> \n\n", "logo.gif",
       "<p>\n<a href=\"logo.gif\">x</a> \n\n"},
      {"CR LF, the other lines as they were",
       "<p>a</p>\r\n<img src=\"IMG/Logo.gif\" alt=\"\">\r\n<a href=\"logo.gif\">\r\n",
       "img/logo.gif",
       "<p>a</p>\r\n<img src=\"img/logo.gif\" alt=\"\">\r\n<a href=\"logo.gif\">\r\n"},
      {"a lone CR ends a line", "<p>\r<a href=\"Logo.GIF\">\r", "logo.gif",
       "<p>\r<a href=\"logo.gif\">\r"},
      {"Windows-1252 page gets Windows-1252 bytes",
       "<p>caf\xE9</p>\r\n<a href=\"old/caf\xE9.htm\">\r\n", "new/caf\xC3\xA9.htm",
       "<p>caf\xE9</p>\r\n<a href=\"new/caf\xE9.htm\">\r\n", false, true},
      {"an ASCII line of a Windows-1252 page stays Windows-1252",
       "<p>caf\xE9</p>\n<a href=\"cafe.htm\">\n", "caf\xC3\xA9.htm",
       "<p>caf\xE9</p>\n<a href=\"caf\xE9.htm\">\n", false, false, true},
      {"UTF-8 page", "<p>\xC3\xA9</p>\n<a href=\"Caf\xC3\xA9/X.htm\">\n", "caf\xC3\xA9/x.htm",
       "<p>\xC3\xA9</p>\n<a href=\"caf\xC3\xA9/x.htm\">\n"},
      {"percent-escapes kept", "<a href=\"My%20Docs/Read%20Me.HTM\">", "my docs/read me.htm",
       "<a href=\"my%20docs/read%20me.htm\">"},
      {"query and fragment kept byte for byte", "<a href=\"Page.HTM?id=3&amp;x=4#Sec\">",
       "page.htm", "<a href=\"page.htm?id=3&amp;x=4#Sec\">"},
      {"single quotes, read as HTML", "<p><a href='Logo.GIF'>", "logo.gif",
       "<p><a href='logo.gif'>", true},
      {"a character reference in the path", "<a href=\"A&amp;B.HTM\">", "a&b.htm",
       "<a href=\"a&amp;b.htm\">", true},
      {"a UTF-8 byte-order mark", "\xEF\xBB\xBF<a href=\"Logo.GIF\">", "logo.gif",
       "\xEF\xBB\xBF<a href=\"logo.gif\">", true},
  };
  return cases;
}

TEST(RepairRewrite, OnlyTheLinksBytesChange) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TempDir site, data;
    test::WriteSite(site, {{"p.htm", c.page}, {c.other, ""}});
    MoreChecks more;
    more.all_links = c.html;
    RepairOptions options;
    options.moved = c.moved;
    options.similar = c.similar;
    const auto checked = test::PlanSiteRepairs(site, more, options);
    ASSERT_EQ(checked.plan.Applicable(), 1);
    const ApplyOutcome outcome = ApplyRepairs(checked.plan, data.path() + "repairs");
    EXPECT_EQ(outcome.failure, "");
    EXPECT_EQ(outcome.links_repaired, 1);
    EXPECT_EQ(site.Read("p.htm"), c.repaired);
  }
}

}  // namespace
}  // namespace qvn
