#include "core/links/html/html_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvn {
namespace {

// A link as "tag.attribute=url@line:column", with " base" or " cut" after it.
std::string Describe(const HtmlLink& link) {
  std::string text = std::string(link.tag) + "." + std::string(link.attribute) + "=" +
                     std::string(link.url) + "@" + std::to_string(link.position.line) + ":" +
                     std::to_string(link.position.column);
  if (link.is_base) text += " base";
  if (link.truncated) text += " cut";
  return text;
}

std::vector<std::string> Links(std::string_view page) {
  std::vector<std::string> links;
  ScanHtml(page, [&](const HtmlLink& link) { links.push_back(Describe(link)); });
  return links;
}

std::vector<std::string> Anchors(std::string_view page) {
  std::vector<std::string> anchors;
  ScanHtml(
      page, [](const HtmlLink&) {},
      [&](const HtmlAnchor& a) {
        anchors.push_back(std::string(a.attribute) + "=" + std::string(a.name) + "@" +
                          std::to_string(a.position.line) + ":" +
                          std::to_string(a.position.column));
      });
  return anchors;
}

struct Case {
  const char* page;
  std::vector<std::string> links;
};

void ExpectLinks(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(Links(c.page), c.links) << c.page;
}

TEST(HtmlScanner, EachUrlAttributeOfEachElement) {
  ExpectLinks({
      {R"~(<a href="a.htm">)~", {"a.href=a.htm@1:10"}},
      {R"~(<area href="b.htm">)~", {"area.href=b.htm@1:13"}},
      {R"~(<link href="c.css">)~", {"link.href=c.css@1:13"}},
      {R"~(<img src="d.gif">)~", {"img.src=d.gif@1:11"}},
      {R"~(<script src="e.js"></script>)~", {"script.src=e.js@1:14"}},
      {R"~(<iframe src="f.htm"></iframe>)~", {"iframe.src=f.htm@1:14"}},
      {R"~(<embed src="g.swf">)~", {"embed.src=g.swf@1:13"}},
      {R"~(<source src="h.mp4">)~", {"source.src=h.mp4@1:14"}},
      {R"~(<audio src="i.mp3">)~", {"audio.src=i.mp3@1:13"}},
      {R"~(<video src="j.mp4">)~", {"video.src=j.mp4@1:13"}},
      {R"~(<track src="k.vtt">)~", {"track.src=k.vtt@1:13"}},
      {R"~(<input type=image src="l.png">)~", {"input.src=l.png@1:24"}},
      {R"~(<video poster="m.jpg">)~", {"video.poster=m.jpg@1:16"}},
      {R"~(<object data="n.swf">)~", {"object.data=n.swf@1:15"}},
      {R"~(<img srcset="o.jpg">)~", {"img.srcset=o.jpg@1:14"}},
      {R"~(<source srcset="p.webp">)~", {"source.srcset=p.webp@1:17"}},
      {R"~(<link imagesrcset="q.jpg">)~", {"link.imagesrcset=q.jpg@1:20"}},
      {R"~(<meta http-equiv="refresh" content="5; url=r.htm">)~", {"meta.content=r.htm@1:44"}},
      {R"~(<svg><use href="s.svg#a"/></svg>)~", {"use.href=s.svg#a@1:17"}},
      {R"~(<svg><image xlink:href="t.png"/></svg>)~", {"image.xlink:href=t.png@1:25"}},
      {R"~(<p xlink:href="u.htm">)~", {"p.xlink:href=u.htm@1:16"}},
      {R"~(<div style="background:url(v.png)">)~", {"div.style=v.png@1:28"}},
      {R"~(<style>p{background:url(w.png)}</style>)~", {"style.=w.png@1:25"}},
      {R"~(<base href="x/">)~", {"base.href=x/@1:13 base"}},
  });
}

TEST(HtmlScanner, AttributesThatHoldNoUrlHere) {
  ExpectLinks({
      {R"~(<div href="no.htm">)~", {}},
      {R"~(<img href="no.htm">)~", {}},
      {R"~(<a src="no.htm">)~", {}},
      {R"~(<p srcset="no.jpg">)~", {}},
      {R"~(<img poster="no.jpg">)~", {}},
      {R"~(<embed data="no.swf">)~", {}},
      {R"~(<svg><foo src="no.png"/></svg>)~", {}},
      {R"~(<meta content="5; url=no.htm">)~", {}},
      {R"~(<meta http-equiv="expires" content="5; url=no.htm">)~", {}},
      {R"~(<base target="_top">)~", {}},
      // Attributes of end tags are nothing.
      {R"~(<a></a href="no.htm">)~", {}},
  });
}

TEST(HtmlScanner, QuotingAndSpacing) {
  ExpectLinks({
      {R"~(<a href='single.htm'>)~", {"a.href=single.htm@1:10"}},
      {R"~(<a href=bare.htm>)~", {"a.href=bare.htm@1:9"}},
      {R"~(<a href=bare.htm title=x>)~", {"a.href=bare.htm@1:9"}},
      {R"~(<a href = "spaced.htm">)~", {"a.href=spaced.htm@1:12"}},
      {"<a\thref\t=\t'tab.htm'>", {"a.href=tab.htm@1:12"}},
      {"<a\nhref=\n\"nl.htm\"\n>", {"a.href=nl.htm@3:2"}},
      {R"~(<A HREF="upper.htm">)~", {"a.href=upper.htm@1:10"}},
      {R"~(<a title="x"href="glued.htm">)~", {"a.href=glued.htm@1:19"}},
      {R"~(<a/href="slash.htm">)~", {"a.href=slash.htm@1:10"}},
      {R"~(<img src="self.gif"/>)~", {"img.src=self.gif@1:11"}},
      {R"~(<img src=self.gif/>)~", {"img.src=self.gif/@1:10"}},
      {R"~(<a title="a > b" href="gt.htm">)~", {"a.href=gt.htm@1:24"}},
      {R"~(<a title='say "hi"' href="q.htm">)~", {"a.href=q.htm@1:27"}},
      {R"~(<a href="x.htm" href="second.htm">)~", {"a.href=x.htm@1:10"}},
      {R"~(<a href>)~", {"a.href=@1:8"}},
      {R"~(<a href=>)~", {"a.href=@1:8"}},
      {R"~(<a href="">)~", {"a.href=@1:10"}},
      {"<a href=\"  padded.htm\t\">", {"a.href=padded.htm@1:12"}},
      {"<a href=\"two\nlines.htm\">", {"a.href=twolines.htm@1:10"}},
      {R"~(<a href="a.htm"><img src="b.gif"></a>)~", {"a.href=a.htm@1:10", "img.src=b.gif@1:27"}},
      // No link before the tag is complete: one left open at the end is dropped.
      {R"~(<a href="open.htm")~", {}},
      {"< a href=\"text.htm\">", {}},
      {"<3 <a href=\"after-lt.htm\">", {"a.href=after-lt.htm@1:13"}},
  });
}

TEST(HtmlScanner, CharacterReferencesInValues) {
  ExpectLinks({
      {R"~(<a href="a?b=1&amp;c=2">)~", {"a.href=a?b=1&c=2@1:10"}},
      {R"~(<a href="&lt;&gt;&quot;&apos;">)~", {"a.href=<>\"'@1:10"}},
      {R"~(<a href="x&nbsp;y">)~", {"a.href=x\xC2\xA0y@1:10"}},
      {R"~(<a href="&#65;&#x42;&#X43;&#0068">)~", {"a.href=ABCD@1:10"}},
      {R"~(<a href="&eacute;t&eacute;.htm">)~", {"a.href=\xC3\xA9t\xC3\xA9.htm@1:10"}},
      {R"~(<a href="&#150;&#0;&#xD800;&#x110000;">)~",
       {"a.href=\xE2\x80\x93\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD@1:10"}},
      // Legacy names work without ";" except before "=" or an alphanumeric.
      {R"~(<a href="?x=1&copy=2&amp">)~", {"a.href=?x=1&copy=2&@1:10"}},
      {R"~(<a href="?a&ampb &amp.">)~", {"a.href=?a&ampb &.@1:10"}},
      {R"~(<a href="&notit; &notin;">)~", {"a.href=&notit; \xE2\x88\x89@1:10"}},
      {R"~(<a href="&unknown; & &# &#x; &;">)~", {"a.href=&unknown; & &# &#x; &;@1:10"}},
      {R"~(<a href=a&amp;b>)~", {"a.href=a&b@1:9"}},
  });
}

TEST(HtmlScanner, CommentsDoctypesAndBogusComments) {
  ExpectLinks({
      {R"~(<!-- <a href="no.htm"> -->)~", {}},
      {"<!--\n<a href=\"no.htm\">\n-->", {}},
      {R"~(<!-- -- <a href="no.htm"> -- -->)~", {}},
      {R"~(<!-- <!-- <a href="no.htm"> -->)~", {}},
      {R"~(<!--><a href="yes1.htm">)~", {"a.href=yes1.htm@1:15"}},
      {R"~(<!---><a href="yes2.htm">)~", {"a.href=yes2.htm@1:16"}},
      {R"~(<!-- x --!><a href="yes3.htm">)~", {"a.href=yes3.htm@1:21"}},
      {R"~(<!-- x ---><a href="yes4.htm">)~", {"a.href=yes4.htm@1:21"}},
      {R"~(<!DOCTYPE html><a href="yes5.htm">)~", {"a.href=yes5.htm@1:25"}},
      // A ">" ends a DOCTYPE even inside its quoted identifier.
      {R"~(<!doctype html public "a>b"><a href="yes6.htm">)~", {"a.href=yes6.htm@1:38"}},
      {R"~(<?xml version="1.0"?><a href="yes7.htm">)~", {"a.href=yes7.htm@1:31"}},
      {R"~(<!x <a href="no.htm">)~", {}},
      {R"~(<![CDATA[x]]><a href="yes8.htm">)~", {"a.href=yes8.htm@1:23"}},
      {R"~(</ <a href="no.htm">)~", {}},
      {R"~(</><a href="yes9.htm">)~", {"a.href=yes9.htm@1:13"}},
  });
}

TEST(HtmlScanner, RawTextElementsHideTags) {
  ExpectLinks({
      {R"~(<script>document.write('<a href="no.htm">')</script><a href="yes.htm">)~",
       {"a.href=yes.htm@1:62"}},
      // Inside "<!--" a nested <script> keeps the first </script> from ending it.
      {R"~(<script><!-- <script></script> <a href="no.htm"> --></script><a href="y.htm">)~",
       {"a.href=y.htm@1:71"}},
      {R"~(<script><!-- <a href="no.htm"> </script><a href="y.htm">)~", {"a.href=y.htm@1:50"}},
      {R"~(<SCRIPT>x</Script ><a href="y.htm">)~", {"a.href=y.htm@1:29"}},
      {R"~(<script>x</scripts><a href="no.htm"></script>)~", {}},
      {R"~(<style>a{}</style><a href="y.htm">)~", {"a.href=y.htm@1:28"}},
      {R"~(<textarea><a href="no.htm"></textarea>)~", {}},
      {R"~(<title><a href="no.htm"></TITLE><a href="y.htm">)~", {"a.href=y.htm@1:42"}},
      {R"~(<xmp><a href="no.htm"></xmp>)~", {}},
      {R"~(<iframe><a href="no.htm"></iframe>)~", {}},
      {R"~(<noembed><a href="no.htm"></noembed>)~", {}},
      {R"~(<noframes><a href="no.htm"></noframes>)~", {}},
      {R"~(<plaintext></plaintext><a href="no.htm">)~", {}},
      // Scripting is off for a link checker: noscript holds markup.
      {R"~(<noscript><a href="yes.htm"></noscript>)~", {"a.href=yes.htm@1:20"}},
  });
}

TEST(HtmlScanner, SrcsetCandidatesWithoutDescriptors) {
  ExpectLinks({
      {R"~(<img srcset="a.jpg 1x, b.jpg 2x,c.jpg 3x">)~",
       {"img.srcset=a.jpg@1:14", "img.srcset=b.jpg@1:24", "img.srcset=c.jpg@1:33"}},
      {R"~(<img srcset="a.jpg, b.jpg">)~", {"img.srcset=a.jpg@1:14", "img.srcset=b.jpg@1:21"}},
      // A comma inside a URL is part of it; only trailing commas end one.
      {R"~(<img srcset="a.jpg,b.jpg 2x">)~", {"img.srcset=a.jpg,b.jpg@1:14"}},
      {R"~(<img srcset="data:image/gif;base64,R0l= 1x, d.gif 2x">)~",
       {"img.srcset=data:image/gif;base64,R0l=@1:14", "img.srcset=d.gif@1:45"}},
      {R"~(<img srcset="a.jpg (w 1, 2) 1x, b.jpg">)~",
       {"img.srcset=a.jpg@1:14", "img.srcset=b.jpg@1:33"}},
      {"<img srcset=\"\n  a.jpg 100w,\r\n  b.jpg 200w\">",
       {"img.srcset=a.jpg@2:3", "img.srcset=b.jpg@3:3"}},
      {R"~(<img srcset="a.jpg&#32;1x,&#10;b&amp;c.jpg 2x">)~",
       {"img.srcset=a.jpg@1:14", "img.srcset=b&c.jpg@1:32"}},
      {R"~(<img srcset=" , ,, ">)~", {}},
      {R"~(<img srcset=a.jpg,b.jpg>)~", {"img.srcset=a.jpg,b.jpg@1:13"}},
      {R"~(<link rel=preload imagesrcset="a.jpg 1x, b.jpg 2x">)~",
       {"link.imagesrcset=a.jpg@1:32", "link.imagesrcset=b.jpg@1:42"}},
  });
}

TEST(HtmlScanner, MetaRefreshVariants) {
  const std::string meta = R"~(<meta http-equiv="refresh" content=)~";  // the value starts at 36
  ExpectLinks({
      {(meta + R"~("5; url=a.htm">)~").c_str(), {"meta.content=a.htm@1:44"}},
      {(meta + R"~("0;URL='b.htm'">)~").c_str(), {"meta.content=b.htm@1:44"}},
      {(meta + R"~('0; Url = "c.htm" trailing'>)~").c_str(), {"meta.content=c.htm@1:47"}},
      {(meta + R"~("10,d.htm">)~").c_str(), {"meta.content=d.htm@1:40"}},
      {(meta + R"~("  3  ;  url  =  e.htm  ">)~").c_str(), {"meta.content=e.htm@1:53"}},
      {(meta + R"~(".5; url=f.htm">)~").c_str(), {"meta.content=f.htm@1:45"}},
      {(meta + R"~("5 g.htm">)~").c_str(), {"meta.content=g.htm@1:39"}},
      {(meta + R"~("5; urlx=h.htm">)~").c_str(), {"meta.content=urlx=h.htm@1:40"}},
      {(meta + R"~("5; url='i.htm">)~").c_str(), {"meta.content=i.htm@1:45"}},
      {(meta + R"~("1;url=j.htm?a=1&amp;b=2">)~").c_str(), {"meta.content=j.htm?a=1&b=2@1:43"}},
      {(meta + R"~(5;url=k.htm>)~").c_str(), {"meta.content=k.htm@1:42"}},
      {(meta + R"~("5">)~").c_str(), {}},
      {(meta + R"~("5; ">)~").c_str(), {}},
      {(meta + R"~("x; url=no.htm">)~").c_str(), {}},
      {(meta + R"~("5x url=no.htm">)~").c_str(), {}},
      {R"~(<meta content="0; url=l.htm" HTTP-EQUIV="Refresh">)~", {"meta.content=l.htm@1:23"}},
  });
}

TEST(HtmlScanner, CssUrlsInStyleAttributes) {
  const std::string div = R"~(<div style=")~";  // the value starts at 13
  ExpectLinks({
      {(div + R"~(background:url('a.png')">)~").c_str(), {"div.style=a.png@1:29"}},
      {(div + R"~(background: URL( b.png ) ">)~").c_str(), {"div.style=b.png@1:30"}},
      {(div + R"~(background:url(&quot;c.png&quot;)">)~").c_str(), {"div.style=c.png@1:34"}},
      {(div + R"~(a:url(d.png);b:url(e.png)">)~").c_str(),
       {"div.style=d.png@1:19", "div.style=e.png@1:32"}},
      {(div + R"~(a:url(f\).png)">)~").c_str(), {"div.style=f).png@1:19"}},
      {(div + R"~(a:url('g\26 h.png')">)~").c_str(), {"div.style=g&h.png@1:20"}},
      {(div + R"~(a:url(/*x*/i.png)">)~").c_str(), {"div.style=/*x*/i.png@1:19"}},
      {(div + R"~(a:url(j.png">)~").c_str(), {"div.style=j.png@1:19"}},
      {(div + R"~(a:url()">)~").c_str(), {"div.style=@1:19"}},
      // No url in comments, strings, other words, or when spoilt.
      {(div + R"~(/* url(no.png) */ a:myurl(no.png) b:-url(no.png)">)~").c_str(), {}},
      {(div + R"~(content:'url(no.png)' a:url(no 2.png) b:url(x'y.png) c:#url(no.png)">)~").c_str(),
       {}},
      {(div + R"~(a:url (no.png)">)~").c_str(), {}},
  });
}

TEST(HtmlScanner, CssUrlsInStyleElements) {
  ExpectLinks({
      {"<style>\n@import url(k.css);\nbody { background: url(\"l.png\") }\n</style>",
       {"style.=k.css@2:13", "style.=l.png@3:25"}},
      {"<style>a { b: url(\"m\\\n.png\") }</style>", {"style.=m.png@1:20"}},
      {"<style>a { b: url(no\n.png) } c { d: url(n.png) }</style>", {"style.=n.png@2:20"}},
      {"<style>/* url(no.png) */ a { content: \"url(no.png)\" }</style>", {}},
      {"<style>a{b:url(o.png)}</style><p>url(no.png)</p>", {"style.=o.png@1:16"}},
      {"<style>a{b:url(&amp;.png)}</style>", {"style.=&amp;.png@1:16"}},
      {"<style>a{b:url(p.png</style>", {"style.=p.png@1:16"}},
      {"<style>a{b:url(</x.png)}</style>", {"style.=</x.png@1:16"}},
      {"<style>a{b:url(q.png)}</stylex>c{d:url(r.png)}</style>",
       {"style.=q.png@1:16", "style.=r.png@1:40"}},
  });
}

TEST(HtmlScanner, BaseHrefIsMarked) {
  ExpectLinks({
      {R"~(<head><base href="http://example.org/dir/"><link href="s.css"></head>)~",
       {"base.href=http://example.org/dir/@1:19 base", "link.href=s.css@1:56"}},
      {R"~(<base href="a/"><base href="b/">)~", {"base.href=a/@1:13 base", "base.href=b/@1:29 base"}},
  });
}

TEST(HtmlScanner, LinesAndColumns) {
  ExpectLinks({
      {"<p>\r\n\r\n  <a href=\"one.htm\">\n\n\r<img src=\"two.gif\">\r\r\n",
       {"a.href=one.htm@3:12", "img.src=two.gif@6:11"}},
      {"a\rb\r<a href=x>", {"a.href=x@3:9"}},
      {"\r\r\n<a href=x>", {"a.href=x@3:9"}},
      {"\n\r<a href=x>", {"a.href=x@3:9"}},
      {"\t<a href=x>", {"a.href=x@1:10"}},
      // Columns count UTF-16 units, as the line scan does; a byte that is not
      // UTF-8 counts one.
      {"<p>\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80<a href=x>", {"a.href=x@1:16"}},
      {"<p>\xE9\xE9<a href=x>", {"a.href=x@1:14"}},
      {"<p>\xE2\x82<a href=x>", {"a.href=x@1:14"}},
  });
}

TEST(HtmlScanner, ValuesAreUtf8OrWindows1252) {
  ExpectLinks({
      {"<a href=\"caf\xC3\xA9/na\xC3\xAFve-\xF0\x9F\x98\x80.htm\">",
       {"a.href=caf\xC3\xA9/na\xC3\xAFve-\xF0\x9F\x98\x80.htm@1:10"}},
      {"<a href=\"caf\xE9.htm\">", {"a.href=caf\xC3\xA9.htm@1:10"}},
      {"<a href=\"\x80\x96.htm\">", {"a.href=\xE2\x82\xAC\xE2\x80\x93.htm@1:10"}},
      // References are decoded text already; only the page's own bytes are read as Windows-1252.
      {"<a href=\"\xE9&eacute;&#233;\">", {"a.href=\xC3\xA9\xC3\xA9\xC3\xA9@1:10"}},
      // The unit is the value: a UTF-8 value stays UTF-8 beside other bytes.
      {"<p>\xE9</p><a href=\"caf\xC3\xA9\">", {"a.href=caf\xC3\xA9@1:18"}},
  });
  EXPECT_EQ(Links(std::string("<a href=\"x\0y\">", 15)),
            (std::vector<std::string>{"a.href=x\xEF\xBF\xBDy@1:10"}));
}

TEST(HtmlScanner, ForeignContent) {
  ExpectLinks({
      {R"~(<svg><a xlink:href="a.htm"><text>x</text></a></svg>)~", {"a.xlink:href=a.htm@1:21"}},
      {R"~(<svg><style><![CDATA[.a{fill:url(#g)}]]></style></svg>)~", {"style.=#g@1:34"}},
      // In SVG a style element holds markup: a comment is one.
      {R"~(<svg><style>a{b:url(x.png)}<!--c{d:url(no.png)}--></style></svg>)~",
       {"style.=x.png@1:21"}},
      {R"~(<svg><![CDATA[<a href="no.htm">]]></svg><a href="y.htm">)~", {"a.href=y.htm@1:50"}},
      {R"~(<svg><textarea><a href="s.htm"></textarea></svg>)~", {"a.href=s.htm@1:25"}},
      {R"~(<svg></svg><textarea><a href="no.htm"></textarea>)~", {}},
      {R"~(<svg><g><foo href="f.htm"/></g></svg><foo href="no.htm">)~", {"foo.href=f.htm@1:20"}},
      {R"~(<svg><svg></svg><use href="u.svg"/></svg><use href="no.svg">)~",
       {"use.href=u.svg@1:28"}},
      {R"~(<math><mi href="m.htm">x</mi></math>)~", {"mi.href=m.htm@1:17"}},
      // Tags such as p and img end foreign content.
      {R"~(<svg><p><style>a{b:url(bg.png)}<!--c{d:url(e.png)}--></style>)~",
       {"style.=bg.png@1:24", "style.=e.png@1:44"}},
      {R"~(<svg><img src="i.png"><foo href="no.htm">)~", {"img.src=i.png@1:16"}},
      {R"~(<svg/><textarea><a href="no.htm">)~", {}},
  });
}

TEST(HtmlScanner, IdsAndNamesOfAnchors) {
  const char* page =
      "<h1 id=\"intro\">x</h1>\n<a name='top'></a><div name=\"no\" ID=Caps>"
      "<svg><g id=\"shape\"/></svg><p id=\"\"><a id=\"a&amp;b\" name=n2 href=x>";
  EXPECT_EQ(Anchors(page),
            (std::vector<std::string>{"id=intro@1:9", "name=top@2:10", "id=Caps@2:37",
                                      "id=shape@2:54", "id=a&b@2:84", "name=n2@2:98"}));
  // Without an anchor handler, ids are not even collected.
  EXPECT_EQ(Links(page), (std::vector<std::string>{"a.href=x@2:106"}));
}

TEST(HtmlScanner, HugeTokensAreCapped) {
  const std::string huge(kMaxHtmlValue + 100, 'a');
  const auto links = Links("<a href=\"" + huge + "\"><img src=next.gif>");
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0], "a.href=" + std::string(kMaxHtmlValue, 'a') + "@1:10 cut");
  EXPECT_EQ(links[1], "img.src=next.gif@1:" + std::to_string(kMaxHtmlValue + 100 + 21));
  // A huge name matches nothing, and reading goes on after it.
  const std::string name(100000, 'x');
  EXPECT_EQ(Links("<a" + name + " href=x><" + name + "><a " + name + "=y href=z>"),
            (std::vector<std::string>{"a.href=z@1:" + std::to_string(3 * 100000 + 24)}));
  // A cut never splits a UTF-8 character.
  const std::string accents = std::string(kMaxHtmlValue - 1, 'a') + "\xC3\xA9\xC3\xA9";
  EXPECT_EQ(Links("<a href=\"" + accents + "\">"),
            (std::vector<std::string>{"a.href=" + std::string(kMaxHtmlValue - 1, 'a') + "@1:10 cut"}));
}

TEST(HtmlScanner, NothingFollowsACut) {
  const std::string almost(kMaxHtmlValue - 1, 'a');
  std::string copyrights;  // kMaxHtmlValue bytes 0xA9, read as Windows-1252
  for (std::size_t i = 0; i < kMaxHtmlValue; ++i) copyrights += "\xC2\xA9";
  const std::string kept = "=" + almost + "@1:";
  ExpectLinks({
      // A decoded character that does not fit ends the value: no later text fills its place.
      {("<a href=\"" + almost + "&eacute;bc\">").c_str(), {"a.href" + kept + "10 cut"}},
      {("<a href=\"" + almost + "&#0;&amp;x\">").c_str(), {"a.href" + kept + "10 cut"}},
      {("<style>a{b:url(" + almost + "\\E9 bc)}</style>").c_str(), {"style." + kept + "16 cut"}},
      // A CSS url, too, is cut before a character it cannot hold whole.
      {("<style>a{b:url(" + almost + "\xC3\xA9)}</style>").c_str(), {"style." + kept + "16 cut"}},
      // A url that runs to the cut end of a style attribute is marked cut.
      {("<div style=\"a:url(" + almost + ")\">").c_str(),
       {"div.style=" + almost.substr(5) + "@1:19 cut"}},
      // Bytes that are no UTF-8 are cut where the limit falls, and what follows
      // the cut is never read from beyond the page.
      {("<a href=\"" + std::string(kMaxHtmlValue + 9, '\xA9') + "&amp;x\">").c_str(),
       {"a.href=" + copyrights + "@1:10 cut"}},
  });
}

}  // namespace
}  // namespace qvn
