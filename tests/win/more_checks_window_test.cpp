// The more checks window: the boxes as opened, which text boxes can be
// used, what OK refuses and keeps, the folder browser, and the modal window.

#include "win/more_checks_window.h"

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/temp_dir.h"
#include "list_test_support.h"
#include "win_test_support.h"

namespace qvn::win {
namespace {

using test::Click;
using test::Named;

bool Ticked(HWND window, const char* name) {
  return SendMessageW(Named(window, name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(MoreChecksWindow, OpensOnTheChecksAndUnlocksTheirBoxes) {
  MoreChecks more;
  more.check_fragments = true;
  more.index_files = "home.htm";
  MoreChecksWindow window(nullptr, more);
  HWND hwnd = window.Handle();
  EXPECT_TRUE(Ticked(hwnd, "chkCheckFragments"));
  EXPECT_FALSE(Ticked(hwnd, "chkSiteRoot"));
  EXPECT_EQ(test::Text(hwnd, "txtIndexFiles"), "home.htm");
  for (const char* box : {"txtSiteRoot", "cmdSiteRoot", "txtIndexFiles"})
    EXPECT_FALSE(IsWindowEnabled(Named(hwnd, box))) << box;
  Click(Named(hwnd, "chkSiteRoot"));
  EXPECT_TRUE(IsWindowEnabled(Named(hwnd, "txtSiteRoot")));
  EXPECT_TRUE(IsWindowEnabled(Named(hwnd, "cmdSiteRoot")));
  EXPECT_FALSE(IsWindowEnabled(Named(hwnd, "txtIndexFiles")));
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  test::SaveScreenshot(hwnd, "more_checks");
}

// OK either says what is wrong and stays, or keeps the choice tidied.
TEST(MoreChecksWindow, OkRefusesOrKeeps) {
  test::TempDir root;
  const struct {
    const char* tick;
    const char* box;
    std::string text;
    std::string said;  // "" when OK takes it
    std::string site_root_kept;
  } cases[] = {
      {"chkSiteRoot", "txtSiteRoot", "Z:\\no\\such\\root",
       "The site root folder 'Z:\\no\\such\\root' does not exist or is not a folder.", ""},
      {"chkIndexPages", "txtIndexFiles", " , ",
       "Name at least one index page (such as index.html) for links to folders.", ""},
      {"chkSiteRoot", "txtSiteRoot", "  " + root.path() + "  ", "", root.path()},
      {"chkLetterCase", "txtSiteRoot", "", "", ""},
  };
  for (const auto& c : cases) {
    MoreChecksWindow window(nullptr, MoreChecks());
    std::vector<std::string> said;
    window.show_message = [&](const std::string& text, const std::string&) { said.push_back(text); };
    Click(Named(window.Handle(), c.tick));
    test::Type(Named(window.Handle(), c.box), c.text);
    Click(Named(window.Handle(), "cmdOK"));
    EXPECT_EQ(window.accepted(), c.said.empty()) << c.text;
    EXPECT_EQ(said, c.said.empty() ? std::vector<std::string>{} : std::vector{c.said});
    if (c.said.empty()) {
      EXPECT_EQ(window.Choice().site_root_folder, c.site_root_kept);
    }
  }
}

TEST(MoreChecksWindow, TheBrowserFillsTheSiteRootWithItsSeparator) {
  MoreChecks more;
  more.site_root = true;
  MoreChecksWindow window(nullptr, more);
  std::string started;
  window.browse_for_folder = [&](const std::string& start) {
    started = start;
    return std::string("C:\\site");
  };
  test::Type(Named(window.Handle(), "txtSiteRoot"), " C:\\old ");
  Click(Named(window.Handle(), "cmdSiteRoot"));
  EXPECT_EQ(started, "C:\\old");
  EXPECT_EQ(test::Text(window.Handle(), "txtSiteRoot"), "C:\\site\\");
}

TEST(MoreChecksWindow, TheModalWindowGivesTheChecksOnOkAndNoneOnCancel) {
  SetModalHook([](HWND window) {
    SendMessageW(Named(window, "chkExternal"), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
  });
  const std::optional<MoreChecks> chosen = ChooseMoreChecksWindow(nullptr, MoreChecks());
  ASSERT_TRUE(chosen.has_value());
  EXPECT_TRUE(chosen->external);
  EXPECT_FALSE(chosen->all_links);
  SetModalHook([](HWND window) { PostMessageW(window, WM_COMMAND, IDCANCEL, 0); });
  EXPECT_EQ(ChooseMoreChecksWindow(nullptr, MoreChecks()), std::nullopt);
}

}  // namespace
}  // namespace qvn::win
