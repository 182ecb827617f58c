// The trace of one line's link: each rule's outcome and the steps that tell
// why, and agreement with the checker on every line of the table.

#include "core/links/link_explain.h"

#include <gtest/gtest.h>

#include "core/platform/path.h"
#include "core/site/existence_cache.h"
#include "core/links/link_checker.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;
using test::TempDir;

struct Row {
  std::string line;
  LinkOutcome outcome;
  std::vector<std::string> steps;  // texts that some step must hold
};

// The pages lie in news/2019/ of the site, so that "../" has room.
void MakeSite(const TempDir& site) {
  site.Write("news/2019/a.htm", "x");
  site.Write("news/2019/sub/inner.htm", "x");
  site.Write("img/My Pic.JPG", "x");
  site.Write("news/2019/caf\xC3\xA9.htm", "x");
  site.Write("news/2019/\xC3\xA7.htm", "x");
  site.Write("news/2019/x.gif", "x");
}

std::vector<std::string> Chain(const TempDir& site) {
  return {site.path(), site.path() + Native("news/"), site.path() + Native("news/2019/")};
}

const std::vector<Row>& Table() {
  static const std::vector<Row> rows = {
      {"<a href=\"a.htm\">",
       LinkOutcome::kOk,
       {"Found: the line's first ' href=\"'; the value starts at character 10", "'a.htm'",
        "Cut: nothing to cut", "Decoded: nothing to decode.", "no leading", "Exists"}},
      {"<p><A HREF=\"../../img/My%20Pic.JPG#x\">pic</A> <img src=\"b.gif\"></p>",
       LinkOutcome::kOk,
       {"Cut at '#': the fragment '#x' is dropped, leaving '../../img/My%20Pic.JPG'",
        "Decoded: '../../img/My%20Pic.JPG' becomes '" + Native("../../img/My Pic.JPG") + "'",
        "2 leading '" + Native("../") + "' steps go up", "src=\"' is not looked at"}},
      {"   <img src=\"x.gif\" alt=\"\">  ",
       LinkOutcome::kOk,
       {"no ' href=\"' on the line, so its first ' src=\"'; the value starts at character 14"}},
      {"<a href=\"gone.htm?id=3#top\">",
       LinkOutcome::kBroken,
       {"Cut at '#': the fragment '#top' is dropped, leaving 'gone.htm?id=3'",
        "Cut at '?': the query '?id=3' is dropped, leaving 'gone.htm'", "no such file"}},
      {"<a href=\"MAILTO:me@example.org\">", LinkOutcome::kSkipped, {"contains 'mailto:'"}},
      {"<a href=\"see http://example.org/\">", LinkOutcome::kSkipped, {"contains '://'"}},
      {"<a href=\"#top\">", LinkOutcome::kSkipped, {"nothing is left after the cut"}},
      {"<a href=\"?x\">", LinkOutcome::kSkipped, {"nothing is left after the cut"}},
      {"<a href=\"\">", LinkOutcome::kSkipped, {"Skipped: the link is empty."}},
      {"<a href=\"/img/a.gif\">", LinkOutcome::kSkipped, {"starts with '/'"}},
      {"<a href=\"Old/x.htm\">", LinkOutcome::kSkipped, {"contains the excluded word 'OLD'"}},
      {"<a href=\"../../../up.htm\">",
       LinkOutcome::kAboveTop,
       {"3 leading '" + Native("../") + "' steps climb above the top folder", "only 2 levels"}},
      {"<a href=\"sub/\">", LinkOutcome::kBroken, {"ends in a separator, '.' or '..'"}},
      {"<a href=\"sub\">", LinkOutcome::kBroken, {"it is a folder, not a file"}},
      {"<a href=\"nowhere/../a.htm\">",
       LinkOutcome::kOk,
       {"'.' and '..' resolved: '", Native("/news/2019/a.htm'.")}},
      {"<a href=\"sub/../../../../above.htm\">", LinkOutcome::kBroken, {"no leading"}},
      {"<a href=\"caf%C3%A7x.htm\">",
       LinkOutcome::kBroken,
       {"Decoded: 'caf%C3%A7x.htm' becomes 'caf\xC3\xA7x.htm'"}},
      {"<a href=\"%C3%A7.htm\">", LinkOutcome::kOk, {"becomes '\xC3\xA7.htm'"}},
      {"<a href=\"%c3%a7.htm\">", LinkOutcome::kBroken, {"Decoded: nothing to decode."}},
      {"<a href=\"caf\xE9.htm\">", LinkOutcome::kOk, {"read as Windows-1252", "'caf\xC3\xA9.htm'"}},
      {"<a href=\"\\a.htm\">", LinkOutcome::kOk, {"Exists"}},
      {"href=\"a.htm\">", LinkOutcome::kNoLink, {"the attribute starts the line"}},
      {"<a\thref=\"a.htm\">", LinkOutcome::kNoLink, {"written another way"}},
      {"<a href='a.htm'>", LinkOutcome::kNoLink, {"written another way"}},
      {"<a href = \"a.htm\">", LinkOutcome::kNoLink, {"written another way"}},
      {"<a href=\"a.htm",
       LinkOutcome::kNoLink,
       {"' href=\"' at character 3 has no closing double quote"}},
      {"<a href=\"a.htm\" <img src=\"x.gif", LinkOutcome::kOk, {"'a.htm'"}},
      {"<p>Some text.</p>", LinkOutcome::kNoLink, {"holds no ' href=\"' and no ' src=\"'"}},
      {" \t ", LinkOutcome::kNoLink, {"only blanks"}},
      {"<!-- <a href=\"a.htm\"> -->",
       LinkOutcome::kNoLink,
       {"'<!--' at character 1", "nothing is left to read", "comment part holds a link"}},
      {"<a href=\"gone.htm\"> <!-- old -->", LinkOutcome::kBroken, {"'<!--' at character 21"}},
      {"<p><a href=\"gone.htm\"> <!--", LinkOutcome::kBroken, {"'<!--'"}},
      {"--> <a href=\"gone.htm\">",
       LinkOutcome::kBroken,
       {"'-->' at character 1 and no '<!--' on the line; only the text after it is read"}},
      {"<a href=\"gone.htm\"> -->", LinkOutcome::kNoLink, {"comment part holds a link"}},
  };
  return rows;
}

