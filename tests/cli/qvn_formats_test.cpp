// End-to-end: `qvn check --format` and `--out`: documents on standard output
// or in a file, texts for people on standard error, the same bytes on every
// run, and the text format untouched.

#include <gtest/gtest.h>

#include "core/results/json_reader.h"
#include "support/json_schema.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;
using test::RunQvn;
using test::TempDir;

const char* const kFormats[] = {"json", "csv", "sarif", "markdown"};

// Two pages, three broken links, one of them to a folder.
void MakeSite(const TempDir& site) {
  site.Write("index.htm", "<a href=\"gone.htm\">\r\n<a href=\"docs/\">\r\n");
  site.Write("docs/p.htm", "<p>\r\n<img src=\"pic.gif\">\r\n");
}

JsonValue ParseOrFail(const std::string& text) {
  std::string error;
  auto value = ParseJson(text, &error);
  EXPECT_TRUE(value) << error << "\n" << text;
  return value.value_or(JsonValue());
}

TEST(QvnFormats, DocumentOnStandardOutputOutcomeOnStandardError) {
  TempDir site, data;
  MakeSite(site);
  for (const char* format : kFormats) {
    const auto run = RunQvn({"check", site.path(), "--format", format}, "",
                            {"XDG_DATA_HOME=" + data.path()});
    EXPECT_EQ(run.exit_code, 1) << format << run.err;
    EXPECT_EQ(run.err, "There are 3 broken local links.\n") << format;
    EXPECT_NE(run.out.find("gone.htm"), std::string::npos) << format;
    // The text reports are not written, so the data folder is not even made.
    EXPECT_FALSE(data.Exists("Quorvane")) << format;
  }
}

TEST(QvnFormats, JsonFollowsTheSchemaAndTellsFoldersFromMissingFiles) {
  TempDir site, scratch;
  MakeSite(site);
  const auto run = RunQvn({"check", site.path(), "--format", "json"});
  const JsonValue document = ParseOrFail(run.out);
  const JsonValue schema =
      ParseOrFail(scratch.Read(std::string(QVN_SOURCE_DIR) + "/docs/results.schema.json"));
  const auto problems = test::JsonSchemaValidator(schema).Validate(document);
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_EQ(document.Find("topFolder")->text, site.path());
  const auto& links = document.Find("brokenLinks")->items;
  ASSERT_EQ(links.size(), 3u);
  struct Expected {
    std::string page;
    int line, column;
    std::string link, target, kind;
  } expected[] = {
      {"index.htm", 1, 10, "gone.htm", "gone.htm", "missing-file"},
      {"index.htm", 2, 10, "docs/", Native("docs/"), "folder"},
      {Native("docs/p.htm"), 2, 11, "pic.gif", Native("docs/pic.gif"), "missing-file"},
  };
  for (std::size_t i = 0; i < links.size(); ++i) {
    EXPECT_EQ(links[i].Find("page")->text, expected[i].page);
    EXPECT_EQ(links[i].Find("line")->number, expected[i].line);
    EXPECT_EQ(links[i].Find("column")->number, expected[i].column);
    EXPECT_EQ(links[i].Find("link")->text, expected[i].link);
    EXPECT_EQ(links[i].Find("target")->text, expected[i].target);
    EXPECT_EQ(links[i].Find("kind")->text, expected[i].kind);
  }
  EXPECT_EQ(document.Find("counts")->Find("pagesRead")->number, 2);
}

TEST(QvnFormats, OutWritesTheFileAndTwoRunsGiveTheSameBytes) {
  TempDir site, out;
  MakeSite(site);
  for (const char* format : kFormats) {
    const std::string first = out.path() + format + ".1", second = out.path() + format + ".2";
    const auto run = RunQvn({"check", site.path(), "--format", format, "--out", first});
    EXPECT_EQ(run.exit_code, 1) << format;
    EXPECT_EQ(run.out, "") << format;
    EXPECT_EQ(run.err, first + "\nThere are 3 broken local links.\n") << format;
    RunQvn({"check", site.path(), "--format", format, "--out", second});
    const std::string bytes = out.Read(first);
    EXPECT_FALSE(bytes.empty()) << format;
    EXPECT_EQ(bytes, out.Read(second)) << format;
  }
  // Machine formats are UTF-8 with LF line ends, but CSV records end in CR LF.
  EXPECT_EQ(out.Read(out.path() + "json.1").find('\r'), std::string::npos);
  EXPECT_EQ(out.Read(out.path() + "csv.1").substr(0, 51),
            "page,line,column,link,target,kind,note,suggestion\r\n");
}

