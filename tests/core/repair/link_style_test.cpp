#include "core/repair/link_style.h"

#include <gtest/gtest.h>

namespace qvn {
namespace {

TEST(LinkStyle, SplitKeepsTheLeadAndTheTail) {
  struct Case {
    const char* written;
    bool splits;
    const char* lead;
    std::vector<std::string> names;
    const char* tail;
    std::size_t parent_steps;
  } cases[] = {
      {"a/b.htm", true, "", {"a", "b.htm"}, "", 0},
      {"./a.htm?x=1#y", true, "./", {"a.htm"}, "?x=1#y", 0},
      {"../../img\\a.gif", true, "../../", {"img", "a.gif"}, "", 2},
      {"/img/a.gif#top", true, "/", {"img", "a.gif"}, "#top", 0},
      {"a/../b.htm", false, "", {}, "", 0},
      {"a//b.htm", false, "", {}, "", 0},
      {"folder/", false, "", {}, "", 0},
      {"#only", false, "", {}, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    const auto parts = SplitLink(c.written);
    ASSERT_EQ(parts.has_value(), c.splits);
    if (!parts) continue;
    EXPECT_EQ(parts->lead, c.lead);
    EXPECT_EQ(parts->names, c.names);
    EXPECT_EQ(parts->tail, c.tail);
    EXPECT_EQ(parts->parent_steps, c.parent_steps);
    EXPECT_EQ(JoinLink(*parts), c.written);
  }
}

TEST(LinkStyle, NewNamesAreWrittenAsTheLinkWritesItsOwn) {
  struct Case {
    const char* link;  // the style's source
    bool every_link;
    char quote;
    const char* name;
    std::optional<std::string> written;
  } cases[] = {
      {"My%20Logo.gif", false, '"', "my logo.gif", "my%20logo.gif"},
      {"My Logo.gif", false, '"', "my logo.gif", "my logo.gif"},
      {"caf%c3%a9.htm", true, '"', "Caf\xC3\xA9 Bar.htm", "Caf%c3%a9 Bar.htm"},
      {"caf%C3%A9.htm", true, '"', "\xC3\x89t\xC3\xA9.htm", "%C3%89t%C3%A9.htm"},
      {"a.htm", true, '"', "100%.htm", "100%25.htm"},
      {"a.htm", false, '"', "100%.htm", "100%.htm"},  // the line scan reads "%" as it is
      {"a.htm", true, '\'', "it's.htm", "it%27s.htm"},
      {"a.htm", false, '"', "say \"hi\".htm", std::nullopt},
      {"a.htm", true, 0, "two words.htm", "two%20words.htm"},
      {"R&amp;D.htm", false, '"', "r&d.htm", "r&amp;d.htm"},
      {"a.htm", true, '"', "q#1.htm", "q%231.htm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.link) + " / " + c.name);
    const LinkStyle style(c.link, {c.every_link, c.quote});
    EXPECT_EQ(style.Write(c.name), c.written);
  }
}

}  // namespace
}  // namespace qvn
