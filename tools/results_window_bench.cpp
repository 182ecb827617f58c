// Times the results window over a million broken links, as a user meets it:
// opening it (until shown and painted), sorting by each column, and typing a
// filter word a key at a time; then the process's peak memory.
// Usage: QT_QPA_PLATFORM=offscreen results_window_bench [links]

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "gui/results_window.h"

namespace {

// Pages of 50 links each, in folders of 100 pages; targets, kinds and
// suggestions vary as a real site's would (a fixed pseudo-random sequence).
qvn::CheckResult MakeResult(long long links) {
  qvn::CheckResult result;
  result.top_folder = "/srv/www/example-site/";
  unsigned long long state = 12345;
  auto next = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<unsigned>(state >> 33);
  };
  static const char* const kFolders[] = {"images/", "docs/", "Archive/", "news/2019/", ""};
  for (long long i = 0; i < links; ++i) {
    const long long page = i / 50;
    const std::string page_path = result.top_folder + "section-" + std::to_string(page / 100) +
                                  "/page-" + std::to_string(page) + ".htm";
    std::string link =
        std::string(kFolders[next() % 5]) + "file-" + std::to_string(next() % 200000);
    link += next() % 3 == 0 ? ".JPG" : ".htm";
    qvn::BrokenLink broken{result.top_folder + link, link, 1 + next() % 3000, 1 + next() % 80,
                           qvn::LinkKind::kMissingFile};
    const unsigned kind = next() % 20;
    if (kind == 0) broken.kind = qvn::LinkKind::kFolder;
    if (kind == 1) broken.kind = qvn::LinkKind::kNoAnchor, broken.target += "#top";
    if (kind == 2) broken.kind = qvn::LinkKind::kLetterCase, broken.suggestion = "File.htm";
    if (kind == 3) broken.suggestion = "file-" + std::to_string(next() % 200000) + ".htm";
    result.broken_links.Add(page_path, std::move(broken));
  }
  return result;
}

// Notes when the table's viewport has been painted.
class PaintWatch : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Wall and processor time from a start, so that a busy machine shows as
// such rather than as a slow window.
struct Clock {
  QElapsedTimer wall;
  double cpu = 0;
  void Start() {
    wall.start();
    cpu = CpuSeconds();
  }
};

// One line a measure, "what<TAB>figure<TAB>unit<TAB>target<TAB>cpu", for
// scripts/benchmark.
void Report(const std::string& what, double figure, const char* unit, double target,
            double cpu = 0) {
  std::printf("%s\t%.3f\t%s\t%g\t%.3f\n", what.c_str(), figure, unit, target, cpu);
}

// Handles events until the table has been painted again, and reports the time taken.
void UntilPainted(const std::string& what, double target, QTableView* table, PaintWatch& watch,
                  const Clock& clock) {
  watch.painted = false;
  table->viewport()->update();
  while (!watch.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
  Report(what, static_cast<double>(clock.wall.nsecsElapsed()) / 1e9, "s", target,
         CpuSeconds() - clock.cpu);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const long long links = argc > 1 ? std::atoll(argv[1]) : 1000000;
  const auto result = std::make_shared<const qvn::CheckResult>(MakeResult(links));
  Report("resident before opening", ResidentMegabytes(), "MB", 300);
  Report("peak before opening", PeakMegabytes(), "MB", 300);
  qvn::gui::ResultsWindow window;
  PaintWatch watch;
  window.tblResults->viewport()->installEventFilter(&watch);

  // As the main window passes the last check's result: shared.
  Clock clock;
  clock.Start();
  window.SetResults(result);
  window.show();
  UntilPainted("open (shown and painted)", 1.0, window.tblResults, watch, clock);

  static const char* const kNames[] = {"page", "line", "link", "target", "note"};
  QHeaderView* header = window.tblResults->horizontalHeader();
  for (int column = 0; column < qvn::gui::ResultsWindow::kColumns; ++column) {
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
      clock.Start();
      header->setSortIndicator(column, order);
      const std::string what = std::string("sort by ") + kNames[column] +
                               (order == Qt::AscendingOrder ? ", ascending" : ", descending");
      UntilPainted(what, 1.0, window.tblResults, watch, clock);
    }
  }
  const QString word = QStringLiteral("archive");
  for (qsizetype typed = 1; typed <= word.size(); ++typed) {
    clock.Start();
    window.txbFilter->setText(word.left(typed));
    UntilPainted("filter \"" + word.left(typed).toStdString() + "\"", 0.1, window.tblResults, watch,
                 clock);
  }
  clock.Start();
  window.txbFilter->clear();
  UntilPainted("filter cleared", 0.1, window.tblResults, watch, clock);

  Report("peak memory", PeakMegabytes(), "MB", 300);
  return 0;
}
