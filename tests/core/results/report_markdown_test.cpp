// Markdown for pull-request comments: grouping by page, escaping of names,
// code spans for links, and the baseline's marks.

#include <gtest/gtest.h>

#include "results_samples.h"
#include "core/platform/platform.h"
#include "core/results/report_markdown.h"

namespace qvn {
namespace {

TEST(ResultsMarkdown, NamesAreEscapedAndControlsReplaced) {
  struct Case {
    std::string_view text, shown;
  } cases[] = {
      {"index.htm", "index.htm"},
      {"*bold* _it_", "\\*bold\\* \\_it\\_"},
      {"[l](u)", "\\[l\\]\\(u\\)"},
      {"<b>&amp;", "\\<b\\>\\&amp;"},
      {"#1 @me $x$ |t| ~s~ !i `c` \\", "\\#1 \\@me \\$x\\$ \\|t\\| \\~s\\~ \\!i \\`c\\` \\\\"},
      {"line\nbreak\r\t.htm", "line\xEF\xBF\xBD" "break\xEF\xBF\xBD\xEF\xBF\xBD.htm"},
      {"caf\xE9", "caf\xEF\xBF\xBD"},
      {"caf\xC3\xA9-1.2+3", "caf\xC3\xA9-1.2+3"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeMarkdown(c.text), c.shown) << c.text;
}

TEST(ResultsMarkdown, CodeSpansOutlastTheBackticksInside) {
  struct Case {
    std::string_view text, code;
  } cases[] = {
      {"a.htm", "`a.htm`"},
      {"a`b", "``a`b``"},
      {"a``b`", "``` a``b` ```"},
      {"`x", "`` `x ``"},
      {" both ", "`  both  `"},
      {" left", "` left`"},
      {"*_[x]_*", "`*_[x]_*`"},
      {"a\nb", "`a\xEF\xBF\xBD" "b`"},
      {"", "\"\""},
  };
  for (const auto& c : cases) EXPECT_EQ(MarkdownCode(c.text), c.code) << c.text;
}

TEST(ResultsMarkdown, GroupedByPageInWalkOrder) {
  auto links = test::SampleLinks();
  links.resize(4);
  links[3].page = "news/*a*.htm";
  // A Windows "\" is escaped like any other backslash.
  const std::string docs = kSeparator == '/' ? "docs/" : "docs\\\\";
  EXPECT_EQ(FormatResultsMarkdown(test::ResultOf(links)),
            "## 4 broken links in 2 pages\n"
            "\n"
            "### index.htm\n"
            "\n"
            "- line 3: `gone.htm#top` \xE2\x86\x92 gone.htm (no such file)\n"
            "- line 8: `docs/` \xE2\x86\x92 " + docs + " (a folder, not a file)\n"
            "- line 9: `gone.htm` \xE2\x86\x92 gone.htm (no such file)\n"
            "\n"
            "### news/\\*a\\*.htm\n"
            "\n"
            "- line 2: `../gone.htm` \xE2\x86\x92 gone.htm (no such file)\n");
}

TEST(ResultsMarkdown, BaselineMarksNewLinksAndListsTheFixed) {
  auto links = test::SampleLinks();
  links.resize(1);
  links.push_back({"b.htm", 4, "x.htm", "x.htm"});
  CheckResult result = test::ResultOf(links);
  result.stopped = true;
  const BaselineComparison comparison =
      CompareWithBaseline(result.broken_links, result.top_folder,
                          test::TableOf({links[1], {"old.htm", 5, "f_1.htm", "f_1.htm"}}));
  EXPECT_EQ(FormatResultsMarkdown(result, &comparison),
            "## 2 broken links in 2 pages (1 new, 1 fixed since the baseline)\n"
            "\n"
            "The check was stopped, so this list is incomplete.\n"
            "\n"
            "### index.htm\n"
            "\n"
            "- **new** line 3: `gone.htm#top` \xE2\x86\x92 gone.htm (no such file)\n"
            "\n"
            "### b.htm\n"
            "\n"
            "- line 4: `x.htm` \xE2\x86\x92 x.htm (no such file)\n"
            "\n"
            "## Fixed since the baseline\n"
            "\n"
            "- old.htm, line 5: `f_1.htm` \xE2\x86\x92 f\\_1.htm (no such file)\n");
}

TEST(ResultsMarkdown, NoBrokenLinks) {
  EXPECT_EQ(FormatResultsMarkdown(CheckResult{}), "## No broken links\n");
  const CheckResult one = test::ResultOf({{"a.htm", 1, "b", "b"}}, "/s/", 1);
  EXPECT_TRUE(FormatResultsMarkdown(one).starts_with("## 1 broken link in 1 page\n"));
}

}  // namespace
}  // namespace qvn
