// The main window's controls, at their designed places (in twips).

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

template <typename T>
T* Make(QWidget* parent, const char* name, QRect twips_rect, const QFont& font) {
  auto* control = new T(parent);
  control->setObjectName(name);
  control->setGeometry(twips_rect);
  control->setFont(font);
  return control;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* button = Make<QPushButton>(parent, name, rect, TahomaFont());
  button->setText(caption);
  return button;
}

QLabel* Label(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* label = Make<QLabel>(parent, name, rect, TahomaFont());
  label->setText(caption);
  return label;
}

QLabel* LinkLabel(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  QLabel* label = Label(parent, name, caption, rect);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, DarkBlue());
  label->setPalette(palette);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

}  // namespace

void MainWindow::CreateButtons() {
  cmdTopFolder = Button(this, "cmdTopFolder", "Top folder", TwipsRect(120, 150, 1180, 360));
  cmdSelectSubfolders = Button(this, "cmdSelectSubfolders", "Exclude top subfolders",
                               TwipsRect(120, 600, 2300, 360));
  cmdListFiles = Button(this, "cmdListFiles", "List files", TwipsRect(6360, 1920, 1755, 360));
  cmdCheckLinks = Button(this, "cmdCheckLinks", "Check links", TwipsRect(6360, 2400, 1725, 360));
  cmdStop = Button(this, "cmdStop", "Stop", TwipsRect(6360, 2880, 1725, 360));
  cmdClear = Button(this, "cmdClear", "Clear -->", TwipsRect(120, 5280, 1280, 360));
  cmdSettings = Button(this, "cmdSettings", "Settings -->", TwipsRect(120, 5760, 1280, 360));
  cmdHelp = Button(this, "cmdHelp", "Help", TwipsRect(8625, 5280, 1000, 360));
  cmdQuit = Button(this, "cmdQuit", "Quit", TwipsRect(8625, 5760, 1000, 360));
}

void MainWindow::CreateTextBoxes() {
  txbTopFolder = Make<QLineEdit>(this, "txbTopFolder", TwipsRect(1400, 150, 8175, 360), ArialFont());
  txbTopFolder->setReadOnly(true);
  txbTopFolder->setToolTip("Click on 'Top folder' to specify a folder.");
  txbExcludedSubfolders = Make<QPlainTextEdit>(this, "txbExcludedSubfolders",
                                               TwipsRect(120, 1050, 5000, 2130), ArialFont());
  txbExcludedSubfolders->setReadOnly(true);
  txbExcludedSubfolders->setLineWrapMode(QPlainTextEdit::NoWrap);
  txbExcludedSubfolders->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txbExcludedSubfolders->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txbExcludedSubfolders->setToolTip("These subfolders are excluded from the scan.");
  txbExcludedFilepaths = Make<QLineEdit>(this, "txbExcludedFilepaths",
                                         TwipsRect(2650, 3300, 6930, 360), ArialFont());
  txbExcludedLinks =
      Make<QLineEdit>(this, "txbExcludedLinks", TwipsRect(2295, 3800, 7290, 360), ArialFont());
  cboClear = Make<QComboBox>(this, "cboClear", TwipsRect(1500, 5280, 2470, 360), ArialFont());
  cboSettings = Make<QComboBox>(this, "cboSettings", TwipsRect(1500, 5760, 2470, 360), ArialFont());
}

void MainWindow::CreateLabels() {
  lblNumExcludedTopSubfolders = Label(this, "lblNumExcludedTopSubfolders", "Seventeen excluded.",
                                      TwipsRect(2505, 645, 2655, 360));
  lblExcludeFilepathsContaining =
      Label(this, "lblExcludeFilepathsContaining", "Exclude filepaths containing:",
            TwipsRect(120, 3345, 2640, 360));
  Label1 = Label(this, "Label1", "Exclude links containing:", TwipsRect(120, 3845, 2280, 360));
  lblScanningFile = Label(this, "lblScanningFile", "Scanning file", TwipsRect(120, 4320, 1260, 360));
  lblFileBeingScanned = Label(this, "lblFileBeingScanned", "", TwipsRect(1300, 4320, 8270, 360));
  lblFileBeingScanned->setFont(ArialFont());
  lblTotalNumFilesOrBrokenLinks =
      Label(this, "lblTotalNumFilesOrBrokenLinks", "Number of broken from/to links found: 99999",
            TwipsRect(4080, 4800, 5475, 360));
  lblOrrinford = LinkLabel(this, "lblOrrinford", "Orrinford", TwipsRect(5900, 5280, 2010, 360));
  lblOrrinford->setToolTip("Click here to visit the Orrinford web site.");
  lblUserManual = Label(this, "lblUserManual", "User manual:", TwipsRect(4560, 5760, 1260, 360));
  QString shown = UserManualAddress();
  shown.remove(QRegularExpression("^[a-z]+://"));
  lblUserManualURL = LinkLabel(this, "lblUserManualURL", shown, TwipsRect(5900, 5760, 2535, 360));
  lblUserManualURL->setToolTip("Click here for the online user manual.");
}

void MainWindow::CreateOptions() {
  chkTopFolderOnly = Make<QCheckBox>(this, "chkTopFolderOnly", TwipsRect(5280, 720, 4335, 375),
                                     ArialFont());
  chkTopFolderOnly->setText("Check links in files in top folder only");
  chkShowRepeatedLinks = Make<QCheckBox>(this, "chkShowRepeatedLinks",
                                         TwipsRect(5280, 1080, 4335, 375), ArialFont());
  chkShowRepeatedLinks->setText("Show repeated broken links in a file");
  chkIncludePHPfiles = Make<QCheckBox>(this, "chkIncludePHPfiles", TwipsRect(5280, 1440, 4335, 375),
                                       ArialFont());
  chkIncludePHPfiles->setText("Check links in PHP files as well as HTML files");
}

void MainWindow::CreateControls() {
  setObjectName("frmMain");
  setWindowTitle("Quorvane");
  setFont(TahomaFont());
  CreateButtons();
  CreateTextBoxes();
  CreateLabels();
  CreateOptions();
  // Tab order follows the window from top to bottom.
  QWidget* order[] = {cmdTopFolder, txbTopFolder, cmdSelectSubfolders, txbExcludedSubfolders,
                      chkTopFolderOnly, chkShowRepeatedLinks, chkIncludePHPfiles, cmdListFiles,
                      cmdCheckLinks, cmdStop, txbExcludedFilepaths, txbExcludedLinks, cmdClear,
                      cboClear, cmdSettings, cboSettings, cmdHelp, cmdQuit};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  setFixedWidth(Px(9780));
}

void MainWindow::ApplyBackColours() {
  SetBackColour(this, WindowBackColour());
  for (QLabel* label : findChildren<QLabel*>()) SetBackColour(label, WindowBackColour());
  for (QCheckBox* box : findChildren<QCheckBox*>()) SetBackColour(box, WindowBackColour());
}

}  // namespace qvn::gui
