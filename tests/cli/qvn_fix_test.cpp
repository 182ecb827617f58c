// End-to-end: `qvn fix` on a copy of the sample site: the dry run writes
// nothing, --apply repairs what has one answer and backs the pages up,
// --undo puts them back; `check --propose-repairs` carries the repairs into
// the formats.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/results/json_reader.h"
#include "support/json_schema.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::RunQvn;
using test::TempDir;

const std::string kSampleSite = std::string(QVN_SOURCE_DIR) + "/examples/site";
const char* const kSamplePages[] = {"index.htm", "about.htm", "news/index.htm",
                                    "news/2019/story.htm", "docs/manual.html"};
// The sample site's links with one answer, and what they become.
const std::pair<const char*, const char*> kRepairable[] = {
    {"Images/Logo.GIF", "images/logo.gif"},
    {"2020/story.htm", "2019/story.htm"},
    {"../images/photo.jpg", "../../images/photo.jpg"},
};

class QvnFix : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(test::FsPath(kSampleSite), test::FsPath(work_.path() + "site"),
                          std::filesystem::copy_options::recursive);
  }
  test::CommandResult Qvn(std::vector<std::string> args) const {
    return RunQvn(args, "", {"XDG_DATA_HOME=" + data_.path(), "APPDATA=" + data_.path()});
  }
  std::string Site() const { return work_.path() + "site"; }
  std::string Page(const char* page) const { return work_.Read(Site() + "/" + page); }
  std::string Sample(const char* page) const { return work_.Read(kSampleSite + "/" + page); }
  // The links of a JSON check of the copy that are still broken.
  std::vector<std::string> BrokenLinks() const {
    const auto run = Qvn({"check", Site(), "--case", "--format", "json"});
    std::vector<std::string> links;
    const auto document = ParseJson(run.out, nullptr);
    if (!document) return {"not JSON: " + run.out};
    for (const JsonValue& link : document->Find("brokenLinks")->items)
      links.push_back(link.Find("link")->text);
    return links;
  }

  TempDir work_, data_;
};

TEST_F(QvnFix, TheDryRunShowsTheRepairsAndWritesNothing) {
  const auto run = Qvn({"fix", Site(), "--case", "--moved"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  for (const auto& [old_link, new_link] : kRepairable) {
    EXPECT_NE(run.out.find(std::string(old_link) + " -> " + new_link), std::string::npos)
        << run.out;
  }
  EXPECT_NE(run.out.find("--- a/index.htm\n+++ b/index.htm\n@@ "), std::string::npos);
  EXPECT_NE(run.out.find("Nothing was written"), std::string::npos);
  for (const char* page : kSamplePages) EXPECT_EQ(Page(page), Sample(page)) << page;
  EXPECT_FALSE(data_.Exists("Quorvane"));
}

TEST_F(QvnFix, ApplyRepairsTheLinksWithOneAnswerAndUndoPutsThePagesBack) {
  const std::vector<std::string> before = BrokenLinks();
  const auto run = Qvn({"fix", Site(), "--case", "--moved", "--apply"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("Checked again: 3 repaired links resolve"), std::string::npos) << run.out;
  const std::vector<std::string> after = BrokenLinks();
  EXPECT_EQ(after.size(), before.size() - std::size(kRepairable));
  for (const auto& [old_link, new_link] : kRepairable) {
    EXPECT_EQ(std::count(after.begin(), after.end(), old_link), 0) << old_link;
    EXPECT_EQ(std::count(after.begin(), after.end(), new_link), 0) << new_link;
  }
  const auto undo = Qvn({"fix", "--undo"});
  EXPECT_EQ(undo.exit_code, 0) << undo.err;
  EXPECT_NE(undo.out.find("Restored 3 pages"), std::string::npos) << undo.out;
  for (const char* page : kSamplePages) EXPECT_EQ(Page(page), Sample(page)) << page;
  EXPECT_EQ(Qvn({"fix", "--undo"}).exit_code, 2);  // nothing left to undo
}

TEST_F(QvnFix, TheFormatsCarryTheRepairsOnlyWhenAsked) {
  TempDir scratch;
  const JsonValue schema =
      *ParseJson(scratch.Read(std::string(QVN_SOURCE_DIR) + "/docs/results.schema.json"), nullptr);
  const auto plain = Qvn({"check", Site(), "--case", "--format", "json"});
  EXPECT_EQ(plain.out.find("\"repair\""), std::string::npos);
  const auto json = Qvn({"check", Site(), "--case", "--format", "json", "--propose-repairs"});
  const auto document = ParseJson(json.out, nullptr);
  ASSERT_TRUE(document) << json.out;
  const auto problems = test::JsonSchemaValidator(schema).Validate(*document);
  EXPECT_TRUE(problems.empty()) << problems.front();
  int repaired = 0;
  for (const JsonValue& link : document->Find("brokenLinks")->items) {
    const JsonValue* repair = link.Find("repair");
    ASSERT_NE(repair, nullptr);
    if (link.Find("link")->text == "Images/Logo.GIF") {
      EXPECT_EQ(repair->Find("link")->text, "images/logo.gif");
      EXPECT_EQ(repair->Find("reason")->text, "letter case");
      ++repaired;
    }
  }
  EXPECT_EQ(repaired, 1);
  const auto sarif = Qvn({"check", Site(), "--case", "--format", "sarif", "--propose-repairs"});
  EXPECT_NE(sarif.out.find("\"insertedContent\": {\n"), std::string::npos) << sarif.out;
  const auto markdown = Qvn({"fix", Site(), "--case", "--moved", "--format", "markdown"});
  EXPECT_NE(markdown.out.find("repair: `2019/story.htm` (moved)"), std::string::npos)
      << markdown.out;
  EXPECT_EQ(Qvn({"check", Site(), "--propose-repairs"}).exit_code, 2);
}

TEST_F(QvnFix, AmbiguousLinksAreListedAndLeftAlone) {
  work_.Write("site/news/2021/story.htm", "<p>");
  const auto run = Qvn({"fix", Site(), "--case", "--moved", "--only", "missing-file", "--apply"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(
      run.out.find("Left alone, more than one candidate:\n  " + test::Native("news/index.htm") +
                   " line 4: 2020/story.htm\n    2019/story.htm (moved)\n"
                   "    2021/story.htm (moved)\n"),
      std::string::npos)
      << run.out;
  EXPECT_EQ(Page("news/index.htm"), Sample("news/index.htm"));
  EXPECT_NE(Page("news/2019/story.htm"), Sample("news/2019/story.htm"));
  EXPECT_EQ(Qvn({"fix", Site(), "--only", "no-such-kind"}).exit_code, 2);
}

}  // namespace
}  // namespace qvn
