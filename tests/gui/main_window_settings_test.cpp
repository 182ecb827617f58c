// The main window's settings files on the offscreen platform: saving and
// loading in every way, the saved notice, start-up with a default file.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/main_window.h"
#include "gui/main_window_fixture.h"
#include "gui/twips.h"

using qvn::gui::MainWindow;
using qvn::gui::Q;
using qvn::test::AnsweredBox;
using qvn::test::AnswerNextMessageBox;
using qvn::test::TempDir;

class MainWindowSettingsTest : public QObject, qvn::test::MainWindowFixture {
  Q_OBJECT

 private slots:
  void init() { SetUpData(); }
  void cleanup() { window_.reset(); }

  void settingsSurviveSaveAndLoad() {
    TempDir site, files;
    site.MakeDir("images");
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    w.txbExcludedSubfolders->setPlainText("images\nOld Stuff");
    w.txbExcludedFilepaths->setText("temp, backup");
    w.txbExcludedLinks->setText("cgi-bin");
    w.chkTopFolderOnly->setChecked(true);
    w.chkIncludePHPfiles->setChecked(true);
    const QString file = Q(files.path() + "mine.usr");
    w.chooseSettingsFile = [&](bool) { return file; };
    qvn::test::OnNextModal([](QWidget* notice) { notice->close(); });
    w.cboSettings->setCurrentIndex(1);
    w.cboSettings_Click();
    QCOMPARE(w.strLastSettingsFile, file);
    QVERIFY(QFile::exists(file));
    w.cboClear->setCurrentIndex(4);
    w.txbTopFolder->clear();
    w.txbExcludedLinks->clear();
    w.chkIncludePHPfiles->setChecked(false);
    w.cboSettings->setCurrentIndex(3);
    w.cboSettings_Click();
    QCOMPARE(w.txbTopFolder->text(), Q(site.path()));
    QCOMPARE(w.txbExcludedSubfolders->toPlainText(), QString("images\nOld Stuff"));
    QCOMPARE(w.intNumExcludedSubfolders, 2);
    QCOMPARE(w.strExcludedSubfolderList[1], std::string("old stuff"));
    QCOMPARE(w.txbExcludedLinks->text(), QString("cgi-bin"));
    QVERIFY(w.chkTopFolderOnly->isChecked());
    QVERIFY(!w.chkShowRepeatedLinks->isChecked());
    QVERIFY(w.chkIncludePHPfiles->isChecked());
    QCOMPARE(w.lblNumExcludedTopSubfolders->text(), QString("Two ") + w.Text(27));
  }

  void defaultSettingsLoadAtStartUp() {
    TempDir site;
    data_->Write("Quorvane/qvn.usr", "\"" + site.path() + "\"\r\n\"\"\r\n\"x\"\r\n\"y\"\r\n 0 \r\n 1 \r\n");
    MainWindow& w = Start();
    QCOMPARE(w.txbTopFolder->text(), Q(site.path()));
    QCOMPARE(w.txbExcludedFilepaths->text(), QString("x"));
    QVERIFY(w.chkShowRepeatedLinks->isChecked());
    QVERIFY(!w.chkIncludePHPfiles->isChecked());
    QVERIFY(w.blnStartupCompleted);
  }

  void savingRefusesDoubleQuotesAndReportsFailures() {
    TempDir files;
    MainWindow& w = Start();
    w.txbExcludedLinks->setText("say \"hi\"");
    AnsweredBox box;
    AnswerNextMessageBox(QMessageBox::Ok, &box);
    w.SaveSettings(Q(files.path() + "s.usr"), true);
    QVERIFY(box.text.contains("link exclusions"));
    QCOMPARE(box.title, QString("Save settings"));
    QVERIFY(!QFile::exists(Q(files.path() + "s.usr")));
    w.txbExcludedLinks->clear();
    AnswerNextMessageBox(QMessageBox::Ok, &box);
    w.SaveSettings(Q(files.path() + "no/such/folder/s.usr"), true);
    QVERIFY(box.text.startsWith("Error when attempting to save settings: "));
  }

  void saveInBothWaysWritesTheDefaultFileWithoutNotice() {
    TempDir files;
    MainWindow& w = Start();
    w.txbExcludedLinks->setText("both");
    int dialogs = 0, notices = 0;
    w.chooseSettingsFile = [&](bool save) {
      ++dialogs;
      // The default file is already written when the dialog opens.
      if (!QFile::exists(DataFile("qvn.usr")) || !save) return QString();
      qvn::test::OnNextModal([&](QWidget* notice) {
        ++notices;
        notice->close();
      });
      return Q(files.path() + "chosen.usr");
    };
    w.cboSettings->setCurrentIndex(2);
    w.cmdSettings_Click();
    QCOMPARE(dialogs, 1);
    QCOMPARE(notices, 1);
    QVERIFY(Read(DataFile("qvn.usr")).contains("\"both\""));
    QVERIFY(QFile::exists(Q(files.path() + "chosen.usr")));
  }

