// The more checks window on the offscreen platform: what it shows, which
// boxes its ticks enable, OK against Cancel, and OK refusing what the
// rules refuse (tests/core/app/more_checks_rules_test.cpp).

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/platform/platform.h"
#include "gui/more_checks_window.h"
#include "gui/twips.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"

using qvn::MoreChecks;
using qvn::gui::MoreChecksWindow;
using qvn::gui::Q;
using qvn::test::AnsweredBox;
using qvn::test::AnswerNextMessageBox;
using qvn::test::Find;
using qvn::test::TempDir;

namespace {

MoreChecks AllOn(const std::string& root) {
  MoreChecks more;
  more.all_links = more.site_root = more.index_pages = true;
  more.check_fragments = more.letter_case = more.external = true;
  more.site_root_folder = root;
  more.index_files = "home.htm";
  return more;
}

QCheckBox* Tick(const MoreChecksWindow& w, const char* name) { return Find<QCheckBox>(&w, name); }
QLineEdit* Box(const MoreChecksWindow& w, const char* name) { return Find<QLineEdit>(&w, name); }
QPushButton* Button(const MoreChecksWindow& w, const char* name) {
  return Find<QPushButton>(&w, name);
}

}  // namespace

class MoreChecksWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheChoiceAndEnablesTextBoxesWithTheirTicks() {
    MoreChecksWindow w{MoreChecks()};
    QCOMPARE(w.objectName(), QString("frmMoreChecks"));
    QCOMPARE(w.windowTitle(), QString("More checks"));
    QVERIFY(w.isModal());
    QVERIFY(Button(w, "cmdOK")->isDefault());
    QCOMPARE(w.findChildren<QCheckBox*>().size(), 6);
    for (QCheckBox* box : w.findChildren<QCheckBox*>()) QVERIFY(!box->isChecked());
    QCOMPARE(Box(w, "txtSiteRoot")->placeholderText(), QString("the top folder"));
    QCOMPARE(Box(w, "txtIndexFiles")->text(), Q(std::string(qvn::kDefaultIndexFiles)));
    const struct {
      const char* tick;
      std::vector<QWidget*> enabled;
    } cases[] = {{"chkSiteRoot", {Box(w, "txtSiteRoot"), Button(w, "cmdSiteRoot")}},
                 {"chkIndexPages", {Box(w, "txtIndexFiles")}}};
    for (const auto& c : cases) {
      for (QWidget* widget : c.enabled) QVERIFY(!widget->isEnabled());
      Tick(w, c.tick)->click();
      for (QWidget* widget : c.enabled) QVERIFY(widget->isEnabled());
    }
    MoreChecksWindow on{AllOn("/srv/www/")};
    for (QCheckBox* box : on.findChildren<QCheckBox*>()) QVERIFY(box->isChecked());
    QCOMPARE(Box(on, "txtSiteRoot")->text(), QString("/srv/www/"));
    QCOMPARE(on.Choice().index_files, std::string("home.htm"));
    QVERIFY(on.Choice().external);
    Button(on, "cmdCancel")->click();
    QCOMPARE(on.result(), int(QDialog::Rejected));
  }

  void okRefusesWhatTheRulesRefuseAndKeepsTheTidiedChoice() {
    MoreChecksWindow w{MoreChecks()};
    w.show();
    Tick(w, "chkSiteRoot")->setChecked(true);
    Box(w, "txtSiteRoot")->setText("/no/such/root");
    AnsweredBox box;
    AnswerNextMessageBox(QMessageBox::Ok, &box);
    Button(w, "cmdOK")->click();
    QVERIFY(box.seen);
    QVERIFY(box.text.contains("'/no/such/root'"));
    QCOMPARE(box.title, QString("More checks"));
    QVERIFY(w.isVisible());
    QCOMPARE(w.focusWidget(), Box(w, "txtSiteRoot"));
    TempDir root;
    std::string bare = root.path();
    bare.pop_back();  // an existing folder typed without its separator
    Box(w, "txtSiteRoot")->setText(Q(" " + bare));
    Button(w, "cmdOK")->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(Box(w, "txtSiteRoot")->text(), Q(root.path()));
    QCOMPARE(w.Choice().site_root_folder, root.path());
  }

  void theExternalTickKeepsTheLimitsTheWindowWasGiven() {
    MoreChecks given;
    given.external_jobs = 4;
    given.external_cache_seconds = 0;
    MoreChecksWindow w{given};
    QVERIFY(!Tick(w, "chkExternal")->isChecked());
    Tick(w, "chkExternal")->click();
    const MoreChecks chosen = w.Choice();
    QVERIFY(chosen.external);
    QCOMPARE(chosen.external_jobs, 4);
    QCOMPARE(chosen.external_cache_seconds, 0LL);
  }

  void browsingForTheSiteRoot() {
    MoreChecksWindow w{MoreChecks()};
    QString started;
    QString answer = "/srv/www";
    w.browseForFolder = [&](const QString& start) {
      started = start;
      return answer;
    };
    Tick(w, "chkSiteRoot")->setChecked(true);
    Box(w, "txtSiteRoot")->setText(" /old/ ");
    Button(w, "cmdSiteRoot")->click();
    QCOMPARE(started, QString("/old/"));
    QCOMPARE(Box(w, "txtSiteRoot")->text(),
             qvn::kSeparator == '/' ? QString("/srv/www/") : QString("\\srv\\www\\"));
    answer.clear();  // cancelled: the box keeps its text
    Button(w, "cmdSiteRoot")->click();
    QVERIFY(Box(w, "txtSiteRoot")->text().endsWith(QString("www") + QChar(qvn::kSeparator)));
  }

  void screenshot() {
    MoreChecksWindow w{MoreChecks()};
    Tick(w, "chkSiteRoot")->setChecked(true);
    Tick(w, "chkLetterCase")->setChecked(true);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Every caption fits its box at the window's size.
    for (QCheckBox* box : w.findChildren<QCheckBox*>())
      QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(box->objectName()));
    qvn::test::SaveScreenshot(&w, "more_checks_window");
  }
};

QTEST_MAIN(MoreChecksWindowTest)
#include "more_checks_window_test.moc"
