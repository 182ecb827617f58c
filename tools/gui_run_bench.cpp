// Times a "Check links" run of the desktop program on a site, the way a user
// starts it, and the longest time the window went without handling events.
// Usage: QT_QPA_PLATFORM=offscreen gui_run_bench SITE_FOLDER

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "gui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: gui_run_bench SITE_FOLDER\n");
    return 2;
  }
  qvn::gui::MainWindow window;
  if (!window.Form_Load()) return 2;
  window.txbTopFolder->setText(QString::fromLocal8Bit(argv[1]));
  // A timer that should tick every 5 ms: the longest gap is how long the
  // window could not repaint or see the Stop button.
  QElapsedTimer since_tick;
  qint64 longest_gap = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    if (since_tick.isValid()) longest_gap = std::max(longest_gap, since_tick.elapsed());
    since_tick.restart();
  });
  ticker.start(5);
  QElapsedTimer run;
  run.start();
  window.cmdCheckLinks_Click();
  const qint64 elapsed = run.elapsed();
  std::printf("%.3f s  longest gap between events %lld ms  %s\n", elapsed / 1000.0,
              static_cast<long long>(longest_gap),
              window.lblTotalNumFilesOrBrokenLinks->text().toUtf8().constData());
  return 0;
}
