#include "core/links/anchor_cache.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "support/temp_dir.h"

namespace qvn {
namespace {

using test::TempDir;

TEST(AnchorCache, IdsAndNamesOfAElements) {
  TempDir site;
  site.Write("p.htm",
             "<h1 id=\"intro\">\n<a name=\"old\"></a><div name=\"div-name\"></div>\n"
             "<!-- <p id=\"commented\"> --><p id=\"caf\xC3\xA9\"><p id=\"a&amp;b\">"
             "<p id=\"with space\">");
  AnchorCache cache;
  const std::string page = site.path() + "p.htm";
  struct Case {
    const char* fragment;
    bool found;
  } cases[] = {
      {"intro", true},       {"Intro", false},      {"old", true},
      {"div-name", false},   {"commented", false},  {"caf\xC3\xA9", true},
      {"caf%C3%A9", true},   {"a&b", true},         {"with%20space", true},
      {"with space", true},  {"missing", false},
  };
  for (const Case& c : cases) EXPECT_EQ(cache.HasAnchor(page, c.fragment), c.found) << c.fragment;
  EXPECT_EQ(cache.pages_read(), 1u);
}

TEST(AnchorCache, AnUnreadablePageHoldsEveryAnchor) {
  AnchorCache cache;
  TempDir site;
  EXPECT_TRUE(cache.HasAnchor(site.path() + "gone.htm", "x"));
  EXPECT_EQ(cache.pages_read(), 0u);
}

TEST(AnchorCache, EachPageIsReadOnceWhateverTheThreads) {
  TempDir site;
  std::string page;
  for (int i = 0; i < 2000; ++i) page += "<p id=\"a" + std::to_string(i) + "\">\n";
  site.Write("big.htm", page);
  site.Write("small.htm", "<p id=\"s\">");
  AnchorCache cache;
  std::vector<std::thread> threads;
  std::vector<int> misses(8, 0);
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i) {
        const std::string name = i % 2 == 0 ? "big.htm" : "small.htm";
        const std::string fragment = i % 2 == 0 ? "a" + std::to_string(i * 7) : "s";
        if (!cache.HasAnchor(site.path() + name, fragment)) ++misses[t];
      }
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(misses, std::vector<int>(8, 0));
  EXPECT_EQ(cache.pages_read(), 2u);
}

TEST(AnchorCache, FragmentsAlwaysFoundAndPagesWithAnchors) {
  for (const char* always : {"", "top", "TOP", "Top"}) EXPECT_TRUE(IsFragmentAlwaysFound(always));
  for (const char* other : {"tops", "to", "intro"}) EXPECT_FALSE(IsFragmentAlwaysFound(other));
  for (const char* page : {"a.htm", "a.HTML", "a.shtml", "a.php", "dir.x/a.xhtml"})
    EXPECT_TRUE(HasAnchorsToRead(page)) << page;
  for (const char* other : {"a.pdf", "a.txt", "a", "a.php5", "htm.d/a.gif"})
    EXPECT_FALSE(HasAnchorsToRead(other)) << other;
}

}  // namespace
}  // namespace qvn
