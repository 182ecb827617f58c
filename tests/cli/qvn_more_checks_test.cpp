// End-to-end: the more checks' flags of `qvn check` and `qvn orphans`, and
// the more checks of a settings file, with the reports compared byte for byte.

#include <gtest/gtest.h>

#include "core/results/json_reader.h"
#include "support/json_schema.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;
using test::InOurEncoding;
using test::Native;
using test::RunQvn;
using test::TempDir;

const std::string kArrow = " \xE2\x80\x94>";
const std::string kBackArrow = " <\xE2\x80\x94";

class QvnMoreChecks : public ::testing::Test {
 protected:
  void SetUp() override {
    site.Write("index.htm",
               "<a href='guide.htm'>\r\n"
               "<a href=\"guide.htm#setup\">\r\n"
               "<a href=\"guide.htm#nope\">\r\n"
               "<img src=\"/img/logo.gif\">\r\n"
               "<img src=\"img/Logo.gif\">\r\n"
               "<img src=\"img/lgo.gif\">\r\n"
               "<a href=\"docs/\">\r\n"
               "<a href=\"empty/\">\r\n");
    site.Write("guide.htm", "<h2 id=\"setup\">\r\n<img srcset=\"img/logo.gif 1x, img/big.gif 2x\">");
    site.Write("img/logo.gif", "gif");
    site.Write("docs/index.html", "x");
    site.MakeDir("empty");
  }
  // Runs check with the given flags; returns the two reports joined.
  std::string Check(std::vector<std::string> flags, int expected_exit = 1) {
    std::vector<std::string> args = {"check", site.path(), "--output-dir", out.path()};
    args.insert(args.end(), flags.begin(), flags.end());
    const auto run = RunQvn(args);
    EXPECT_EQ(run.exit_code, expected_exit) << run.err;
    return out.Read("links_to.txt") + out.Read("links_from.txt");
  }
  // The two reports of count broken links, from their lines below the header.
  std::string Reports(int count, const std::vector<std::string>& by_page,
                      const std::vector<std::string>& by_target) {
    const std::string there = count == 1 ? std::string("There is one broken link:")
                                         : "There are " + std::to_string(count) + " broken links:";
    std::string text = "Top folder is\r\n" + site.path() + "\r\n\r\n" + there + "\r\n\r\n";
    std::string to = text, from = text;
    for (const auto& line : by_page) to += line + "\r\n";
    for (const auto& line : by_target) from += line + "\r\n";
    return InOurEncoding(to + from);
  }

  TempDir site, out;
};

TEST_F(QvnMoreChecks, EachFlagAddsItsFindings) {
  // Without flags: the line scan; folders are not files, fragments are cut,
  // and letter case is the file system's business.
#ifdef _WIN32
  EXPECT_EQ(Check({}), Reports(3, {"index.htm" + kArrow, Native("     img/lgo.gif"), "     docs\\",
                                "     empty\\"},
                               {"docs\\" + kBackArrow, "     index.htm", "empty\\" + kBackArrow,
                                "     index.htm", Native("img/lgo.gif") + kBackArrow,
                                "     index.htm"}));
#else
  EXPECT_EQ(Check({}), Reports(4, {"index.htm" + kArrow, "     img/Logo.gif", "     img/lgo.gif",
                                "     docs/", "     empty/"},
                               {"docs/" + kBackArrow, "     index.htm", "empty/" + kBackArrow,
                                "     index.htm", "img/Logo.gif" + kBackArrow, "     index.htm",
                                "img/lgo.gif" + kBackArrow, "     index.htm"}));
#endif
  EXPECT_EQ(Check({"--index-pages", "--check-fragments", "--case", "--all-links"}),
            Reports(5,
                    {"guide.htm" + kArrow, Native("     img/big.gif"), "index.htm" + kArrow,
                     "     guide.htm#nope  [no such anchor]",
                     Native("     img/Logo.gif  [letter case: logo.gif]"),
                     Native("     img/lgo.gif  [did you mean: logo.gif]"),
                     Native("     empty/  [no index page]")},
                    {Native("empty/  [no index page]") + kBackArrow, "     index.htm",
                     "guide.htm#nope  [no such anchor]" + kBackArrow, "     index.htm",
                     Native("img/Logo.gif  [letter case: logo.gif]") + kBackArrow,
                     "     index.htm", Native("img/big.gif") + kBackArrow, "     guide.htm",
                     Native("img/lgo.gif  [did you mean: logo.gif]") + kBackArrow,
                     "     index.htm"}));
  // A list of index pages that the folder lacks.
  const std::string listed = Check({"--index-files", "home.htm"});
  EXPECT_NE(listed.find(Native("     docs/  [no index page]\r\n")), std::string::npos) << listed;
}

