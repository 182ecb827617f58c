#include "gui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/popup_window.h"
#include "gui/results_window.h"
#include "gui/twips.h"
#include "gui/view_window.h"

namespace qvn::gui {

using app::Control;

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), presenter_(*this) {
  CreateControls();
  ApplyBackColours();
  viewer_ = new ViewWindow("frmView");
  viewer2_ = new ViewWindow("frmView2");
  notice_ = new PopupWindow(this);
  CreateResultWindows();
  ConnectControls();
}

// A run under way is told to stop, and waited for, before anything goes.
MainWindow::~MainWindow() {
  presenter_.StopRun();
  worker_.WaitForAll();
  delete viewer_;
  delete viewer2_;
  delete resultsWindow_;
}

bool MainWindow::Start(const QString& catalogue_file) {
  return presenter_.Start(U(catalogue_file));
}

void MainWindow::ConnectControls() {
  connect(topFolderButton_, &QPushButton::clicked, this, &MainWindow::topFolderClicked);
  connect(selectSubfoldersButton_, &QPushButton::clicked, this,
          &MainWindow::selectSubfoldersClicked);
  connect(listFilesButton_, &QPushButton::clicked, this, &MainWindow::listFilesClicked);
  connect(checkLinksButton_, &QPushButton::clicked, this, &MainWindow::checkLinksClicked);
  connect(orphansButton_, &QPushButton::clicked, this, &MainWindow::orphansClicked);
  connect(resultsButton_, &QPushButton::clicked, this, &MainWindow::resultsClicked);
  connect(stopButton_, &QPushButton::clicked, this, &MainWindow::stopClicked);
  connect(moreChecksButton_, &QPushButton::clicked, this, &MainWindow::moreChecksClicked);
  connect(clearButton_, &QPushButton::clicked, this, &MainWindow::clearClicked);
  connect(settingsButton_, &QPushButton::clicked, this, &MainWindow::settingsClicked);
  connect(helpButton_, &QPushButton::clicked, this, &MainWindow::helpClicked);
  connect(quitButton_, &QPushButton::clicked, this, &MainWindow::quitClicked);
  connect(clearChoice_, &QComboBox::currentIndexChanged, this, &MainWindow::clearIndexChanged);
  connect(clearChoice_, &QComboBox::activated, this, &MainWindow::clearChosen);
  connect(settingsChoice_, &QComboBox::currentIndexChanged, this,
          &MainWindow::settingsIndexChanged);
  connect(settingsChoice_, &QComboBox::activated, this, &MainWindow::settingsChosen);
  connect(topFolderOnlyBox_, &QCheckBox::clicked, this, &MainWindow::topFolderOnlyClicked);
  connect(showRepeatedBox_, &QCheckBox::clicked, this, &MainWindow::showRepeatedClicked);
  connect(includePhpBox_, &QCheckBox::clicked, this, &MainWindow::includePhpClicked);
  connect(filepathsBox_, &QLineEdit::textEdited, this, &MainWindow::filepathsEdited);
  connect(linksBox_, &QLineEdit::textEdited, this, &MainWindow::linksEdited);
  for (QWidget* watched :
       {static_cast<QWidget*>(filepathsBox_), static_cast<QWidget*>(linksBox_),
        static_cast<QWidget*>(vendorLink_), static_cast<QWidget*>(manualLink_),
        static_cast<QWidget*>(clearChoice_), static_cast<QWidget*>(settingsChoice_)})
    watched->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == clearChoice_ || watched == settingsChoice_) return ListInput(watched, event);
  if (watched == vendorLink_ || watched == manualLink_) return LinkInput(watched, event);
  if (event->type() == QEvent::FocusOut) {
    if (watched == filepathsBox_) presenter_.BoxLeft(Control::kExcludedFilepathsBox);
    if (watched == linksBox_) presenter_.BoxLeft(Control::kExcludedLinksBox);
  }
  return QWidget::eventFilter(watched, event);
}

// Keys and the wheel reach the list itself only while it is closed (the
// open list takes them itself): they move its selection without picking.
bool MainWindow::ListInput(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel) return false;
  movingClosedList_ = true;
  watched->event(event);
  movingClosedList_ = false;
  return true;
}

// The links open on a click, and on Enter or Space once tabbed to; a frame
// shows which has the focus.
bool MainWindow::LinkInput(QObject* watched, QEvent* event) {
  auto* link = static_cast<QLabel*>(watched);
  bool open = event->type() == QEvent::MouseButtonRelease;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    open = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  }
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
    link->setFrameShape(event->type() == QEvent::FocusIn ? QFrame::Box : QFrame::NoFrame);
  if (!open) return false;
  if (link == vendorLink_) presenter_.OpenVendorPage();
  if (link == manualLink_) presenter_.OpenManualPage();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  presenter_.Quit();
  event->accept();
}

void MainWindow::topFolderClicked() { presenter_.ChooseTopFolder(); }
void MainWindow::selectSubfoldersClicked() { presenter_.SelectSubfolders(); }
void MainWindow::listFilesClicked() { presenter_.ListFiles(); }
void MainWindow::checkLinksClicked() { presenter_.CheckLinks(); }
void MainWindow::orphansClicked() { presenter_.SearchOrphans(); }
void MainWindow::resultsClicked() { presenter_.ShowResults(); }
void MainWindow::stopClicked() { presenter_.Stop(); }
void MainWindow::clearClicked() { presenter_.ClearSelected(); }
void MainWindow::clearChosen() {
  if (!movingClosedList_) presenter_.ClearChosen();
}
void MainWindow::settingsClicked() { presenter_.SaveOrLoadSettings(); }
void MainWindow::settingsChosen() {
  if (!movingClosedList_) presenter_.SettingsChosen();
}
void MainWindow::moreChecksClicked() { presenter_.ChooseMoreChecks(); }
void MainWindow::helpClicked() { presenter_.ShowHelp(); }
void MainWindow::quitClicked() { presenter_.Quit(); }

void MainWindow::topFolderOnlyClicked(bool ticked) {
  presenter_.OptionClicked(Control::kTopFolderOnlyBox, ticked);
}

void MainWindow::showRepeatedClicked(bool ticked) {
  presenter_.OptionClicked(Control::kShowRepeatedBox, ticked);
}

void MainWindow::includePhpClicked(bool ticked) {
  presenter_.OptionClicked(Control::kIncludePhpBox, ticked);
}

void MainWindow::filepathsEdited(const QString& text) {
  presenter_.BoxEdited(Control::kExcludedFilepathsBox, U(text));
}

void MainWindow::linksEdited(const QString& text) {
  presenter_.BoxEdited(Control::kExcludedLinksBox, U(text));
}

void MainWindow::clearIndexChanged(int index) {
  presenter_.ListIndexChanged(Control::kClearChoice, index);
}

void MainWindow::settingsIndexChanged(int index) {
  presenter_.ListIndexChanged(Control::kSettingsChoice, index);
}

}  // namespace qvn::gui
