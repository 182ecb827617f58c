// The viewer and the pop-up notice on Windows, driven by their messages.
#include <gtest/gtest.h>

#include <functional>

#include "core/app/viewer_text.h"
#include "win/popup_window.h"
#include "win/view_window.h"
#include "win_test_support.h"

namespace qvn::test {
namespace {

std::wstring Clipboard() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer_.ShowFile({"C:\\r.txt", "Broken links sorted by link-from", "one\r\ntwo\r\nthree\r\n",
                      {1500, 1500, 9000, 5000}, true});
    // Activation comes through the display: the focus needs it.
    PumpUntil([this] { return GetForegroundWindow() == viewer_.Handle(); }, 3000);
  }
  HWND Find(const char* name) const { return win::FindControl(viewer_.Handle(), name); }
  win::ViewWindow viewer_{"frmView"};
};

// Copy takes the whole text, or a selection made with the mouse; the
// button's caption tells which, and the focus goes to Close.
TEST_F(ViewerTest, CopiesTheTextOrTheSelection) {
  HWND box = Find("txbText1");
  HWND copy = Find("cmdCopyToClipboard");
  const struct {
    int start, end;
    std::string caption;
    std::wstring copied;
  } rows[] = {
      {0, 0, app::CopyButtonCaption(false), L"one\r\ntwo\r\nthree\r\n"},
      {3, 8, app::CopyButtonCaption(true), L"\r\ntwo"},
  };
  for (const auto& row : rows) {
    SendMessageW(box, EM_SETSEL, row.start, row.end);
    SendMessageW(box, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(win::TextOf(copy), row.caption);
    Click(copy);
    EXPECT_EQ(Clipboard(), row.copied);
    EXPECT_EQ(win::TextOf(copy), app::CopyButtonCaption(false));
    EXPECT_EQ(GetFocus(), Find("cmdClose"));
  }
}

TEST_F(ViewerTest, OpensWithItsCaptionAndPlaceAndClosesHidden) {
  wchar_t caption[64];
  GetWindowTextW(viewer_.Handle(), caption, 64);
  EXPECT_STREQ(caption, L"Broken links sorted by link-from");
  const app::TwipsRect place = win::WindowPlace(viewer_.Handle());
  // Within a pixel of where it was asked to stand.
  const int pixel = win::Twips(1, win::DpiOf(viewer_.Handle())) + 1;
  EXPECT_NEAR(place.left, 1500, pixel);
  EXPECT_NEAR(place.width, 9000, pixel);
  // Close and the right edge of the box line up.
  RECT box, close;
  GetWindowRect(Find("txbText1"), &box);
  GetWindowRect(Find("cmdClose"), &close);
  EXPECT_EQ(box.right, close.right);
  Click(Find("cmdClose"));
  EXPECT_FALSE(IsWindowVisible(viewer_.Handle()));
}

// The notice returns when its time is up, or at once when clicked.
TEST(PopupTest, EndsByItsTimerOrAClick) {
  win::PopupWindow notice(nullptr);
  notice.PopUp("Settings saved", {3000, 3000, 2000, 380}, 30);
  EXPECT_EQ(win::TextOf(win::FindControl(notice.Handle(), "lblMessage")), "Settings saved");
  EXPECT_FALSE(IsWindowVisible(notice.Handle()));
  bool shown = false;
  win::SetModalHook([&](HWND window) {
    shown = IsWindowVisible(window) != FALSE;
    SaveScreenshot(window, "popup_notice");
    PostMessageW(window, WM_LBUTTONUP, 0, 0);
  });
  notice.PopUp("Settings saved", {3000, 3000, 2000, 380}, 0);  // only the click ends it
  EXPECT_TRUE(shown);
  EXPECT_FALSE(IsWindowVisible(notice.Handle()));
}

// Where each way of placing puts the notice (within a pixel), while it shows.
TEST(PopupTest, PlacedOnTheScreenCentredOrInAForm) {
  win::PopupWindow notice(nullptr);
  win::ViewWindow form("frmView");
  win::SetWindowPlace(form.Handle(), {1500, 900, 9000, 5000});
  const int dpi = win::DpiOf(notice.Handle());
  const int screen_width = win::Twips(GetSystemMetrics(SM_CXSCREEN), dpi);
  const struct {
    std::function<void()> pop_up;
    int left, top;
  } rows[] = {
      {[&] { notice.PopUp("a", {700, 600, 2000, 380}, 0); }, 700, 600},
      {[&] { notice.PopUpCenterScreen("b", 3000, 400, 0); }, (screen_width - 3000) / 2, -1},
      {[&] { notice.PopUpInForm(form.Handle(), "c", {100, 200, 2000, 380}, 0); }, 1600, 1100},
  };
  for (const auto& row : rows) {
    app::TwipsRect place;
    win::SetModalHook([&](HWND window) {
      place = win::WindowPlace(window);
      PostMessageW(window, WM_LBUTTONUP, 0, 0);
    });
    row.pop_up();
    const int pixel = win::Twips(1, dpi) + 1;
    EXPECT_NEAR(place.left, row.left, pixel);
    if (row.top >= 0) {
      EXPECT_NEAR(place.top, row.top, pixel);
    }
  }
}

}  // namespace
}  // namespace qvn::test
