#include "core/repair/candidates.h"

#include <gtest/gtest.h>

#include "support/repair_site.h"

namespace qvn {
namespace {

using test::SiteFile;
using test::TempDir;

// Each rule as the check and the plan meet it: the site, the rules asked
// for, and the candidates of the first broken link of p.htm.
struct Case {
  const char* name;
  std::vector<SiteFile> files;
  bool moved, similar, html;
  std::vector<std::string> expected;
  bool needs_case_sensitive_names = false;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"file in other case",
       {{"p.htm", "<a href=\"Logo.GIF\">"}, {"logo.gif", ""}},
       false,
       false,
       false,
       {"logo.gif"}},
      {"folder and file in other case, escapes kept",
       {{"p.htm", "<a href=\"Images/My%20Logo.gif\">"}, {"images/my logo.GIF", ""}},
       false,
       false,
       false,
       {"images/my%20logo.GIF"}},
      {"only the names that differ change",
       {{"p.htm", "<a href=\"./img/Icons/A.PNG?v=2#x\">"}, {"img/icons/a.png", ""}},
       false,
       false,
       false,
       {"./img/icons/a.png?v=2#x"}},
      {"two names in other case: no repair",
       {{"p.htm", "<a href=\"Logo.gif\">"}, {"LOGO.gif", ""}, {"logo.GIF", ""}},
       false,
       false,
       false,
       {"LOGO.gif", "logo.GIF"},
       true},
      {"anchor in other case",
       {{"p.htm", "<a href=\"q.htm#Intro\">"}, {"q.htm", "<h1 id=\"intro\">"}},
       false,
       false,
       true,
       {"q.htm#intro"}},
      {"two anchors in other case: no repair",
       {{"p.htm", "<a href=\"q.htm#Intro\">"}, {"q.htm", "<p id=\"intro\"><p id=\"INTRO\">"}},
       false,
       false,
       true,
       {"q.htm#intro", "q.htm#INTRO"}},
      {"moved: the relative path to its one namesake",
       {{"news/p.htm", "<a href=\"../old/story.htm?x=1#top\">"}, {"news/2019/Story.htm", ""}},
       true,
       false,
       false,
       {"2019/Story.htm?x=1#top"}},
      {"moved keeps a leading ./",
       {{"p.htm", "<a href=\"./story.htm\">"}, {"news/story.htm", ""}},
       true,
       false,
       false,
       {"./news/story.htm"}},
      {"moved climbs out of the page's folder",
       {{"a/b/p.htm", "<img src=\"photo.jpg\">"}, {"images/photo.jpg", ""}},
       true,
       false,
       false,
       {"../../images/photo.jpg"}},
      {"moved: two namesakes, no repair",
       {{"p.htm", "<a href=\"story.htm\">"}, {"a/story.htm", ""}, {"b/story.htm", ""}},
       true,
       false,
       false,
       {"a/story.htm", "b/story.htm"}},
      {"moved only when asked",
       {{"p.htm", "<a href=\"story.htm\">"}, {"a/story.htm", ""}},
       false,
       false,
       false,
       {}},
      {"near: one name within the distance",
       {{"p.htm", "<a href=\"abuot.htm\">"}, {"about.htm", ""}, {"contact.htm", ""}},
       false,
       true,
       false,
       {"about.htm"}},
      {"near: two names within the distance, no repair",
       {{"p.htm", "<a href=\"abxut.htm\">"}, {"about.htm", ""}, {"abcut.htm", ""}},
       false,
       true,
       false,
       {"abcut.htm", "about.htm"}},
      {"near only when asked",
       {{"p.htm", "<a href=\"abuot.htm\">"}, {"about.htm", ""}},
       false,
       false,
       false,
       {}},
      {"letter case wins over moved",
       {{"p.htm", "<a href=\"Story.htm\">"}, {"story.htm", ""}, {"a/story.htm", ""}},
       true,
       false,
       false,
       {"story.htm"}},
      {"no rule applies",
       {{"p.htm", "<a href=\"gone.htm\">"}, {"other.htm", ""}},
       true,
       true,
       false,
       {}},
  };
  return cases;
}

TEST(RepairCandidates, EachRuleFindsItsCandidates) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
#ifdef _WIN32
    if (c.needs_case_sensitive_names) continue;
#endif
    TempDir site;
    test::WriteSite(site, c.files);
    MoreChecks more;
    more.all_links = c.html;
    more.check_fragments = c.html;
    RepairOptions options;
    options.moved = c.moved;
    options.similar = c.similar;
    const auto checked = test::PlanSiteRepairs(site, more, options);
    ASSERT_FALSE(checked.result.broken_links.empty());
    std::vector<std::string> links = test::CandidateLinks(checked.plan, 0);
    std::sort(links.begin(), links.end());
    std::vector<std::string> expected = c.expected;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(links, expected);
    const long long applicable = expected.size() == 1 ? 1 : 0;
    EXPECT_EQ(checked.plan.Applicable(), applicable);
  }
}

TEST(RepairCandidates, OnlyTheKindsAsked) {
  TempDir site;
  test::WriteSite(site, {{"p.htm", "<a href=\"Logo.GIF\">\n<a href=\"q.htm#Intro\">"},
                         {"logo.gif", ""},
                         {"q.htm", "<h1 id=\"intro\">"}});
  MoreChecks more;
  more.all_links = more.check_fragments = true;
  RepairOptions options;
  options.only = {LinkKind::kNoAnchor};
  const auto checked = test::PlanSiteRepairs(site, more, options);
  ASSERT_EQ(checked.plan.proposals.size(), 1u);
  EXPECT_EQ(checked.plan.proposals[0].candidates[0].link, "q.htm#intro");
  EXPECT_EQ(checked.plan.without_candidate, 0);
}

}  // namespace
}  // namespace qvn