TEST_F(QvnMoreChecks, SiteRootFlag) {
  site.Write("index.htm", "<img src=\"/img/logo.gif\">\r\n<img src=\"/img/gone.gif\">\r\n");
  EXPECT_EQ(Check({"--site-root", site.path()}),
            Reports(1, {"index.htm" + kArrow, Native("     img/gone.gif")},
                    {Native("img/gone.gif") + kBackArrow, "     index.htm"}));
  // The top folder's own subfolder as the root.
  site.Write("img/img/gone.gif", "gif");
  EXPECT_EQ(Check({"--site-root", site.path() + "img"}),
            Reports(1, {"index.htm" + kArrow, Native("     img/img/logo.gif")},
                    {Native("img/img/logo.gif") + kBackArrow, "     index.htm"}));
}

TEST_F(QvnMoreChecks, UnusableSiteRootIsBadInput) {
  for (const std::string& root :
       {site.path() + "gone", site.path() + Native("img/logo.gif"), std::string()}) {
    const auto run = RunQvn({"check", site.path(), "--site-root", root, "--output-dir", out.path()});
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(run.err, "qvn: the site root is not an existing folder: " + root + "\n");
    EXPECT_FALSE(out.Exists("links_to.txt"));
  }
  EXPECT_EQ(RunQvn({"orphans", site.path(), "--site-root", site.path() + "gone"}).exit_code, 2);
}

TEST_F(QvnMoreChecks, JsonCountsTheNewKindsAndFollowsTheSchema) {
  const auto run = RunQvn({"check", site.path(), "--format", "json", "--all-links", "--case",
                           "--check-fragments", "--index-pages"});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  const auto document = ParseJson(run.out, nullptr);
  ASSERT_TRUE(document.has_value());
  const auto schema = ParseJson(TempDir().Read(std::string(QVN_SOURCE_DIR) +
                                               "/docs/results.schema.json"),
                                  nullptr);
  ASSERT_TRUE(schema.has_value());
  EXPECT_EQ(test::JsonSchemaValidator(*schema).Validate(*document), std::vector<std::string>{});
  const JsonValue& by_kind = *document->Find("counts")->Find("byKind");
  EXPECT_EQ(by_kind.Find("missing-file")->number, 2);
  EXPECT_EQ(by_kind.Find("letter-case")->number, 1);
  EXPECT_EQ(by_kind.Find("no-anchor")->number, 1);
  EXPECT_EQ(by_kind.Find("no-index-page")->number, 1);
  const JsonValue& links = *document->Find("brokenLinks");
  ASSERT_EQ(links.items.size(), 5u);  // guide.htm's first, in walk order
  EXPECT_EQ(links.items[1].Find("target")->text, "guide.htm#nope");
  EXPECT_EQ(links.items[1].Find("kind")->text, "no-anchor");
  EXPECT_EQ(links.items[2].Find("note")->text, "letter case: logo.gif");
  EXPECT_EQ(links.items[2].Find("suggestion")->text, "logo.gif");
}

