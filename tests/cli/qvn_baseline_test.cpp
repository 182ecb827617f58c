// End-to-end: baselines. `--write-baseline` saves the findings,
// `--baseline` tells new from fixed and fails only for new broken links.

#include <gtest/gtest.h>

#include "core/results/json_reader.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::RunQvn;
using test::TempDir;

class QvnBaseline : public ::testing::Test {
 protected:
  void SetUp() override {
    site_.Write("index.htm", "<a href=\"gone.htm\">\r\n<a href=\"old.htm\">\r\n<a href=\"gone.htm\">\r\n");
    site_.Write("about.htm", "<img src=\"pic.gif\">\r\n");
    baseline_ = files_.path() + "baseline.json";
    const auto saved = Check({"--write-baseline", baseline_});
    ASSERT_EQ(saved.exit_code, 1) << saved.err;
  }

  test::CommandResult Check(std::vector<std::string> extra) {
    std::vector<std::string> args = {"check", site_.path(), "--output-dir", files_.path()};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunQvn(args);
  }

  TempDir site_, files_;
  std::string baseline_;
};

TEST_F(QvnBaseline, WrittenAsAResultsDocumentAndItsPathPrinted) {
  const auto document = ParseJson(files_.Read(baseline_), nullptr);
  ASSERT_TRUE(document);
  EXPECT_EQ(document->Find("format")->text, "quorvane-results");
  EXPECT_EQ(document->Find("brokenLinks")->items.size(), 4u);
  const auto run = Check({"--write-baseline", baseline_});
  EXPECT_TRUE(run.out.ends_with(baseline_ + "\nThere are 4 broken local links.\n")) << run.out;
}

TEST_F(QvnBaseline, NothingNewExitsCleanEvenWithOldBrokenLinks) {
  // Lines added above move every link, which must not make them new.
  site_.Write("index.htm",
              "<p>\r\n<p>\r\n<a href=\"gone.htm\">\r\n<a href=\"old.htm\">\r\n<a href=\"gone.htm\">\r\n");
  const auto run = Check({"--baseline", baseline_});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, files_.path() + "links_to.txt\n" + files_.path() + "links_from.txt\n" +
                         "No new broken links since the baseline.\n"
                         "No broken links fixed since the baseline.\n"
                         "There are 4 broken local links.\n");
}

TEST_F(QvnBaseline, NewAndFixedAreListedAndOnlyNewOnesFail) {
  // One of the two "gone.htm" fixed, "old.htm" fixed, "new.htm" broken.
  site_.Write("index.htm", "<a href=\"gone.htm\">\r\n<a href=\"new.htm\">\r\n");
  auto run = Check({"--baseline", baseline_});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(run.out.substr(run.out.find("links_from.txt\n") + 15),
            "1 new broken link since the baseline:\n"
            "  index.htm, line 2: new.htm\n"
            "2 broken links fixed since the baseline:\n"
            "  index.htm, line 2: old.htm\n"
            "  index.htm, line 3: gone.htm\n"
            "There are 3 broken local links.\n");

  // Only fixes since the baseline: clean.
  site_.Write("index.htm", "<a href=\"gone.htm\">\r\n");
  run = Check({"--baseline", baseline_});
  EXPECT_EQ(run.exit_code, 0) << run.out;
}

TEST_F(QvnBaseline, MachineFormatsMarkEachLinkAndListTheFixed) {
  site_.Write("about.htm", "<img src=\"pic.gif\">\r\n<a href=\"new.htm\">\r\n");
  site_.Write("index.htm", "<a href=\"gone.htm\">\r\n<a href=\"gone.htm\">\r\n");
  const auto run = Check({"--baseline", baseline_, "--format", "json"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "There are 4 broken local links.\n");
  const auto document = ParseJson(run.out, nullptr);
  ASSERT_TRUE(document) << run.out;
  std::string states;
  for (const auto& link : document->Find("brokenLinks")->items)
    states += link.Find("link")->text + "=" + link.Find("baseline")->text + ";";
  EXPECT_EQ(states, "pic.gif=existing;new.htm=new;gone.htm=existing;gone.htm=existing;");
  const auto& fixed = document->Find("fixed")->items;
  ASSERT_EQ(fixed.size(), 1u);
  EXPECT_EQ(fixed[0].Find("link")->text, "old.htm");
  EXPECT_EQ(document->Find("baseline")->Find("new")->number, 1);
}

TEST_F(QvnBaseline, ComparedThenReplacedInOneRun) {
  site_.Write("index.htm", "<a href=\"new.htm\">\r\n");
  auto run = Check({"--baseline", baseline_, "--write-baseline", baseline_});
  EXPECT_EQ(run.exit_code, 1);
  // The new baseline holds the new link: the next run finds nothing new.
  run = Check({"--baseline", baseline_});
  EXPECT_EQ(run.exit_code, 0) << run.out;
}

TEST_F(QvnBaseline, AnUnusableBaselineIsBadInputAndNothingIsWritten) {
  files_.Write("not-json.json", "{\"format\": ");
  files_.Write("other.json", "{\"format\": \"something-else\", \"version\": 1}");
  files_.Write("newer.json",
               "{\"format\": \"quorvane-results\", \"version\": 9, \"brokenLinks\": []}");
  const char* names[] = {"missing.json", "not-json.json", "other.json", "newer.json"};
  TempDir out;
  for (const char* name : names) {
    const std::string path = files_.path() + name;
    const auto run = RunQvn({"check", site_.path(), "--output-dir", out.path(), "--baseline", path,
                             "--write-baseline", out.path() + "b.json"});
    EXPECT_EQ(run.exit_code, 2) << name;
    EXPECT_NE(run.err.find("cannot use the baseline " + path), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_FALSE(out.Exists("links_to.txt")) << name;
    EXPECT_FALSE(out.Exists("b.json")) << name;
  }
}

}  // namespace
}  // namespace qvn
