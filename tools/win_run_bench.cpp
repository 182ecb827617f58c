// Times a "Check links" run of the Windows desktop program on a site, the
// way a user starts it, and the longest time the window went without
// handling messages while the run went on in the background.
// Usage (under Wine on a display): win_run_bench SITE_FOLDER DATA_FOLDER

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "win/main_window.h"

namespace {

// Messages and questions are counted, not shown: nobody is there to answer.
class BenchWindow : public qvn::win::MainWindow {
 public:
  using MainWindow::MainWindow;
  int messages = 0;

 protected:
  void ShowMessage(const qvn::app::Message&) override { ++messages; }
  qvn::app::Answer Ask(const qvn::app::Question&) override { return qvn::app::Answer::kNo; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: win_run_bench SITE_FOLDER DATA_FOLDER\n");
    return 2;
  }
  BenchWindow window(argv[2]);
  if (!window.Start()) return 2;
  window.presenter().SetTopFolder(argv[1]);
  // A timer that should tick every 5 ms keeps a message coming when the run
  // posts none, so a gap between messages is time the window could not
  // answer the user. Timer ticks come only when no paint is due: their
  // longest gap also counts the repainting of the controls a run locks.
  using Clock = std::chrono::steady_clock;
  SetTimer(nullptr, 0, 5, nullptr);
  const auto start = Clock::now();
  long long longest_gap = 0;
  long long longest_tick_gap = 0;
  const auto since = [](Clock::time_point then) {
    return static_cast<long long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - then).count());
  };
  // The click is the first message: its handling counts as a gap too.
  auto last_message = start;
  SendMessageW(window.ControlOf(qvn::app::Control::kCheckLinksButton), BM_CLICK, 0, 0);
  auto last_tick = Clock::now();
  MSG msg;
  while (window.presenter().running() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    longest_gap = std::max(longest_gap, since(last_message));
    last_message = Clock::now();
    if (msg.message == WM_TIMER && msg.hwnd == nullptr) {
      longest_tick_gap = std::max(longest_tick_gap, since(last_tick));
      last_tick = Clock::now();
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  const std::chrono::duration<double> elapsed = Clock::now() - start;
  std::printf("%.3f s  longest gap between messages %lld ms (between timer ticks %lld ms)  %s\n",
              elapsed.count(), longest_gap, longest_tick_gap,
              qvn::win::TextOf(window.ControlOf(qvn::app::Control::kStatusLabel)).c_str());
  return 0;
}
