// Times a "Check links" run of the desktop program on a site, the way a user
// starts it, and the longest time the window went without handling events
// while the run went on in the background.
// Usage: QT_QPA_PLATFORM=offscreen gui_run_bench SITE_FOLDER

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
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
  if (!window.Start()) return 2;
  window.presenter().SetTopFolder(QString::fromLocal8Bit(argv[1]).toStdString());
  // A timer that should tick every 5 ms: the longest gap is how long the
  // window could not repaint or see the Stop button.
  QElapsedTimer since_tick;
  qint64 longest_gap = 0;
  QEventLoop run_loop;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    if (since_tick.isValid()) longest_gap = std::max(longest_gap, since_tick.elapsed());
    since_tick.restart();
    if (!window.presenter().running()) run_loop.quit();
  });
  QElapsedTimer run;
  run.start();
  window.findChild<QPushButton*>("cmdCheckLinks")->click();
  ticker.start(5);
  if (window.presenter().running()) run_loop.exec();
  const qint64 elapsed = run.elapsed();
  std::printf("%.3f s  longest gap between events %lld ms  %s\n", elapsed / 1000.0,
              static_cast<long long>(longest_gap),
              window.findChild<QLabel*>("lblTotalNumFilesOrBrokenLinks")->text().toUtf8().constData());
  return 0;
}
