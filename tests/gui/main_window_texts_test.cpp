// The main window's texts on the offscreen platform, at the scale the
// test runs with (it runs at 1x and, as main_window_texts_test_2x, at 2x):
// every character of the exclusion boxes can be seen, and every label shows
// each text it can be given whole.

#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <vector>

#include "core/app/main_controls.h"
#include "core/check/run.h"
#include "core/results/file_list.h"
#include "core/results/orphan_report.h"
#include "core/settings/catalogue_texts.h"
#include "core/settings/exclusions.h"
#include "core/site/status.h"
#include "support/gui_test_support.h"
#include "support/main_window_start.h"
#include "support/temp_dir.h"

using qvn::app::Control;
using qvn::gui::MainWindow;
using qvn::gui::Q;
using qvn::test::Find;
using qvn::test::StartedMainWindow;
using qvn::test::Widget;

namespace {

// Whether the label shows text whole: on one line within its width, or
// wrapped within its width and height when it wraps.
bool ShowsWhole(const QLabel* label, const QString& text) {
  const QRect area = label->contentsRect();
  const QFontMetrics metrics(label->font());
  if (!label->wordWrap())
    return metrics.horizontalAdvance(text) <= area.width() && metrics.height() <= area.height();
  const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 100000),
                                            int(label->alignment()) | Qt::TextWordWrap, text);
  return needed.width() <= area.width() && needed.height() <= area.height();
}

std::vector<std::string> StatusTexts() {
  qvn::ListResult many_files;
  many_files.files.assign(1000000, "a.htm");
  qvn::ListResult stopped_list;
  stopped_list.stopped = true;
  // A site of 200,000 pages at most: every one of them an orphan.
  qvn::OrphanResult orphans;
  orphans.not_linked.assign(199999, "a.htm");
  orphans.only_from_orphans.assign(199999, "b.htm");
  qvn::OrphanResult stopped_search;
  stopped_search.stopped = true;
  return {"No broken links found so far.",
          qvn::BrokenSoFarText(1),
          qvn::BrokenSoFarText(9999999),
          qvn::FilesSoFarText(9999999),
          qvn::CheckOutcomeText(0, false),
          qvn::CheckOutcomeText(1, false),
          qvn::CheckOutcomeText(9999999, false),
          qvn::CheckOutcomeText(9999999, true),
          qvn::ListStatusText({}),
          qvn::ListStatusText(stopped_list),
          qvn::ListStatusText(many_files),
          qvn::OrphanCountText({}),
          qvn::OrphanCountText(stopped_search),
          qvn::OrphanCountText(orphans)};
}

}  // namespace

class MainWindowTextsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<StartedMainWindow> w_;

  QString Scale() const { return QString::number((*w_)->devicePixelRatioF()) + "x"; }

 private slots:
  void init() { w_ = std::make_unique<StartedMainWindow>(); }
  void cleanup() { w_.reset(); }

  // A leading ", " (an empty item, which matches everything) and the first
  // letters of each box are not covered by anything.
  void everyCharacterOfTheExclusionBoxesShows() {
    MainWindow& w = **w_;
    const struct {
      Control box;
      const char* typed;
    } boxes[] = {{Control::kExcludedFilepathsBox, ", A, b, tmp"},
                 {Control::kExcludedLinksBox, "mailto, nailto"}};
    for (const auto& b : boxes) {
      auto* box = Widget<QLineEdit>(w, b.box);
      box->setFocus();
      QTest::keyClicks(box, b.typed);
    }
    for (const auto& b : boxes) {
      auto* box = Widget<QLineEdit>(w, b.box);
      QCOMPARE(box->text(), QString(b.typed));
      const QRect shown = box->geometry();
      const int text_end = shown.left() + box->fontMetrics().horizontalAdvance(box->text()) + 8;
      QVERIFY(text_end < shown.right());
      for (int x = shown.left(); x <= text_end; ++x) {
        QWidget* top = w.childAt(x, shown.center().y());
        QVERIFY2(top == box || box->isAncestorOf(top),
                 qPrintable(QString("%1 covered at x=%2").arg(box->objectName()).arg(x)));
      }
    }
    qvn::test::SaveScreenshot(&w, "main_window_exclusions_" + Scale());
  }

  void everyLabelShowsEachOfItsTextsWhole() {
    MainWindow& w = **w_;
    const qvn::Catalogue& catalogue = w.presenter().catalogue();
    std::vector<std::pair<Control, std::string>> shown;
    // The fixed captions, as the window shows them.
    for (Control label :
         {Control::kExcludedFilepathsLabel, Control::kExcludedLinksLabel, Control::kScanningLabel,
          Control::kVendorLink, Control::kManualLabel, Control::kManualLink})
      shown.emplace_back(label, Widget<QLabel>(w, label)->text().toStdString());
    shown.emplace_back(Control::kExcludedCountLabel, catalogue.Get(qvn::texts::kNoSubfolders));
    for (long long count = 0; count < 200; ++count)
      shown.emplace_back(
          Control::kExcludedCountLabel,
          qvn::ExcludedSubfoldersLabel(count, catalogue.Get(qvn::texts::kNoneExcluded),
                                       catalogue.Get(qvn::texts::kOneExcluded),
                                       catalogue.Get(qvn::texts::kManyExcluded)));
    for (const std::string& text : StatusTexts()) shown.emplace_back(Control::kStatusLabel, text);
    for (const auto& [control, text] : shown) {
      const auto* label = Widget<QLabel>(w, control);
      QVERIFY2(ShowsWhole(label, Q(text)),
               qPrintable(label->objectName() + " cuts \"" + Q(text) + "\""));
    }
    // To look at: the longest texts in place.
    qvn::test::TempDir site;
    w.presenter().SetTopFolder(site.path());
    Widget<QLabel>(w, Control::kStatusLabel)->setText(Q(StatusTexts().back()));
    qvn::test::SaveScreenshot(&w, "main_window_long_texts_" + Scale());
  }
};

QTEST_MAIN(MainWindowTextsTest)
#include "main_window_texts_test.moc"
