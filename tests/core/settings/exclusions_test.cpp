#include "core/settings/exclusions.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qvn {
namespace {

TEST(Exclusions, CommaListsAreTidied) {
  struct Case {
    const char* box;
    bool file_paths;
    const char* tidied;
  } cases[] = {
      {"b/x,  A ,c", true, "A, b/x, c"},
      {"b\\x,  A ,c", false, "A, b\\x, c"},
      {"b/x,  A ,c", false, "A, b/x, c"},
      {"a,,b", false, ", a, b"},
      {",", true, ""},
      {"", false, ""},
      {"Temp, temp, TEMP", false, "Temp, temp, TEMP"},
      {"beta, Alpha, \xC3\x84rger, zeta", false, "Alpha, beta, zeta, \xC3\x84rger"},
  };
  // File paths take the platform's separator ("/" stays "/" on POSIX).
  for (const auto& c : cases) {
    const std::string tidied = c.file_paths ? test::Native(c.tidied) : c.tidied;
    EXPECT_EQ(NormaliseCommaList(c.box, c.file_paths), tidied) << c.box;
  }
#ifndef _WIN32
  // A backslash is an ordinary character in a POSIX name.
  EXPECT_EQ(NormaliseCommaList("b\\x,  A ,c", true), "A, b\\x, c");
#endif
}

TEST(Exclusions, SubfolderLabel) {
  EXPECT_EQ(ExcludedSubfoldersLabel(0, "None.", "One.", "excluded."), "None.");
  EXPECT_EQ(ExcludedSubfoldersLabel(1, "None.", "One.", "excluded."), "One.");
  EXPECT_EQ(ExcludedSubfoldersLabel(2, "None.", "One.", "excluded."), "Two excluded.");
  EXPECT_EQ(ExcludedSubfoldersLabel(17, "None.", "One.", "excluded."), "Seventeen excluded.");
  EXPECT_EQ(ExcludedSubfoldersLabel(1200, "None.", "One.", "excluded."), "1,200 excluded.");
}

}  // namespace
}  // namespace qvn
