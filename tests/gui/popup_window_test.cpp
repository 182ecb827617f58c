// The pop-up notice on the offscreen platform: how it is placed, and that it
// goes away by its timer or by a click, each notice with its own interval.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/gui_test_support.h"
#include "gui/popup_window.h"
#include "gui/twips.h"

using qvn::gui::PopupWindow;
using qvn::gui::Px;

namespace {

// What the notice looked like while it was up.
struct Seen {
  bool shown = false;
  QString text;
  QRect geometry;
  QRect label;
  bool timer_running = false;
};

// Records the notice when it comes up, then runs `then` on it (a click, say).
void WhenUp(PopupWindow* popup, Seen* seen, std::function<void(PopupWindow*)> then = {}) {
  qvn::test::OnNextModal([popup, seen, then](QWidget* modal) {
    if (modal != popup) return;
    seen->shown = popup->isVisible();
    seen->text = popup->lblMessage->text();
    seen->geometry = popup->geometry();
    seen->label = popup->lblMessage->geometry();
    seen->timer_running = popup->Timer1->isActive();
    if (then) then(popup);
  });
}

void Click(PopupWindow* popup) { QTest::mouseClick(popup->lblMessage, Qt::LeftButton); }

// Hides a notice that failed to close by itself, so a fault fails the test
// instead of hanging it.
class Watchdog {
 public:
  explicit Watchdog(PopupWindow* popup) {
    QTimer::singleShot(10000, &guard_, [this, popup] {
      fired_ = true;
      popup->hide();
    });
  }
  bool fired() const { return fired_; }

 private:
  QObject guard_;
  bool fired_ = false;
};

}  // namespace

class PopupWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void closesOnItsTimer_data() {
    QTest::addColumn<QPoint>("position");  // twips
    QTest::newRow("on the screen") << QPoint(1500, 1200);
    QTest::newRow("left of and above the screen") << QPoint(-90000, -90000);
    QTest::newRow("beyond the screen") << QPoint(300000, 300000);
  }

  void closesOnItsTimer() {
    QFETCH(QPoint, position);
    PopupWindow popup;
    Seen seen;
    WhenUp(&popup, &seen, [](PopupWindow* up) { qvn::test::SaveScreenshot(up, "popup_window"); });
    Watchdog watchdog(&popup);
    popup.PopUp(QStringLiteral("Settings saved"), 2000, 380, 200, position.y(), position.x());

    QVERIFY(!watchdog.fired());
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QStringLiteral("Settings saved"));
    QCOMPARE(seen.geometry, QRect(Px(position.x()), Px(position.y()), Px(2000), Px(380)));
    QCOMPARE(seen.label, QRect(0, 0, Px(2000), Px(380)));
    QVERIFY(!popup.isVisible());
    QVERIFY(!popup.Timer1->isActive());
  }

  void clickClosesBeforeTheTimer() {
    PopupWindow popup;
    Seen seen;
    WhenUp(&popup, &seen, Click);
    Watchdog watchdog(&popup);
    popup.PopUp(QStringLiteral("Settings saved"), 2000, 380, 300, 1000, 1000);

    QVERIFY(!watchdog.fired());
    QVERIFY(seen.timer_running);  // so the click, not the timer, ended it
    QVERIFY(!popup.isVisible());
    QSignalSpy fired(popup.Timer1, &QTimer::timeout);
    QTest::qWait(600);
    QCOMPARE(fired.count(), 0);
  }

  void zeroIntervalWaitsForTheClick() {
    PopupWindow popup;
    Seen seen;
    WhenUp(&popup, &seen, [](PopupWindow* up) {
      QTimer::singleShot(300, up, [up] {
        QVERIFY(up->isVisible());
        Click(up);
      });
    });
    Watchdog watchdog(&popup);
    popup.PopUp(QStringLiteral("Until clicked"), 2000, 380, 0, 1000, 1000);
    QVERIFY(!watchdog.fired());
    QVERIFY(seen.shown);
    QVERIFY(!popup.isVisible());
  }

  void eachNoticeWaitsItsOwnInterval_data() {
    QTest::addColumn<bool>("click_first");
    QTest::newRow("first clicked away") << true;
    QTest::newRow("first timed out") << false;
  }

  void eachNoticeWaitsItsOwnInterval() {
    QFETCH(bool, click_first);
    constexpr int interval = 400;
    PopupWindow popup;
    Seen first;
    WhenUp(&popup, &first, [click_first](PopupWindow* up) {
      // Half-way, so a first interval left running would cut the second short.
      if (click_first) QTimer::singleShot(interval / 2, up, [up] { Click(up); });
    });
    Watchdog watchdog(&popup);
    popup.PopUp(QStringLiteral("First"), 2000, 380, interval, 1000, 1000);
    QVERIFY(first.shown);

    Seen second;
    WhenUp(&popup, &second);
    QElapsedTimer clock;
    clock.start();
    popup.PopUp(QStringLiteral("Second"), 3000, 500, interval, 2000, 2000);
    QVERIFY(!watchdog.fired());
    QCOMPARE(second.text, QStringLiteral("Second"));
    QVERIFY2(clock.elapsed() >= interval * 9 / 10, qPrintable(QString::number(clock.elapsed())));
  }

  void centresOnTheScreen() {
    PopupWindow popup;
    Seen seen;
    WhenUp(&popup, &seen);
    popup.PopUpCenterScreen(QStringLiteral("Centred"), 3000, 600, 100);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(seen.shown);
    QCOMPARE(seen.geometry.size(), QSize(Px(3000), Px(600)));
    QVERIFY(qAbs(seen.geometry.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(seen.geometry.center().y() - screen.center().y()) <= 1);
  }

  void placesRelativeToAWindowKeepingTheTextHeight() {
    QWidget form;
    form.move(200, 150);
    form.resize(400, 300);
    form.show();
    PopupWindow popup;
    Seen before, seen;
    WhenUp(&popup, &before);
    popup.PopUp(QStringLiteral("First"), 2000, 900, 50, 0, 0);

    WhenUp(&popup, &seen);
    popup.PopUpInForm(&form, QStringLiteral("In the form"), 3000, 380, 50, 600, 1500);
    QVERIFY(seen.shown);
    QCOMPARE(seen.geometry, QRect(form.pos() + QPoint(Px(1500), Px(600)), QSize(Px(3000), Px(380))));
    QCOMPARE(seen.label.size(), QSize(Px(3000), before.label.height()));
  }
};

QTEST_MAIN(PopupWindowTest)
#include "popup_window_test.moc"
