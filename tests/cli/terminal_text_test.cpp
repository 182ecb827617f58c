// Control characters from pages and names never reach a terminal raw.

#include "cli/terminal_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

namespace qvn::cli {
namespace {

TEST(EscapeControls, ShowsControlsAndKeepsTheRest) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain a.htm\tline\n", "plain a.htm\tline\n"},
      {"\x1b]0;owned\x07", "\\x1b]0;owned\\x07"},
      {"clear\x1b[2J\r", "clear\\x1b[2J\\x0d"},
      {std::string("nul\0x", 5), "nul\\x00x"},
      {"del\x7f", "del\\x7f"},
      {"c1 \xC2\x9B" "2J", "c1 \\u009b2J"},
      {"raw \x9b byte", "raw \\x9b byte"},
      {"caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80"},
      {"latin \xE9t\xE9", "latin \xE9t\xE9"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(EscapeControls(text), shown) << text;
}

TEST(EscapingBuffer, KeepsSequencesCutBetweenWrites) {
  std::ostringstream target;
  EscapingBuffer buffer(*target.rdbuf());
  std::ostream out(&buffer);
  out << "a\xC2" << "\x9B" << "b\xE2\x80" << "\x94" << '\x1b' << "\xC3";
  out.flush();
  EXPECT_EQ(target.str(), "a\\u009bb\xE2\x80\x94\\x1b\xC3");
}

}  // namespace
}  // namespace qvn::cli
