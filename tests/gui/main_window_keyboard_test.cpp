// The main window from the keyboard on the offscreen platform: lists act
// only on a real pick, Enter presses the focused button, the web links are
// Tab stops that open with Enter, Escape closes the windows it keeps.

#include <QAbstractItemView>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/app/main_controls.h"
#include "core/settings/catalogue_texts.h"
#include "gui/orphans_window.h"
#include "gui/results_window.h"
#include "gui/view_window.h"
#include "support/gui_test_support.h"
#include "support/main_window_start.h"

using qvn::app::Control;
using qvn::gui::MainWindow;
using qvn::gui::Q;
using qvn::test::Find;
using qvn::test::StartedMainWindow;
using qvn::test::Widget;

namespace {

// Counts, and closes, every modal window that comes up while it lives, so
// that a fault shows as a count rather than a test that hangs.
class ModalWatch {
 public:
  ModalWatch() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ++seen;
        modal->close();
      }
    });
    timer_.start(20);
  }
  int seen = 0;

 private:
  QTimer timer_;
};

}  // namespace

/// Takes the web addresses the window asks the desktop to open.
class AddressCatcher : public QObject {
  Q_OBJECT

 public:
  QStringList opened;

 public slots:
  void open(const QUrl& address) { opened << address.toString(); }
};

class MainWindowKeyboardTest : public QObject {
  Q_OBJECT

  std::unique_ptr<StartedMainWindow> w_;

 private slots:
  void init() {
    w_ = std::make_unique<StartedMainWindow>();
    QVERIFY(QTest::qWaitForWindowActive(&**w_));
  }
  void cleanup() { w_.reset(); }

  void keysAndTheWheelOnAClosedListPickNothing() {
    MainWindow& w = **w_;
    auto* settings = Widget<QComboBox>(w, Control::kSettingsChoice);
    auto* clear = Widget<QComboBox>(w, Control::kClearChoice);
    ModalWatch watch;
    settings->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_End})
      QTest::keyClick(settings, key);
    QCOMPARE(settings->currentIndex(), settings->count() - 1);
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Down);
    const QPointF at(clear->width() / 2, clear->height() / 2);
    QWheelEvent wheel(at, clear->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(clear, &wheel);
    QCOMPARE(clear->currentIndex(), 1);
    QTest::qWait(100);
    QCOMPARE(watch.seen, 0);
    QVERIFY(!QFile::exists(w_->DataFile("qvn.usr")));
  }

  // Enter on the open list picks: the question names what goes.
  void aPickInTheOpenListAsksNamingTheItem() {
    MainWindow& w = **w_;
    auto* clear = Widget<QComboBox>(w, Control::kClearChoice);
    clear->setFocus();
    clear->showPopup();
    QVERIFY(QTest::qWaitFor([&] { return clear->view()->isVisible(); }));
    clear->view()->setCurrentIndex(clear->model()->index(2, 0));
    qvn::test::AnsweredBox box;
    qvn::test::AnswerNextMessageBox(QMessageBox::No, &box);
    QTest::keyClick(clear->view(), Qt::Key_Return);
    QVERIFY(box.seen);
    QVERIFY2(box.text.contains(clear->itemText(2).toLower()), qPrintable(box.text));
  }

  void enterPressesTheFocusedButton() {
    MainWindow& w = **w_;
    auto* help = Widget<QPushButton>(w, Control::kHelpButton);
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    QVERIFY(Find<qvn::gui::ViewWindow>(nullptr, "frmView")->isVisible());
  }

  // Tab goes round the window past both links, not into the top folder box.
  void theWebLinksAreTabStopsThatOpenWithEnter() {
    MainWindow& w = **w_;
    AddressCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    QWidget* first = Widget<QWidget>(w, Control::kTopFolderButton);
    first->setFocus();
    QList<QWidget*> stops;
    for (QWidget* at = first; stops.size() < 40; at = QApplication::focusWidget()) {
      stops << at;
      QTest::keyClick(at, Qt::Key_Tab);
      if (QApplication::focusWidget() == first) break;
    }
    QVERIFY(!stops.contains(Widget<QWidget>(w, Control::kTopFolderBox)));
    for (Control link : {Control::kVendorLink, Control::kManualLink}) {
      auto* label = Widget<QLabel>(w, link);
      QVERIFY2(stops.contains(label), qvn::app::ObjectName(link));
      label->setFocus();
      QTest::keyClick(label, Qt::Key_Return);
    }
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
    QCOMPARE(catcher.opened,
             (QStringList{Q(w.presenter().catalogue().Get(qvn::texts::kVendorAddress)),
                          Q(qvn::app::kUserManualAddress)}));
  }

  void escapeClosesTheResultsAndOrphansWindows() {
    MainWindow& w = **w_;
    for (QWidget* window : {static_cast<QWidget*>(Find<QWidget>(nullptr, "frmResults")),
                            static_cast<QWidget*>(w.findChild<qvn::gui::OrphansWindow*>())}) {
      QVERIFY(window != nullptr);
      window->show();
      window->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window));
      QTest::keyClick(window, Qt::Key_Escape);
      QVERIFY(!window->isVisible());
    }
  }
};

QTEST_MAIN(MainWindowKeyboardTest)
#include "main_window_keyboard_test.moc"
