// End-to-end: `qvn explain PAGE LINE`, its output and exit status.

#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/settings_lines.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;
using test::InQuotes;
using test::Native;
using test::RunQvn;
using test::TempDir;

TEST(QvnExplain, TellsEachStepAndTheOutcome) {
  TempDir site;
  site.Write("news/a.htm", "<p>\r\n<a href=\"../img/My%20Pic.JPG#x\">\r\n");
  const std::string page = site.path() + Native("news/a.htm");
  const auto run = RunQvn({"explain", page, "2", "--top", site.path()});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string folder = site.path() + Native("news/");
  const std::string lines[] = {
      "Page: '" + page + "'.",
      "Top folder: '" + site.path() + "'.",
      "A check reads this page.",
      "Line 2: '<a href=\"../img/My%20Pic.JPG#x\">'.",
      "1. Found: the line's first ' href=\"'; the value starts at character 10 and runs to the "
      "next double quote: '../img/My%20Pic.JPG#x'.",
      "2. Cut at '#': the fragment '#x' is dropped, leaving '../img/My%20Pic.JPG'.",
      "3. Decoded: '../img/My%20Pic.JPG' becomes '" + Native("../img/My Pic.JPG") + "'.",
      "4. Resolved: 1 leading '" + Native("../") + "' step goes up from the page's folder '" +
          folder + "' to '" + site.path() + "'.",
      "5. Tested: '" + site.path() + Native("img/My Pic.JPG") + "'.",
      "6. Missing: there is no such file.",
      "Outcome: broken",
  };
  std::string expected;
  for (const auto& line : lines) expected += line + "\n";
  EXPECT_EQ(run.out, expected);
}

TEST(QvnExplain, OptionsAndTheDefaultTopFolder) {
  TempDir site, files;
  site.Write("news/a.htm", "<a href=\"../old/x.htm\">\r\n");
  const std::string page = site.path() + Native("news/a.htm");
  auto run = RunQvn({"explain", page, "1"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("(the page's own folder, as no top folder was given)"), std::string::npos);
  EXPECT_TRUE(run.out.ends_with("\nOutcome: ignored: climbs above the top folder\n")) << run.out;

  run = RunQvn({"explain", page, "1", "--top", site.path(), "--exclude-links", "zzz, OLD"});
  EXPECT_TRUE(run.out.ends_with("contains the excluded word 'OLD'.\nOutcome: skipped\n"))
      << run.out;

  files.Write("s.usr",
              CrLf({InQuotes(site.path()), "\"news\"", "\"\"", "\"old\"", " 0 ", " 0 ", " 0 "}));
  run = RunQvn({"explain", page, "1", "--settings", files.path() + "s.usr"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("' (from the settings file " + files.path() + "s.usr).\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("A check does not read this page: it lies in the excluded subfolder "
                         "'news'."),
            std::string::npos)
      << run.out;
  EXPECT_TRUE(run.out.ends_with("\nOutcome: skipped\n")) << run.out;
}

TEST(QvnExplain, BadInput) {
  TempDir site;
  site.Write("p.htm", "<a href=\"a.htm\">\r\n");
  const std::string page = site.path() + "p.htm";
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"explain", page}, "line"},
      {{"explain", page, "zero"}, "zero"},
      {{"explain", page, "0"}, "0"},
      {{"explain", page, "2"}, "past its text"},
      {{"explain", site.path() + "gone.htm", "1"}, "does not exist"},
      {{"explain", page, "1", "--top", site.path() + "gone"}, "is not a folder"},
      {{"explain", page, "1", "--php"}, "php"},
  };
  for (const auto& c : cases) {
    const auto run = RunQvn(c.args);
    EXPECT_EQ(run.exit_code, 2) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace qvn