TEST(QvnFormats, NoBrokenLinksStillGivesADocument) {
  TempDir site;
  site.Write("index.htm", "<a href=\"index.htm\">\r\n");
  const auto run = RunQvn({"check", site.path(), "--format", "json"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "Congratulations!  There are no broken local links.\n");
  EXPECT_TRUE(ParseOrFail(run.out).Find("brokenLinks")->items.empty());
}

TEST(QvnFormats, ExplicitTextFormatIsTheDefault) {
  TempDir site, out;
  MakeSite(site);
  const auto plain = RunQvn({"check", site.path(), "--output-dir", out.path()});
  const std::string by_source = out.Read("links_to.txt"), by_target = out.Read("links_from.txt");
  const auto text = RunQvn({"check", site.path(), "--output-dir", out.path(), "--format", "text"});
  EXPECT_EQ(text.exit_code, plain.exit_code);
  EXPECT_EQ(text.out, plain.out);
  EXPECT_EQ(text.err, plain.err);
  EXPECT_EQ(out.Read("links_to.txt"), by_source);
  EXPECT_EQ(out.Read("links_from.txt"), by_target);
}

TEST(QvnFormats, MistakesAreRefusedBeforeTheRun) {
  TempDir site, out;
  MakeSite(site);
  out.MakeDir("folder");
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--format", "xml"}, "xml"},
      {{"--out", out.path() + "x.txt"}, "--out needs"},
      {{"--format", "json", "--out", out.path() + Native("missing/x.json")}, "missing"},
      {{"--format", "json", "--out", out.path() + "folder"}, "is a folder"},
      {{"--write-baseline", out.path() + Native("missing/b.json")}, "missing"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"check", site.path(), "--output-dir", out.path()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto run = RunQvn(args);
    EXPECT_EQ(run.exit_code, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_FALSE(out.Exists("links_to.txt")) << c.message;
  }
}

#ifndef _WIN32
TEST(QvnFormats, CsvQuotesNamesWithCommasQuotesAndLineBreaks) {
  TempDir site, out;
  site.Write("a,b.htm", "<a href=\"x,y.htm\">\r\n");
  site.Write("line\nbreak.htm", "<a href=\"gone.htm\">\r\n");
  site.Write("say \"hi\".htm", "<p>\r\n<a href=\"gone.htm\">\r\n");
  const auto run =
      RunQvn({"check", site.path(), "--format", "csv", "--out", out.path() + "r.csv"});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(out.Read("r.csv"),
            "page,line,column,link,target,kind,note,suggestion\r\n"
            "\"a,b.htm\",1,10,\"x,y.htm\",\"x,y.htm\",missing-file,no such file,\r\n"
            "\"line\nbreak.htm\",1,10,gone.htm,gone.htm,missing-file,no such file,\r\n"
            "\"say \"\"hi\"\".htm\",2,10,gone.htm,gone.htm,missing-file,no such file,\r\n");
}

TEST(QvnFormats, SarifLocatesPagesBelowTheTopFolderAsAnAbsoluteUri) {
  TempDir work;
  work.Write("my site/index.htm", "<a href=\"gone.htm\">\r\n");
  const auto run = RunQvn({"check", "my site", "--format", "sarif"}, work.path());
  const JsonValue log = ParseOrFail(run.out);
  const JsonValue& run_log = log.Find("runs")->items.at(0);
  const std::string folder = work.path();
  std::string uri = "file://";
  for (const char c : folder) uri += c == ' ' ? std::string("%20") : std::string(1, c);
  EXPECT_EQ(run_log.Find("originalUriBaseIds")->Find("TOPFOLDER")->Find("uri")->text,
            uri + "my%20site/");
  const JsonValue& location =
      *run_log.Find("results")->items.at(0).Find("locations")->items.at(0).Find("physicalLocation");
  EXPECT_EQ(location.Find("artifactLocation")->Find("uri")->text, "index.htm");
  EXPECT_EQ(location.Find("region")->Find("startLine")->number, 1);
}
#endif

}  // namespace
}  // namespace qvn
