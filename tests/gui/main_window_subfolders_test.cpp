// "Exclude top subfolders" in the main window, on the offscreen platform: the
// selection window it opens, and what the choice does to a following check.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "gui/select_subfolders_window.h"
#include "support/gui_test_support.h"
#include "support/temp_dir.h"
#include "gui/main_window.h"

using qvn::gui::MainWindow;
using qvn::gui::SelectSubfoldersWindow;
using qvn::test::TempDir;

namespace {

// Runs action on the selection window once it has read the disk; the window
// is cancelled afterwards if the action left it open, so a failing test
// cannot hang.
void RunWhenReady(SelectSubfoldersWindow* window,
                  const std::function<void(SelectSubfoldersWindow&)>& action) {
  if (window->IsBusy()) {
    QTimer::singleShot(10, [window, action] { RunWhenReady(window, action); });
    return;
  }
  action(*window);
  if (window->isVisible()) window->cmdCancel->click();
}

void WhenSelectionReady(const std::function<void(SelectSubfoldersWindow&)>& action) {
  qvn::test::OnNextModal([action](QWidget* modal) {
    if (auto* window = qobject_cast<SelectSubfoldersWindow*>(modal)) RunWhenReady(window, action);
  });
}

void TickRow(SelectSubfoldersWindow& window, const QString& name) {
  for (auto* row : window.findChildren<QCheckBox*>()) {
    if (row->isVisible() && row->text().startsWith(name + " {")) row->click();
  }
}

QStringList TickedRows(const SelectSubfoldersWindow& window) {
  QStringList ticked;
  for (auto* row : window.findChildren<QCheckBox*>()) {
    if (row->isVisible() && row->isChecked()) ticked << row->text();
  }
  ticked.sort();
  return ticked;
}

}  // namespace

class MainWindowSubfoldersTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> data_;  // the per-user data folder
  std::unique_ptr<TempDir> site_;
  std::unique_ptr<MainWindow> main_;

  std::set<std::string> BrokenLinkSources() const {
    std::set<std::string> sources;
    for (std::size_t i = 0; i < main_->strBrokenLinks.size(); ++i)
      sources.insert(main_->strBrokenLinks.Source(i));
    return sources;
  }

 private slots:
  void initTestCase() {
    data_ = std::make_unique<TempDir>();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data_->path()));
  }

  void init() {
    site_ = std::make_unique<TempDir>();
    site_->Write("index.htm",
                 "<p><a href=\"a/missing.htm\">a</a>\r\n<a href=\"b/missing.htm\">b</a>\r\n");
    site_->Write("a/page.htm", "<a href=\"gone_a.htm\">x</a>\r\n");
    site_->Write("b/page.htm", "<a href=\"gone_b.htm\">x</a>\r\n");
    site_->Write("c/page.htm", "<a href=\"../index.htm\">x</a>\r\n");
    main_ = std::make_unique<MainWindow>();
    QVERIFY(main_->Form_Load());
  }

  void cleanup() {
    main_.reset();
    site_.reset();
  }

  void asksForTheTopFolderFirst() {
    main_->txbTopFolder->clear();
    qvn::test::AnsweredBox box;
    qvn::test::AnswerNextMessageBox(QMessageBox::Ok, &box);
    main_->cmdSelectSubfolders_Click();
    QVERIFY(box.seen);
    QCOMPARE(box.text, main_->Text(23));
    QCOMPARE(box.title, QStringLiteral("Exclude top subfolders"));
  }

  void acceptedNamesAreSkippedByTheNextCheck() {
    main_->txbTopFolder->setText(QString::fromStdString(site_->path()));
    main_->UpdateExcludedSubfoldersState();
    main_->cmdCheckLinks_Click();
    QVERIFY(BrokenLinkSources().contains(site_->path() + "a/page.htm"));

    QString title;
    QRect placed;
    int rows_per_page = 0;
    WhenSelectionReady([&](SelectSubfoldersWindow& window) {
      title = window.windowTitle();
      rows_per_page = window.intMaxNumCheckboxes;
      placed = window.frameGeometry();
      TickRow(window, "a");
      TickRow(window, "c");
      window.cmdAccept->click();
    });
    main_->cmdSelectSubfolders_Click();

    QCOMPARE(title, main_->Text(24));
    QCOMPARE(rows_per_page, 13);
    const QRect main = main_->frameGeometry();
    QVERIFY(placed.left() > main.left() && placed.right() <= main.right());
    QVERIFY(placed.top() > main.top() &&
            placed.top() < main.top() + main_->txbExcludedSubfolders->y());
    QCOMPARE(main_->txbExcludedSubfolders->toPlainText(), QStringLiteral("a\nc"));
    QCOMPARE(main_->intNumExcludedSubfolders, 2);
    QCOMPARE(main_->strExcludedSubfolderList, std::vector<std::string>({"a", "c"}));
    QCOMPARE(main_->lblNumExcludedTopSubfolders->text(), "Two " + main_->Text(27));
    QVERIFY(main_->lblTotalNumFilesOrBrokenLinks->text().isEmpty());

    main_->cmdCheckLinks_Click();
    const std::set<std::string> expected = {site_->path() + "index.htm",
                                            site_->path() + "b/page.htm"};
    QCOMPARE(BrokenLinkSources(), expected);
  }

  void chosenNamesStartTickedAndCancelKeepsThem() {
    main_->txbTopFolder->setText(QString::fromStdString(site_->path()));
    main_->UpdateExcludedSubfoldersState();
    main_->txbExcludedSubfolders->setPlainText("B");
    main_->strExcludedSubfolderList = {"B", "c", "a"};
    main_->intNumExcludedSubfolders = 2;  // only the first two count

    QStringList ticked;
    WhenSelectionReady([&](SelectSubfoldersWindow& window) {
      ticked = TickedRows(window);
      TickRow(window, "a");
      window.cmdCancel->click();
    });
    main_->cmdSelectSubfolders_Click();

    QCOMPARE(ticked, QStringList({"b {1 file and no subfolders}", "c {1 file and no subfolders}"}));
    QCOMPARE(main_->txbExcludedSubfolders->toPlainText(), QStringLiteral("B"));
    QCOMPARE(main_->intNumExcludedSubfolders, 2);
  }
};

QTEST_MAIN(MainWindowSubfoldersTest)
#include "main_window_subfolders_test.moc"