  void loadingAFileWhoseTopFolderIsGone() {
    TempDir files;
    files.Write("old.usr", "\"/no/longer/here/\"\r\n\"images\"\r\n\"temp\"\r\n\"cgi\"\r\n"
                           " 1 \r\n 1 \r\n 0 \r\n");
    MainWindow& w = Start();
    w.LoadSettings(Q(files.path() + "old.usr"));
    QCOMPARE(w.txbTopFolder->text(), QString());
    QCOMPARE(w.txbExcludedSubfolders->toPlainText(), QString());
    QCOMPARE(w.intNumExcludedSubfolders, 0);
    QCOMPARE(w.txbExcludedFilepaths->text(), QString("temp"));
    QCOMPARE(w.txbExcludedLinks->text(), QString("cgi"));
    QVERIFY(w.chkTopFolderOnly->isChecked());
    QVERIFY(w.chkShowRepeatedLinks->isChecked());
    // A file with only four fields leaves the options as they were.
    files.Write("four.usr", "\"\"\r\n\"\"\r\n\"a\"\r\n\"b\"\r\n");
    w.LoadSettings(Q(files.path() + "four.usr"));
    QCOMPARE(w.txbExcludedLinks->text(), QString("b"));
    QVERIFY(w.chkTopFolderOnly->isChecked());
  }

  void savedNoticeAppearsBelowTheClearBox() {
    MainWindow& w = Start();
    QRect seen;
    QString text;
    qvn::test::OnNextModal([&](QWidget* notice) {
      seen = notice->frameGeometry();
      text = notice->findChild<QLabel*>("lblMessage")->text();
      notice->close();
    });
    w.cboSettings->setCurrentIndex(0);
    w.cmdSettings_Click();
    QCOMPARE(text, w.Text(50));
    QVERIFY(QFile::exists(DataFile("qvn.usr")));
    QCOMPARE(seen.size(), QSize(qvn::gui::Px(2000), qvn::gui::Px(380)));
  }

  void moreChecksAreSavedAndLoadedWithTheRest() {
    TempDir site, files;
    MainWindow& w = Start();
    w.txbTopFolder->setText(Q(site.path()));
    const QString seven = Q(files.path() + "seven.usr");
    w.SaveSettings(seven, false);
    QCOMPARE(Read(seven).count("\r\n"), 7);  // all off: the file of earlier versions
    w.moreChecks.site_root = true;
    w.moreChecks.site_root_folder = site.path();
    w.moreChecks.letter_case = true;
    w.moreChecks.index_files = "home.htm";
    qvn::test::OnNextModal([](QWidget* notice) { notice->close(); });
    w.cboSettings->setCurrentIndex(0);
    w.cmdSettings_Click();
    QVERIFY(Read(DataFile("qvn.usr"))
                .endsWith(Q(" 0 \r\n 1 \r\n\"" + site.path() +
                            "\"\r\n 0 \r\n\"home.htm\"\r\n 0 \r\n 1 \r\n")));
    // An earlier version's file sets them back to their defaults.
    w.LoadSettings(seven);
    QVERIFY(!w.moreChecks.AnyOn());
    QCOMPARE(w.moreChecks.index_files, std::string(qvn::kDefaultIndexFiles));
    QCOMPARE(w.cmdMoreChecks->text(), QString("More checks..."));
    w.chooseSettingsFile = [&](bool) { return DataFile("qvn.usr"); };
    w.cboSettings->setCurrentIndex(3);
    w.cmdSettings_Click();
    QVERIFY(w.moreChecks.site_root && w.moreChecks.letter_case && !w.moreChecks.all_links);
    QCOMPARE(w.moreChecks.site_root_folder, site.path());
    QCOMPARE(w.moreChecks.index_files, std::string("home.htm"));
    QCOMPARE(w.cmdMoreChecks->text(), QString("More checks (2 on)..."));
    // A file that ends before its seventh field says nothing about them.
    files.Write("four.usr", "\"\"\r\n\"\"\r\n\"a\"\r\n\"b\"\r\n");
    w.LoadSettings(Q(files.path() + "four.usr"));
    QVERIFY(w.moreChecks.site_root && w.moreChecks.letter_case);
  }

  void startUpLoadsTheMoreChecks() {
    data_->Write("Quorvane/qvn.usr", "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 0 \r\n 0 \r\n 0 \r\n"
                                     " 1 \r\n 0 \r\n\"\"\r\n 0 \r\n\"index.htm\"\r\n 1 \r\n 0 \r\n");
    MainWindow& w = Start();
    QVERIFY(w.moreChecks.all_links && w.moreChecks.check_fragments);
    QVERIFY(!w.moreChecks.site_root && !w.moreChecks.index_pages && !w.moreChecks.letter_case);
    QCOMPARE(w.moreChecks.index_files, std::string("index.htm"));
    QCOMPARE(w.cmdMoreChecks->text(), QString("More checks (2 on)..."));
  }
};

QTEST_MAIN(MainWindowSettingsTest)
#include "main_window_settings_test.moc"
