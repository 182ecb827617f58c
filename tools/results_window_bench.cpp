// Times the results window over a million broken links, as a user meets it:
// opening it (until shown and painted), sorting by each column, and typing a
// filter word a key at a time; then the process's peak memory.
// Usage: QT_QPA_PLATFORM=offscreen results_window_bench [links]

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
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
    std::string link = std::string(kFolders[next() % 5]) + "file-" + std::to_string(next() % 200000);
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

// Handles events until the table has been painted again; the time taken.
double UntilPainted(QTableView* table, PaintWatch& watch, QElapsedTimer& timer) {
  watch.painted = false;
  table->viewport()->update();
  while (!watch.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
  return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// One line a measure, "what<TAB>figure<TAB>unit<TAB>target", for scripts/benchmark.
void Report(const std::string& what, double figure, const char* unit, double target) {
  std::printf("%s\t%.3f\t%s\t%g\n", what.c_str(), figure, unit, target);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const long long links = argc > 1 ? std::atoll(argv[1]) : 1000000;
  const qvn::CheckResult result = MakeResult(links);
  qvn::gui::ResultsWindow window;
  PaintWatch watch;
  window.tblResults->viewport()->installEventFilter(&watch);

  // As the main window passes the last check's result.
  QElapsedTimer timer;
  timer.start();
  window.SetResults(result);
  window.show();
  Report("open (shown and painted)", UntilPainted(window.tblResults, watch, timer), "s", 1.0);

  static const char* const kNames[] = {"page", "line", "link", "target", "note"};
  QHeaderView* header = window.tblResults->horizontalHeader();
  for (int column = 0; column < qvn::gui::ResultsWindow::kColumns; ++column) {
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
      timer.restart();
      header->setSortIndicator(column, order);
      const std::string what = std::string("sort by ") + kNames[column] +
                               (order == Qt::AscendingOrder ? ", ascending" : ", descending");
      Report(what, UntilPainted(window.tblResults, watch, timer), "s", 1.0);
    }
  }
  const QString word = QStringLiteral("archive");
  for (qsizetype typed = 1; typed <= word.size(); ++typed) {
    timer.restart();
    window.txbFilter->setText(word.left(typed));
    const double seconds = UntilPainted(window.tblResults, watch, timer);
    Report("filter \"" + word.left(typed).toStdString() + "\" (" +
               std::to_string(window.ShownRows()) + " rows shown)",
           seconds, "s", 0.1);
  }
  timer.restart();
  window.txbFilter->clear();
  Report("filter cleared", UntilPainted(window.tblResults, watch, timer), "s", 0.1);

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  Report("peak memory", static_cast<double>(usage.ru_maxrss) / 1024.0, "MB", 300);
  return 0;
}
