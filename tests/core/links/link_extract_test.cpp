#include "core/links/link_extract.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::Native;

constexpr const char* kNone = "<none>";

std::string Found(std::string_view line) {
  const auto link = FindLinkInLine(line);
  return link ? std::string(*link) : kNone;
}

std::string Prepared(std::string_view link, const std::vector<std::string>& excluded = {}) {
  std::string out;
  return PrepareLink(link, excluded, out) ? out : kNone;
}

std::string Target(std::string_view link, const std::vector<std::string>& chain) {
  std::string out;
  return FormTarget(link, chain, out) ? out : kNone;
}

std::string Text(std::string_view line, std::string_view raw) {
  std::string scratch;
  return std::string(LinkText(line, raw, scratch));
}

TEST(FindLinkInLine, MarkersQuotesAndComments) {
  struct Case {
    const char* line;
    const char* link;
  } cases[] = {
      {R"(<a href="a.htm">)", "a.htm"},
      {R"(<A HREF="b.htm">)", "b.htm"},
      {R"(<a hReF="c.htm">)", "c.htm"},
      {R"(<a href='single.htm'>)", kNone},
      {R"(<a href=bare.htm>)", kNone},
      {R"(<a href = "spaced.htm">)", kNone},
      {"<a\thref=\"tab.htm\">", kNone},
      {R"(href="at-start.htm">)", kNone},
      {"   \t href=\"after-trim.htm\"", kNone},
      {R"(<a href="">)", ""},
      {R"(<a href="unclosed.htm>)", kNone},
      // An href anywhere wins over an earlier src, and only one link per line.
      {R"(<img src="x.gif"><a href="y.htm">)", "y.htm"},
      {R"(<a href="first.htm"><a href="second.htm">)", "first.htm"},
      {R"(<img src="pic.gif">)", "pic.gif"},
      {R"(<img SRC="up.gif">)", "up.gif"},
      // An href without its closing quote does not fall back to src.
      {R"(<img src="x.gif"> <a href="open)", kNone},
      {R"(<!-- <a href="hidden.htm"> -->)", kNone},
      {R"(<a href="kept.htm"> <!-- <a href="no.htm"> -->)", "kept.htm"},
      {R"(--> <a href="after.htm">)", "after.htm"},
      {R"(<a href="before.htm"> -->)", kNone},
      {R"(<a href="x.htm"> --> <img src="y.gif">)", "y.gif"},
      {R"(middle of a comment <a href="mid.htm">)", "mid.htm"},
      {R"(<a href="a.htm"><!--)", "a.htm"},
      {"", kNone},
      {"   ", kNone},
      {"<a\x00 href=\"nul.htm\">", kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(Found(c.line), c.link) << c.line;
  EXPECT_EQ(Found(std::string_view("<a\0 href=\"nul.htm\">", 19)), "nul.htm");
}

TEST(FindLinkInLine, CommentMarkerMustPrecedeTheValueEnd) {
  // The comment cut comes first, so a value running into "<!--" loses its quote.
  EXPECT_EQ(Found(R"(<a href="a<!--b.htm">)"), kNone);
}

TEST(LinkText, DecodesByTheLinesEncoding) {
  EXPECT_EQ(Text("<a href=\"caf\xC3\xA9.htm\">", "caf\xC3\xA9.htm"), "caf\xC3\xA9.htm");
  EXPECT_EQ(Text("<a href=\"caf\xE9.htm\">", "caf\xE9.htm"), "caf\xC3\xA9.htm");
  // One invalid byte elsewhere makes the whole line Windows-1252.
  EXPECT_EQ(Text("\xE9 <a href=\"caf\xC3\xA9.htm\">", "caf\xC3\xA9.htm"),
            "caf\xC3\x83\xC2\xA9.htm");
}

TEST(PrepareLink, SkipsCutsAndDecodes) {
  struct Case {
    const char* link;
    const char* prepared;
  } cases[] = {
      {"page.htm", "page.htm"},
      {"page.htm#intro", "page.htm"},
      {"page.htm?id=3", "page.htm"},
      {"page.htm?a#b", "page.htm"},
      {"page.htm#a?b", "page.htm"},
      {"#top", kNone},
      {"?x", kNone},
      {"", kNone},
      {"/img/a.gif", kNone},
      {"//host/x.js", kNone},
      {"http://example.com/", kNone},
      {"HTTPS://EXAMPLE.COM/", kNone},
      {"MailTo:me@example.com", kNone},
      {"javascript:void(0)", kNone},
      {"news:comp.lang", kNone},
      {"page.htm#mailto:x", kNone},
      {"a/b.htm://", kNone},
      {"tel:123", "tel:123"},
      {"data:abc", "data:abc"},
      {"../../img/My%20Pic.JPG#x", "../../img/My Pic.JPG"},
      {"a%c3%a7b.htm", "a%c3%a7b.htm"},
      {"a%C3%A7b.htm", "a\xC3\xA7" "b.htm"},
      {"%C3%B1%C3%AD%C3%B3%E2%80%93", "\xC3\xB1\xC3\xAD\xC3\xB3\xE2\x80\x93"},
      {"R&amp;D%27s%20%28new%29.htm", "R&D's (new).htm"},
      {"&amp;amp;", "&amp;"},
      {"%2520.htm", "%2520.htm"},
      {"dir\\page.htm", "dir/page.htm"},
      {"..\\up.htm", "../up.htm"},
      {"\\rooted.htm", "/rooted.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(Prepared(c.link), Native(c.prepared)) << c.link;
}

TEST(PrepareLink, ExcludedWords) {
  const std::vector<std::string> excluded = {"old", "\xC3\xA4rger"};
  EXPECT_EQ(Prepared("archive/OLD/a.htm", excluded), kNone);
  EXPECT_EQ(Prepared("bold.htm", excluded), kNone);
  EXPECT_EQ(Prepared("\xC3\x84RGER.htm", excluded), kNone);
  EXPECT_EQ(Prepared("new.htm", excluded), "new.htm");
  // The fragment is cut before the words are looked for.
  EXPECT_EQ(Prepared("new.htm#old", excluded), "new.htm");
  EXPECT_EQ(Prepared("anything.htm", {""}), kNone);
}

TEST(FormTarget, ParentStepsClimbTheChain) {
  const std::vector<std::string> chain = {Native("site/"), Native("site/news/"),
                                          Native("site/news/2019/")};
  struct Case {
    const char* link;
    const char* target;
  } cases[] = {
      {"a.htm", "site/news/2019/a.htm"},
      {"../a.htm", "site/news/a.htm"},
      {"../../img/My Pic.JPG", "site/img/My Pic.JPG"},
      {"../../../x.htm", kNone},
      {"../../../../x.htm", kNone},
      {"sub/../x.htm", "site/news/2019/sub/../x.htm"},
      {"./../x.htm", "site/news/2019/./../x.htm"},
      {"..", "site/news/2019/.."},
      {"../", "site/news/"},
  };
  for (const auto& c : cases) EXPECT_EQ(Target(Native(c.link), chain), Native(c.target)) << c.link;
  EXPECT_EQ(Target(Native("../x.htm"), {Native("site/")}), kNone);
}

}  // namespace
}  // namespace qvn
