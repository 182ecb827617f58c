// The more checks window on the offscreen platform: what it shows, which
// boxes its check boxes enable, OK against Cancel, and what OK refuses.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/platform/platform.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/more_checks_window.h"
#include "gui/twips.h"

using qvn::MoreChecks;
using qvn::gui::MoreChecksWindow;
using qvn::gui::Q;
using qvn::test::AnsweredBox;
using qvn::test::AnswerNextMessageBox;
using qvn::test::TempDir;

namespace {

MoreChecks AllOn(const std::string& root) {
  MoreChecks more;
  more.all_links = more.site_root = more.index_pages = true;
  more.check_fragments = more.letter_case = true;
  more.site_root_folder = root;
  more.index_files = "home.htm";
  return more;
}

}  // namespace

class MoreChecksWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheChoiceAndEnablesTextBoxesWithTheirBoxes() {
    MoreChecksWindow w{MoreChecks()};
    QCOMPARE(w.objectName(), QString("frmMoreChecks"));
    QCOMPARE(w.windowTitle(), QString("More checks"));
    QVERIFY(w.isModal());
    QVERIFY(w.cmdOK->isDefault());
    for (QCheckBox* box : w.findChildren<QCheckBox*>()) QVERIFY(!box->isChecked());
    QCOMPARE(w.findChildren<QCheckBox*>().size(), 5);
    QCOMPARE(w.txtSiteRoot->placeholderText(), QString("the top folder"));
    QCOMPARE(w.txtIndexFiles->text(), Q(std::string(qvn::kDefaultIndexFiles)));
    struct Case {
      QCheckBox* box;
      std::vector<QWidget*> enabled;
    } cases[] = {{w.chkSiteRoot, {w.txtSiteRoot, w.cmdSiteRoot}},
                 {w.chkIndexPages, {w.txtIndexFiles}}};
    for (const auto& c : cases) {
      for (QWidget* widget : c.enabled) QVERIFY(!widget->isEnabled());
      c.box->click();
      for (QWidget* widget : c.enabled) QVERIFY(widget->isEnabled());
      c.box->click();
      for (QWidget* widget : c.enabled) QVERIFY(!widget->isEnabled());
    }
    MoreChecksWindow on{AllOn("/srv/www/")};
    for (QCheckBox* box : on.findChildren<QCheckBox*>()) QVERIFY(box->isChecked());
    QVERIFY(on.txtSiteRoot->isEnabled() && on.txtIndexFiles->isEnabled());
    QCOMPARE(on.txtSiteRoot->text(), QString("/srv/www/"));
    QCOMPARE(on.txtIndexFiles->text(), QString("home.htm"));
  }

  void okRefusesWhatCannotBeUsed() {
    TempDir root;
    root.Write("file.htm", "x");
    std::string bare = root.path();
    bare.pop_back();  // an existing folder typed without its separator
    struct Case {
      const char* name;
      bool site_root;
      std::string folder;
      bool index_pages;
      QString index_files;
      QString message;  // "" = accepted
    } cases[] = {
        {"missing root", true, "/no/such/root", false, "", "'/no/such/root'"},
        {"root is a file", true, root.path() + "file.htm", false, "", "file.htm'"},
        {"missing root, not ticked", false, "/no/such/root", false, "", ""},
        {"root without separator", true, bare, false, "", ""},
        {"empty root is the top folder", true, "  ", false, "", ""},
        {"no index page", false, "", true, " , ,", "index page"},
        {"empty index list, not ticked", false, "", false, "", ""},
        {"one index page", false, "", true, "home.htm", ""},
    };
    for (const auto& c : cases) {
      MoreChecksWindow w{MoreChecks()};
      w.show();
      w.chkSiteRoot->setChecked(c.site_root);
      w.txtSiteRoot->setText(Q(c.folder));
      w.chkIndexPages->setChecked(c.index_pages);
      w.txtIndexFiles->setText(c.index_files);
      AnsweredBox box;
      if (!c.message.isEmpty()) AnswerNextMessageBox(QMessageBox::Ok, &box);
      w.cmdOK->click();
      QVERIFY2(box.seen == !c.message.isEmpty(), c.name);
      QVERIFY2(w.isVisible() == !c.message.isEmpty(), c.name);
      if (box.seen) {
        QVERIFY2(box.text.contains(c.message), qPrintable(box.text));
        QCOMPARE(box.title, QString("More checks"));
      }
    }
    MoreChecksWindow w{MoreChecks()};
    w.chkSiteRoot->setChecked(true);
    w.txtSiteRoot->setText(Q(bare));
    w.cmdOK->click();
    QCOMPARE(w.txtSiteRoot->text(), Q(root.path()));
    QCOMPARE(w.Choice().site_root_folder, root.path());
  }

  void browsingForTheSiteRoot() {
    MoreChecksWindow w{MoreChecks()};
    QString started;
    QString answer = "/srv/www";
    w.browseForFolder = [&](const QString& start) {
      started = start;
      return answer;
    };
    w.chkSiteRoot->setChecked(true);
    w.txtSiteRoot->setText(" /old/ ");
    w.cmdSiteRoot->click();
    QCOMPARE(started, QString("/old/"));
    QCOMPARE(w.txtSiteRoot->text(),
             qvn::kSeparator == '/' ? QString("/srv/www/") : QString("\\srv\\www\\"));
    answer.clear();  // cancelled: the box keeps its text
    w.cmdSiteRoot->click();
    QVERIFY(w.txtSiteRoot->text().endsWith(QString("www") + QChar(qvn::kSeparator)));
  }

  void screenshot() {
    MoreChecksWindow w{MoreChecks()};
    w.chkSiteRoot->setChecked(true);
    w.chkLetterCase->setChecked(true);
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
