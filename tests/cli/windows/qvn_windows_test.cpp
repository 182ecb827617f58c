// Windows only, end to end: qvn.exe on sites with drive paths, names outside
// the ANSI code page, and its files in Windows-1252.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::CrLf;
using test::RunQvn;
using test::TempDir;

const std::string kGreek = "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1";  // Ωμέγα, 5 characters
const std::string kJapanese = "\xE6\x97\xA5\xE6\x9C\xAC";               // 日本, 2 characters

// A site at 'C:\site\', the top folder of the examples; skipped when that
// folder exists already or cannot be made (Wine's C: drive always allows it).
class CSite : public ::testing::Test {
 protected:
  static constexpr const char* kTop = "C:\\site\\";

  void SetUp() override {
    std::error_code ec;
    if (std::filesystem::exists(kTop, ec)) GTEST_SKIP() << kTop << " exists already";
    if (!std::filesystem::create_directory(kTop, ec)) GTEST_SKIP() << "cannot create " << kTop;
    created_ = true;
  }
  void TearDown() override {
    std::error_code ec;
    if (created_) std::filesystem::remove_all(kTop, ec);
  }
  void Write(const std::string& relative, const std::string& bytes) {
    const auto file = std::filesystem::path(kTop) / test::FsPath(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }

 private:
  bool created_ = false;
};

TEST_F(CSite, TheTwoReportExamples) {
  Write("index.htm", "<img src=\"img/logo.gif\">\r\n<a href=\"img/logo.gif\">\r\n");
  Write("news\\a.htm", "<a href=\"../old.htm\">\r\n");
  TempDir out;
  const auto run = RunQvn({"check", "C:\\site", "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(run.out, out.path() + "links_to.txt\n" + out.path() + "links_from.txt\n" +
                         "There are 3 broken local links.\n");
  const std::string head =
      CrLf({"Top folder is", "C:\\site\\", "", "There are 3 broken links:", ""});
  EXPECT_EQ(out.Read("links_to.txt"),
            head + CrLf({"index.htm \x97>", "     img\\logo.gif", "news\\a.htm \x97>",
                         "     old.htm", "", "There is one repeated-in-file broken link."}));
  EXPECT_EQ(out.Read("links_from.txt"),
            head + CrLf({"img\\logo.gif <\x97", "     index.htm", "old.htm <\x97",
                         "     news\\a.htm", "", "There is one repeated-in-file broken link."}));
}

TEST_F(CSite, TheWorkedLinkExample) {
  Write("news\\2019\\a.htm",
        "<p><A HREF=\"../../img/My%20Pic.JPG#x\">pic</A> <img src=\"b.gif\"></p>\r\n");
  TempDir out;
  auto run = RunQvn({"check", "C:\\site\\\\\\", "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_EQ(out.Read("links_to.txt"),
            CrLf({"Top folder is", "C:\\site\\", "", "There is one broken link:", "",
                  "news\\2019\\a.htm \x97>", "     img\\My Pic.JPG"}));
  // Found whatever the letter case of its name.
  Write("IMG\\my pic.jpg", "jpeg");
  run = RunQvn({"check", "C:\\site\\", "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(run.out, "Congratulations!  There are no broken local links.\n");
}

TEST(QvnWindows, NamesOutsideTheAnsiCodePage) {
  TempDir dir;
  const std::string top = dir.path() + kGreek + "\\";
  dir.Write(kGreek + "/" + kJapanese + ".htm",
            "<a href=\"" + kGreek + ".htm\">\r\n<img src=\"gone-" + kJapanese + ".gif\">\r\n");
  dir.Write(kGreek + "/" + kGreek + ".htm", "<a href=\"" + kJapanese + ".htm\">\r\n");
  const std::string out = dir.path() + "out-" + kJapanese + "\\";
  const auto run = RunQvn({"check", top, "--output-dir", out});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  // Standard output carries UTF-8; the report is Windows-1252, which has no
  // Greek or Japanese letters.
  EXPECT_EQ(run.out, out + "links_to.txt\n" + out + "links_from.txt\n" +
                         "There is only one broken local link.\n");
  EXPECT_EQ(dir.Read(out + "links_to.txt"),
            CrLf({"Top folder is", test::InOurEncoding(dir.path()) + "?????\\", "",
                  "There is one broken link:", "", "??.htm \x97>", "     gone-??.gif"}));
}

TEST(QvnWindows, PathsWithForwardSlashesAreNotOptions) {
  TempDir site, out;
  site.Write("p.htm", "x");
  // "C:/..." is a path, as Windows reads it; no "/option" switches.
  std::string top = site.path();
  std::replace(top.begin(), top.end(), '\\', '/');
  const auto run = RunQvn({"list", top, "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, out.path() + "files.txt\nSole file: p.htm\n");
  EXPECT_EQ(RunQvn({"/version"}).exit_code, 2);
}

TEST(QvnWindows, FileListInWindows1252) {
  TempDir site, out;
  for (const std::string& name :
       {std::string("caf\xC3\xA9.htm"), kGreek + ".htm", std::string("news/\xC3\xA9t\xC3\xA9.htm")})
    site.Write(name, "x");
  const auto run = RunQvn({"list", site.path(), "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, out.path() + "files.txt\nNumber of files: 3\n");
  EXPECT_EQ(out.Read("files.txt"), CrLf({"Top Folder is " + test::InOurEncoding(site.path()),
                                         "Links in three files will be checked.", "", "caf\xE9.htm",
                                         "?????.htm", "news\\\xE9t\xE9.htm", ""}));
}

TEST(QvnWindows, DefaultOutputFolderIsTheApplicationDataFolder) {
  const char* appdata = std::getenv("APPDATA");
  ASSERT_NE(appdata, nullptr);
  const std::string folder = std::string(appdata) + "\\Quorvane\\";
  // Keep whatever reports the account had.
  TempDir saved;
  for (const char* name : {"links_to.txt", "links_from.txt"}) {
    if (std::filesystem::exists(test::FsPath(folder + name)))
      saved.Write(name, saved.Read(folder + name));
  }
  TempDir work;
  work.Write("web/p.htm", "<a href=\"gone.htm\">\r\n");
  const auto run = RunQvn({"check", "  web  "}, work.path());
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_TRUE(run.out.starts_with(folder + "links_to.txt\n")) << run.out;
  EXPECT_EQ(work.Read(folder + "links_to.txt"),
            CrLf({"Top folder is", "web\\", "", "There is one broken link:", "", "p.htm \x97>",
                  "     gone.htm"}));
  for (const char* name : {"links_to.txt", "links_from.txt"}) {
    std::filesystem::remove(test::FsPath(folder + name));
    if (saved.Exists(name))
      std::filesystem::copy_file(test::FsPath(saved.path() + name), test::FsPath(folder + name));
  }
}

TEST(QvnWindows, ProgramFilesAreFoundBesideTheExecutable) {
  TempDir place, site, out;
  site.Write("p.htm", "<a href=\"gone.htm\">\r\n");
  const std::string name = "Pr\xC3\xB6gram " + kGreek;
  const std::string folder = place.path() + name + "\\";
  place.Write(name + "/qvn.exe", place.Read(QVN_BINARY));
  auto run =
      test::RunCommand(folder + "qvn.exe", {"check", site.path(), "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_NE(run.err.find(folder + "qvn.dat"), std::string::npos) << run.err;
  place.Write(name + "/qvn.dat", place.Read(std::string(QVN_SOURCE_DIR) + "/data/qvn.dat"));
  run = test::RunCommand(folder + "qvn.exe", {"check", site.path(), "--output-dir", out.path()});
  EXPECT_EQ(run.exit_code, 1) << run.err;
  EXPECT_TRUE(out.Exists("links_to.txt"));
}

}  // namespace
}  // namespace qvn

#endif  // _WIN32
