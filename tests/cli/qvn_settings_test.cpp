// End-to-end: qvn taking its selection from a settings file.

#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;
using test::InOurEncoding;
using test::Native;
using test::RunQvn;
using test::TempDir;

class QvnSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    site.Write("index.htm", "<a href=\"a.htm\">\r\n<a href=\"old/b.htm\">\r\n");
    site.Write("page.php", "<a href=\"c.htm\">\r\n");
    site.Write("images/i.htm", "<a href=\"d.htm\">\r\n");
    site.Write("sub/s.htm", "<a href=\"e.htm\">\r\n");
  }
  std::string Settings(const std::string& top, const std::string& tail) const {
    return CrLf({"\"" + top + "\"", "\"IMAGES", "  \""}) + tail;
  }
  std::string Report(const TempDir& out) const { return out.Read("links_to.txt"); }

  TempDir site, out, files;
};

TEST_F(QvnSettings, SuppliesTopFolderExclusionsAndOptions) {
  files.Write("s.usr", Settings(site.path(), CrLf({"\"sub\"", "\"old\"", " 0 ", " 1 ", " 1 "})));
  const auto run = RunQvn({"check", "--settings", files.path() + "s.usr", "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Report(out),
            InOurEncoding(CrLf({"Top folder is", site.path(), "", "There are 2 broken links:", "",
                                "index.htm \xE2\x80\x94>", "     a.htm", "page.php \xE2\x80\x94>",
                                "     c.htm"})));
}

TEST_F(QvnSettings, CommandLineWins) {
  files.Write("s.usr", Settings("/gone/folder/", CrLf({"\"sub\"", "\"old\"", " 0 ", " 0 ", " 0 "})));
  const auto run = RunQvn({"check", site.path(), "--settings", files.path() + "s.usr",
                           "--exclude-links", "zzz", "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  // The settings' top folder is gone, so its subfolder names are dropped too.
  EXPECT_EQ(
      Report(out),
      InOurEncoding(CrLf({"Top folder is", site.path(), "", "There are 3 broken links:", "",
                          "index.htm \xE2\x80\x94>", "     a.htm", Native("     old/b.htm"),
                          Native("images/i.htm \xE2\x80\x94>"), Native("     images/d.htm")})));
}

TEST_F(QvnSettings, PartlyReadableFileIsAppliedAndReported) {
  files.Write("s.usr", Settings(site.path(), CrLf({"\"sub\"", "\"old\"", "yes"})));
  const auto run = RunQvn({"check", "--settings", files.path() + "s.usr", "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("4 of its 7 fields"), std::string::npos) << run.err;
  EXPECT_NE(Report(out).find("There is one broken link:"), std::string::npos);
}

TEST_F(QvnSettings, MissingFileOrTopFolderIsBadInput) {
  auto run = RunQvn({"check", "--settings", files.path() + "none.usr"});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.err.find("none.usr"), std::string::npos);
  files.Write("s.usr", Settings("/gone/folder/", ""));
  run = RunQvn({"list", "--settings", files.path() + "s.usr", "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.err.find("top folder"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace qvn
