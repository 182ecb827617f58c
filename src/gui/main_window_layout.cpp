// The main window's controls, at their designed places (in twips), each
// with the object name the presenter's Control names.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/keyboard.h"
#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

using app::Control;

template <typename T>
T* Make(QWidget* parent, QRect twips_rect, const QFont& font) {
  auto* control = new T(parent);
  control->setGeometry(twips_rect);
  control->setFont(font);
  return control;
}

QPushButton* Button(QWidget* parent, const QString& caption, QRect rect) {
  auto* button = Make<QPushButton>(parent, rect, TahomaFont());
  button->setText(caption);
  return button;
}

QLabel* Label(QWidget* parent, const QString& caption, QRect rect) {
  auto* label = Make<QLabel>(parent, rect, TahomaFont());
  label->setText(caption);
  return label;
}

QLabel* LinkLabel(QWidget* parent, const QString& caption, QRect rect) {
  QLabel* label = Label(parent, caption, rect);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, DarkBlue());
  label->setPalette(palette);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

QCheckBox* Option(QWidget* parent, const QString& caption, QRect rect) {
  auto* box = Make<QCheckBox>(parent, rect, ArialFont());
  box->setText(caption);
  return box;
}

}  // namespace

void MainWindow::Register(Control control, QWidget* widget) {
  widget->setObjectName(app::ObjectName(control));
  controls_[static_cast<int>(control)] = widget;
}

void MainWindow::CreateButtons() {
  topFolderButton_ = Button(this, "Top folder", TwipsRect(120, 150, 1180, 360));
  selectSubfoldersButton_ = Button(this, "Exclude top subfolders", TwipsRect(120, 600, 2300, 360));
  listFilesButton_ = Button(this, "List files", TwipsRect(6360, 1920, 1755, 360));
  // In the free space right of "List files" and "Check links", clear of the options above.
  orphansButton_ = Button(this, "Orphan files", TwipsRect(8235, 1920, 1380, 360));
  orphansButton_->setToolTip("List the files that no page links to.");
  checkLinksButton_ = Button(this, "Check links", TwipsRect(6360, 2400, 1725, 360));
  resultsButton_ = Button(this, "Results table", TwipsRect(8235, 2400, 1380, 360));
  resultsButton_->setToolTip("Show the broken links of the last check as a table.");
  stopButton_ = Button(this, "Stop", TwipsRect(6360, 2880, 1725, 360));
  // In the free band below "Exclude links containing", left of the count
  // line and clear of the "Scanning file" line above it.
  moreChecksButton_ = Button(this, "More checks...", TwipsRect(120, 4800, 2300, 360));
  moreChecksButton_->setToolTip(
      "Choose checks beyond the first link of each line: every link, root links, folder links, "
      "anchors, letter case.");
  clearButton_ = Button(this, "Clear -->", TwipsRect(120, 5280, 1280, 360));
  settingsButton_ = Button(this, "Settings -->", TwipsRect(120, 5760, 1280, 360));
  helpButton_ = Button(this, "Help", TwipsRect(8625, 5280, 1000, 360));
  quitButton_ = Button(this, "Quit", TwipsRect(8625, 5760, 1000, 360));
  Register(Control::kTopFolderButton, topFolderButton_);
  Register(Control::kSelectSubfoldersButton, selectSubfoldersButton_);
  Register(Control::kListFilesButton, listFilesButton_);
  Register(Control::kOrphansButton, orphansButton_);
  Register(Control::kCheckLinksButton, checkLinksButton_);
  Register(Control::kResultsButton, resultsButton_);
  Register(Control::kStopButton, stopButton_);
  Register(Control::kMoreChecksButton, moreChecksButton_);
  Register(Control::kClearButton, clearButton_);
  Register(Control::kSettingsButton, settingsButton_);
  Register(Control::kHelpButton, helpButton_);
  Register(Control::kQuitButton, quitButton_);
}

void MainWindow::CreateBoxes() {
  topFolderBox_ = Make<QLineEdit>(this, TwipsRect(1400, 150, 8175, 360), ArialFont());
  topFolderBox_->setReadOnly(true);
  topFolderBox_->setFocusPolicy(Qt::ClickFocus);  // selectable, but no Tab stop
  topFolderBox_->setToolTip("Click on 'Top folder' to specify a folder.");
  subfoldersBox_ = Make<QPlainTextEdit>(this, TwipsRect(120, 1050, 5000, 2130), ArialFont());
  subfoldersBox_->setReadOnly(true);
  subfoldersBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  subfoldersBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  subfoldersBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  subfoldersBox_->setToolTip("These subfolders are excluded from the scan.");
  filepathsBox_ = Make<QLineEdit>(this, TwipsRect(2650, 3300, 6930, 360), ArialFont());
  linksBox_ = Make<QLineEdit>(this, TwipsRect(2295, 3800, 7290, 360), ArialFont());
  clearChoice_ = Make<QComboBox>(this, TwipsRect(1500, 5280, 2470, 360), ArialFont());
  settingsChoice_ = Make<QComboBox>(this, TwipsRect(1500, 5760, 2470, 360), ArialFont());
  Register(Control::kTopFolderBox, topFolderBox_);
  Register(Control::kExcludedSubfoldersBox, subfoldersBox_);
  Register(Control::kExcludedFilepathsBox, filepathsBox_);
  Register(Control::kExcludedLinksBox, linksBox_);
  Register(Control::kClearChoice, clearChoice_);
  Register(Control::kSettingsChoice, settingsChoice_);
}

