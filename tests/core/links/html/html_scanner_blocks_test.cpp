// The scanner takes a page in blocks of any size: every way of cutting a page
// must give what the whole page gives. Random and mutated pages check that
// for many more states than a hand-made page reaches, and that nothing
// crashes or hangs.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "core/text/utf.h"
#include "core/links/html/html_scanner.h"
#include "support/temp_dir.h"

namespace qvn {
namespace {

const std::string kSample =
    "<!DOCTYPE html>\r\n<html><head><title>A <b> title</title>\r\n"
    "<base href=\"base/\">\r\n"
    "<meta http-equiv=\"Refresh\" content=\"5; URL='next.htm'\">\r\n"
    "<style>\r\n body { background: url(\"bg.png\") } /* url(no.png) */\r\n"
    " .x { b: url( sp\\20 ace.png ) } p:after { content: '</style' }\r\n</style >\r\n"
    "<script>if (a < b) document.write('<a href=\"no.htm\">');</script>\r\n"
    "<script><!-- <script> x </script> --></script>\n</head><body>\n"
    "<!-- <a href=\"comment.htm\"> --!>\n"
    "<a href=\"caf\xC3\xA9.htm?a=1&amp;b=2&copy=3\" id=\"top\">caf\xC3\xA9</a>\n"
    "<img src='img/a b.gif' srcset=\"s1.jpg 1x,\n s2.jpg 2x, data:x,y 3x\">\n"
    "<a\nhref\n=\nunquoted.htm name=anchor>x</a>\r"
    "<div style=\"background:url(&quot;div.png&quot;)\">\xE9t\xE9</div>\r"
    "<svg><use xlink:href=\"#shape\"/><style><![CDATA[a{b:url(svg.png)}]]]></style></svg>\n"
    "<textarea><a href=\"no.htm\"></textarea><video poster=p.jpg src=\"v.mp4\"></video>\n"
    "<object data=\"o.swf\"></object><a href=\"&#x4E2D;&#25991;\xE9.htm\">\xF0\x9F\x98\x80</a>"
    "<a href=\"last.htm\"";

std::string Describe(const HtmlLink& link) {
  return std::string(link.tag) + "." + std::string(link.attribute) + "=" + std::string(link.url) +
         "@" + std::to_string(link.position.line) + ":" + std::to_string(link.position.column) +
         (link.is_base ? " base" : "") + (link.truncated ? " cut" : "");
}

// Everything found in page when it is fed in pieces cut at the given offsets.
std::vector<std::string> ScanCut(std::string_view page, const std::vector<std::size_t>& cuts) {
  std::vector<std::string> found;
  HtmlScanner scanner([&](const HtmlLink& link) { found.push_back(Describe(link)); },
                      [&](const HtmlAnchor& anchor) {
                        std::string text = "#";  // appended, not "#" + ...: GCC 12 warns at -O3
                        text.append(anchor.name).append("@");
                        found.push_back(text + std::to_string(anchor.position.line) + ":" +
                                        std::to_string(anchor.position.column));
                      });
  std::size_t from = 0;
  for (std::size_t cut : cuts) {
    scanner.Feed(page.substr(from, cut - from));
    from = cut;
  }
  scanner.Feed(page.substr(from));
  scanner.Finish();
  return found;
}

TEST(HtmlScannerBlocks, SamplePageFindsEverything) {
  EXPECT_EQ(ScanCut(kSample, {}),
            (std::vector<std::string>{
                "base.href=base/@3:13 base",
                "meta.content=next.htm@4:45",
                "style.=bg.png@6:26",
                "style.=sp ace.png@7:15",
                "a.href=caf\xC3\xA9.htm?a=1&b=2&copy=3@13:10",
                "#top@13:43",
                "img.src=img/a b.gif@14:11",
                "img.srcset=s1.jpg@14:32",
                "img.srcset=s2.jpg@15:2",
                "img.srcset=data:x,y@15:13",
                "a.href=unquoted.htm@19:1",
                "#anchor@19:19",
                "div.style=div.png@20:34",
                "use.xlink:href=#shape@21:23",
                "style.=svg.png@21:56",
                "video.poster=p.jpg@22:53",
                "video.src=v.mp4@22:64",
                "object.data=o.swf@23:15",
                "a.href=\xE4\xB8\xAD\xE6\x96\x87\xC3\xA9.htm@23:40",
            }));
}

TEST(HtmlScannerBlocks, EveryCutGivesTheSameResult) {
  const auto whole = ScanCut(kSample, {});
  for (std::size_t cut = 0; cut <= kSample.size(); ++cut) {
    EXPECT_EQ(ScanCut(kSample, {cut}), whole) << "cut at " << cut;
  }
  for (std::size_t size = 1; size <= 7; ++size) {
    std::vector<std::size_t> cuts;
    for (std::size_t cut = size; cut < kSample.size(); cut += size) cuts.push_back(cut);
    EXPECT_EQ(ScanCut(kSample, cuts), whole) << "blocks of " << size;
  }
}

// Pieces that reach the tokenizer's states and the CSS and value rules.
const std::vector<std::string> kPieces = {
    "<", ">", "</", "<!--", "-->", "--!>", "-", "<!", "<?", "<![CDATA[", "]]>", "]", "<a ",
    "<img ", "<svg>", "</svg>", "<math>", "<p>", "<style>", "</style>", "</STYLE", "<script>",
    "</script>", "<title>", "</title>", "<textarea>", "<plaintext>", "<meta http-equiv=refresh ",
    "content=\"", "5; url=", "href=", "src=", "srcset=\"", "style=\"", "xlink:href=", "id=",
    "name=", "\"", "'", "=", " ", "\t", "\n", "\r", "\r\n", "&amp;", "&", "&#", "&#x", "&not",
    "1x,", ";", "url(", ")", "(", "\\", "/*", "*/", "a.htm", "\xC3\xA9", "\xE9", "\xF0\x9F\x98\x80",
    "\xE2\x82", std::string(1, '\0'), "x", "/", ",", "9"};

std::string RandomPage(std::mt19937& random) {
  std::string page;
  const std::size_t pieces = random() % 80;
  for (std::size_t i = 0; i < pieces; ++i) page += kPieces[random() % kPieces.size()];
  return page;
}

std::string MutatedSample(std::mt19937& random) {
  std::string page = kSample;
  const std::size_t edits = 1 + random() % 8;
  for (std::size_t i = 0; i < edits; ++i) {
    const std::size_t at = random() % (page.size() + 1);
    switch (random() % 3) {
      case 0:
        page.insert(at, kPieces[random() % kPieces.size()]);
        break;
      case 1:
        page.erase(at, random() % 16);
        break;
      default:
        if (at < page.size()) page[at] = static_cast<char>(random());
    }
  }
  return page;
}

std::vector<std::size_t> RandomCuts(std::mt19937& random, std::size_t size) {
  std::vector<std::size_t> cuts;
  for (std::size_t n = 1 + random() % 4; n > 0; --n) cuts.push_back(random() % (size + 1));
  std::sort(cuts.begin(), cuts.end());
  return cuts;
}

TEST(HtmlScannerBlocks, RandomAndMutatedPages) {
  std::mt19937 random(20261207);
  for (int i = 0; i < 4000; ++i) {
    const std::string page = i % 2 == 0 ? RandomPage(random) : MutatedSample(random);
    std::vector<std::string> whole;
    ScanHtml(page, [&](const HtmlLink& link) {
      EXPECT_GE(link.position.line, 1);
      EXPECT_GE(link.position.column, 1);
      EXPECT_TRUE(IsValidUtf8(link.url)) << Describe(link);
      EXPECT_FALSE(link.tag.empty());
      whole.push_back(Describe(link));
    });
    std::vector<std::string> links_only;
    const auto cut = ScanCut(page, RandomCuts(random, page.size()));
    std::copy_if(cut.begin(), cut.end(), std::back_inserter(links_only),
                 [](const std::string& s) { return s.front() != '#'; });
    ASSERT_EQ(links_only, whole) << "page " << i << ": " << page;
  }
}

TEST(HtmlScannerBlocks, ResetStartsAFreshPage) {
  std::vector<std::string> found;
  HtmlScanner scanner([&](const HtmlLink& link) { found.push_back(Describe(link)); });
  for (const char* unfinished :
       {"<a href=\"x", "<script>", "<svg><![CDATA[", "<style>a{b:url(", "<!--", "\xE2\x82", "\r"}) {
    scanner.Feed(unfinished);
    scanner.Reset();
    found.clear();
    scanner.Feed("\n<a href=y.htm>");
    scanner.Finish();
    EXPECT_EQ(found, std::vector<std::string>{"a.href=y.htm@2:9"}) << unfinished;
  }
}

TEST(HtmlScannerBlocks, ScansAFileInBlocks) {
  test::TempDir dir;
  dir.Write("page.htm", kSample);
  InputFile file;
  ASSERT_TRUE(file.Open(dir.path() + "page.htm"));
  std::vector<std::string> found;
  HtmlScanner scanner([&](const HtmlLink& link) { found.push_back(Describe(link)); });
  ASSERT_TRUE(scanner.ScanFile(file, 5));
  std::vector<std::string> expected;
  ScanHtml(kSample, [&](const HtmlLink& link) { expected.push_back(Describe(link)); });
  EXPECT_EQ(found, expected);
  EXPECT_EQ(found.size(), 17u);
}

}  // namespace
}  // namespace qvn