TEST_F(QvnMoreChecks, OrphansFollowTheLinksTheFlagsFind) {
  site.Write("index.htm", "<a href='guide.htm'><a href=\"docs/\">");
  site.Write("guide.htm", "x");
  std::string run = RunQvn({"orphans", site.path()}).out;
  EXPECT_NE(run.find("3 orphan files"), std::string::npos) << run;
  run = RunQvn({"orphans", site.path(), "--all-links", "--index-pages"}).out;
  EXPECT_NE(run.find(Native("Not linked from any page (1):\n  img/logo.gif\n")), std::string::npos)
      << run;
}

// Settings files: the seven fields, then the more checks' seven.
std::string SettingsFile(const std::string& top, const std::vector<std::string>& more) {
  std::vector<std::string_view> lines = {"\"" , "\"\"", "\"\"", "\"\"", " 0 ", " 0 ", " 0 "};
  const std::string first = "\"" + top + "\"";
  lines[0] = first;
  for (const auto& field : more) lines.push_back(field);
  std::string text;
  for (auto line : lines) text += std::string(line) + "\r\n";
  return text;
}

TEST_F(QvnMoreChecks, SettingsFileSuppliesThemAndFlagsWin) {
  TempDir files;
  const std::string usr = files.path() + "s.usr";
  files.Write("s.usr", SettingsFile(site.path(), {" 0 ", " 0 ", "\"\"", " 1 ", "\"home.htm\"",
                                                  " 1 ", " 0 "}));
  auto run = RunQvn({"check", "--settings", usr, "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "");
  std::string report = out.Read("links_to.txt");
  EXPECT_NE(report.find(Native("     docs/  [no index page]\r\n")), std::string::npos) << report;
  EXPECT_NE(report.find("     guide.htm#nope  [no such anchor]\r\n"), std::string::npos);
  // The command line's list replaces the stored one.
  run = RunQvn({"check", "--settings", usr, "--index-files", "index.html", "--output-dir",
                out.path()});
  report = out.Read("links_to.txt");
  EXPECT_EQ(report.find(Native("     docs/")), std::string::npos) << report;
  // Seven fields are a whole file; more checks cut short are reported.
  files.Write("s.usr", SettingsFile(site.path(), {}));
  EXPECT_EQ(RunQvn({"check", "--settings", usr, "--output-dir", out.path()}).err, "");
  files.Write("s.usr", SettingsFile(site.path(), {" 1 ", "yes"}));
  run = RunQvn({"check", "--settings", usr, "--output-dir", out.path()});
  EXPECT_NE(run.err.find("up to 8 of its 14 fields"), std::string::npos) << run.err;
  // A stored site root that is gone is bad input.
  files.Write("s.usr", SettingsFile(site.path(), {" 0 ", " 1 ", "\"" + site.path() + "gone\""}));
  run = RunQvn({"check", "--settings", usr, "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.err.find("site root"), std::string::npos) << run.err;
}

TEST_F(QvnMoreChecks, ExplainSaysItFollowsTheLineScan) {
  TempDir files;
  files.Write("s.usr", SettingsFile(site.path(), {" 1 ", " 0 ", "\"\"", " 0 ", "\"\"", " 0 ", " 0 "}));
  const auto run = RunQvn({"explain", site.path() + "index.htm", "1", "--settings",
                           files.path() + "s.usr"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("The settings file turns on more checks; they are not applied "
                                  "here: this explains the line scan.\n"))
      << run.out;
}

TEST(QvnMoreChecksRelative, SuggestionsInARelativeTopFolder) {
  // "./" resolves to bare names, whose folder is the working folder.
  test::TempDir site, out;
  site.Write("index.htm", "<a href=\"abot.htm\">\r\n");
  site.Write("about.htm", "x");
  const auto run = RunQvn({"check", ".", "--case", "--output-dir", out.path()}, site.path());
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_NE(out.Read("links_to.txt").find("     abot.htm  [did you mean: about.htm]"),
            std::string::npos)
      << out.Read("links_to.txt");
}

}  // namespace
}  // namespace qvn