std::string Joined(const std::vector<std::string>& steps) {
  std::string text;
  for (const auto& step : steps) text += step + "\n";
  return text;
}

TEST(LinkExplain, EachRuleGivesItsOutcomeAndSaysWhy) {
  TempDir site;
  MakeSite(site);
  for (const Row& row : Table()) {
    const LineTrace trace = ExplainLine(row.line, Chain(site), {"OLD"});
    const std::string steps = Joined(trace.steps);
    EXPECT_EQ(OutcomeText(trace.outcome), OutcomeText(row.outcome)) << row.line << "\n" << steps;
    for (const auto& expected : row.steps)
      EXPECT_NE(steps.find(expected), std::string::npos) << row.line << "\n" << steps;
  }
}

// Each line of the table as a page of its own, read by the checker: a broken
// outcome is exactly a reported link, an ok one exactly a linked file.
TEST(LinkExplain, AgreesWithTheChecker) {
  TempDir site;
  MakeSite(site);
  ExistenceCache cache;
  LinkChecker checker({"OLD"}, cache);
  const auto chain = Chain(site);
  int number = 0;
  for (const Row& row : Table()) {
    const std::string page = chain.back() + "p" + std::to_string(++number) + ".htm";
    site.Write(page.substr(site.path().size()), "<html>\r\n" + row.line + "\r\n");
    std::vector<BrokenLink> broken;
    std::vector<std::string> linked;
    checker.CheckLinksInFile(page, chain, broken, nullptr, nullptr, &linked);
    const LineTrace trace = ExplainLine(row.line, chain, {"OLD"});
    EXPECT_EQ(broken.size(), trace.outcome == LinkOutcome::kBroken ? 1u : 0u) << row.line;
    EXPECT_EQ(linked.size(), trace.outcome == LinkOutcome::kOk ? 1u : 0u) << row.line;
    if (!broken.empty()) {
      EXPECT_EQ(broken[0].target, trace.target) << row.line;
    }
    if (!linked.empty()) {
      EXPECT_EQ(linked[0], ResolveDotSegments(trace.target)) << row.line;
    }
  }
}

TEST(LinkExplain, AnEmptyExclusionItemSkipsEveryLink) {
  TempDir site;
  MakeSite(site);
  const LineTrace trace = ExplainLine("<a href=\"a.htm\">", Chain(site), {"zzz", ""});
  EXPECT_EQ(trace.outcome, LinkOutcome::kSkipped);
  EXPECT_EQ(trace.steps.back(),
            "Skipped: the link exclusions hold an empty item, which every link contains.");
}

TEST(LinkExplain, LetterCaseSlipsAreNamed) {
  TempDir site;
  MakeSite(site);
  const LineTrace trace = ExplainLine("<a href=\"A.HTM\">", Chain(site), {});
#ifdef _WIN32
  EXPECT_EQ(trace.outcome, LinkOutcome::kOk);
#else
  EXPECT_EQ(trace.outcome, LinkOutcome::kBroken);
  EXPECT_EQ(trace.steps.back(), "The folder holds 'a.htm', which differs in letter case only.");
#endif
}

}  // namespace
}  // namespace qvn