void MainWindow::CreateLabels() {
  // Two lines from the button's top to the box below, for the longest
  // texts ("The top folder has no subfolders.").
  excludedCountLabel_ = Label(this, "Seventeen excluded.", TwipsRect(2505, 570, 2655, 470));
  excludedCountLabel_->setWordWrap(true);
  // Each exclusion label ends where its box starts: a box drawn over its
  // label, or a label over its box, would hide characters of the list.
  filepathsLabel_ =
      Label(this, "Exclude filepaths containing:", TwipsRect(120, 3345, 2650 - 120 - 30, 360));
  linksLabel_ =
      Label(this, "Exclude links containing:", TwipsRect(120, 3845, 2295 - 120 - 30, 360));
  scanningLabel_ = Label(this, "Scanning file", TwipsRect(120, 4320, 1260, 360));
  progressLabel_ = Label(this, "", TwipsRect(1300, 4320, 8270, 360));
  progressLabel_->setFont(ArialFont());
  // From right of "More checks" to the right edge, two lines high, so the
  // orphan search's outcome fits whole.
  statusLabel_ =
      Label(this, "Number of broken from/to links found: 99999", TwipsRect(2520, 4700, 7055, 560));
  statusLabel_->setWordWrap(true);
  vendorLink_ = LinkLabel(this, "Orrinford", TwipsRect(5900, 5280, 2010, 360));
  vendorLink_->setToolTip("Click here to visit the Orrinford web site.");
  manualLabel_ = Label(this, "User manual:", TwipsRect(4560, 5760, 1260, 360));
  manualLink_ = LinkLabel(this, "", TwipsRect(5900, 5760, 2535, 360));
  manualLink_->setToolTip("Click here for the online user manual.");
  Register(Control::kExcludedCountLabel, excludedCountLabel_);
  Register(Control::kExcludedFilepathsLabel, filepathsLabel_);
  Register(Control::kExcludedLinksLabel, linksLabel_);
  Register(Control::kScanningLabel, scanningLabel_);
  Register(Control::kProgressLabel, progressLabel_);
  Register(Control::kStatusLabel, statusLabel_);
  Register(Control::kVendorLink, vendorLink_);
  Register(Control::kManualLabel, manualLabel_);
  Register(Control::kManualLink, manualLink_);
}

void MainWindow::CreateOptions() {
  topFolderOnlyBox_ = Option(this, "Check links in files in top folder only",
                             TwipsRect(5280, 720, 4335, 375));
  showRepeatedBox_ = Option(this, "Show repeated broken links in a file",
                            TwipsRect(5280, 1080, 4335, 375));
  includePhpBox_ = Option(this, "Check links in PHP files as well as HTML files",
                          TwipsRect(5280, 1440, 4335, 375));
  Register(Control::kTopFolderOnlyBox, topFolderOnlyBox_);
  Register(Control::kShowRepeatedBox, showRepeatedBox_);
  Register(Control::kIncludePhpBox, includePhpBox_);
}

void MainWindow::CreateControls() {
  setObjectName("frmMain");
  setWindowTitle("Quorvane");
  setFont(TahomaFont());
  CreateButtons();
  CreateBoxes();
  CreateLabels();
  CreateOptions();
  // The boxes stand above any label that might reach them.
  filepathsBox_->raise();
  linksBox_->raise();
  SetTabOrder();
  setFixedWidth(Px(9780));
  // The designed height: the settings button's bottom plus a margin.
  setFixedHeight(Px(5760 + 360 + 240));
}

// Tab order follows the window from top to bottom; the web links are
// stops too, and Enter presses the focused button.
void MainWindow::SetTabOrder() {
  vendorLink_->setFocusPolicy(Qt::StrongFocus);
  manualLink_->setFocusPolicy(Qt::StrongFocus);
  QWidget* order[] = {topFolderButton_,  selectSubfoldersButton_,
                      subfoldersBox_,    topFolderOnlyBox_,
                      showRepeatedBox_,  includePhpBox_,
                      listFilesButton_,  orphansButton_,
                      checkLinksButton_, stopButton_,
                      resultsButton_,    filepathsBox_,
                      linksBox_,         moreChecksButton_,
                      clearButton_,      clearChoice_,
                      settingsButton_,   settingsChoice_,
                      vendorLink_,       manualLink_,
                      helpButton_,       quitButton_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  PressFocusedButtonOnEnter(this);
}

void MainWindow::ApplyBackColours() {
  SetBackColour(this, WindowBackColour());
  for (QLabel* label : findChildren<QLabel*>()) SetBackColour(label, WindowBackColour());
  for (QCheckBox* box : findChildren<QCheckBox*>()) SetBackColour(box, WindowBackColour());
}

}  // namespace qvn::gui
