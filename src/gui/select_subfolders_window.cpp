// The subfolder selection window: its controls and layout, showing it (each
// showing reads the disk), and leaving it.

#include "gui/select_subfolders_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "core/platform/platform.h"
#include "core/text/text.h"
#include "core/site/folder_stats.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

// Designed in twips for a window with a classic frame (borders and title
// bar); the real frame differs between desktops, so the layout allows for
// this one everywhere.
constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 390;
constexpr int kDesignClientWidth = 7770;
constexpr int kDesignClientHeight = 4770;
constexpr int kRowHeight = 380;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(rect);
  return button;
}

}  // namespace

SelectSubfoldersWindow::SelectSubfoldersWindow(QWidget* parent, const FolderReader* reader)
    : QDialog(parent), reader_(reader != nullptr ? *reader : DiskFolderReader()) {
  setObjectName("frmSelectSubfolders");
  setModal(true);
  setWindowTitle(strCaption);
  setFont(ArialFont(9.75));
  CreateControls();
  resize(Px(kDesignClientWidth), Px(kDesignClientHeight));
  ApplyColours();
}

void SelectSubfoldersWindow::CreateControls() {
  CreateButtons();
  picSubfolders = new QLabel(this);
  picSubfolders->setObjectName("picSubfolders");
  picSubfolders->setGeometry(TwipsRect(180, 105, 7155, 3795));
  picSubfolders->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetBackColour(picSubfolders, Qt::white);
  auto* first_row = new QCheckBox(picSubfolders);
  first_row->setObjectName("chkSubfolder_0");
  first_row->setGeometry(TwipsRect(105, 0, 6525, kRowHeight));
  first_row->setFont(ArialFont(9.75));
  SetBackColour(first_row, Qt::white);
  first_row->setBackgroundRole(QPalette::Window);  // buttons fill with Button otherwise
  first_row->hide();
  connect(first_row, &QCheckBox::clicked, this, [this] { chkSubfolder_Click(0); });
  chkSubfolder.push_back(first_row);
  vsbScrollBar = new QScrollBar(Qt::Vertical, this);
  vsbScrollBar->setObjectName("vsbScrollBar");
  vsbScrollBar->setGeometry(TwipsRect(7455, 105, 225, 3795));
  vsbScrollBar->hide();
  connect(vsbScrollBar, &QScrollBar::valueChanged, this, [this] { vsbScrollBar_Change(); });
  lblNumSubfolders = new QLabel(QStringLiteral("There are 13,391 subfolders."), this);
  lblNumSubfolders->setObjectName("lblNumSubfolders");
  lblNumSubfolders->setGeometry(TwipsRect(2940, 3990, 2220, 645));
  lblNumSubfolders->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblNumSubfolders->setWordWrap(true);
}

void SelectSubfoldersWindow::CreateButtons() {
  cmdAccept =
      MakeButton(this, "cmdAccept", QStringLiteral("Accept"), TwipsRect(5355, 4095, 960, 360));
  cmdCancel =
      MakeButton(this, "cmdCancel", QStringLiteral("Cancel"), TwipsRect(6720, 4095, 960, 360));
  cmdSelectDeselectAllSubfolders[1] =
      MakeButton(this, "cmdSelectDeselectAllSubfolders_1", QStringLiteral("Select all"),
                 TwipsRect(210, 4080, 1275, 360));
  cmdSelectDeselectAllSubfolders[0] =
      MakeButton(this, "cmdSelectDeselectAllSubfolders_0", QStringLiteral("Deselect all"),
                 TwipsRect(1575, 4095, 1275, 360));
  connect(cmdAccept, &QPushButton::clicked, this, [this] { cmdAccept_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  for (int index : {0, 1})
    connect(cmdSelectDeselectAllSubfolders[index], &QPushButton::clicked, this,
            [this, index] { cmdSelectDeselectAllSubfolders_Click(index); });
}

void SelectSubfoldersWindow::SetOuterGeometry(int left, int top, int width, int height) {
  move(Px(left), Px(top));
  resize(Px(width - kFrameWidth), Px(height - kFrameHeight));
}

int SelectSubfoldersWindow::WindowWidth() const {
  return Twips(width()) + kFrameWidth;
}

int SelectSubfoldersWindow::WindowHeight() const {
  return Twips(height()) + kFrameHeight;
}

void SelectSubfoldersWindow::SetWindowHeight(int twips) {
  resize(width(), Px(std::max(twips - kFrameHeight, 0)));
}

void SelectSubfoldersWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A window restored by the desktop is not shown afresh. The reading waits
  // until the showing is complete: it lets events run and may hide the window.
  if (event->spontaneous()) return;
  blnBusy = true;
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) Form_Activate();
  });
}

void SelectSubfoldersWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Form_Resize();
}

// The picture box follows the window's width, and the controls below it follow.
void SelectSubfoldersWindow::Form_Resize() {
  if (blnBusy) return;
  picSubfolders->resize(Px(WindowWidth() - 500), picSubfolders->height());
  ArrangeControls();
  if (vsbScrollBar->isVisible()) {
    picSubfolders->resize(picSubfolders->width() - vsbScrollBar->width(), picSubfolders->height());
    vsbScrollBar->move(Px(WindowWidth() - Twips(vsbScrollBar->width()) - 300), vsbScrollBar->y());
  }
  for (QCheckBox* row : chkSubfolder) row->resize(picSubfolders->width(), row->height());
}

void SelectSubfoldersWindow::ApplyColours() {
  const QColor back = lngBackColor.isValid() ? lngBackColor : LightYellow();
  SetBackColour(this, back);
  SetBackColour(lblNumSubfolders, back);
  QPalette palette = lblNumSubfolders->palette();
  palette.setColor(QPalette::WindowText, lngBackColor.isValid() ? lngLabelForeColor : Qt::black);
  lblNumSubfolders->setPalette(palette);
}

void SelectSubfoldersWindow::ArrangeControls() {
  QPushButton* select_all = cmdSelectDeselectAllSubfolders[1];
  QPushButton* deselect_all = cmdSelectDeselectAllSubfolders[0];
  const int top = Px(WindowHeight() - Twips(select_all->height()) - 700);
  const QRect picture = picSubfolders->geometry();
  select_all->move(picture.x(), top);
  deselect_all->move(select_all->x() + select_all->width() + Px(150), top);
  cmdCancel->move(picture.x() + picture.width() - cmdCancel->width(), top);
  cmdAccept->move(cmdCancel->x() - cmdAccept->width() - Px(150), top);
  const int label_width =
      WindowWidth() - 2 * Twips(select_all->x() + deselect_all->width() + cmdCancel->width()) - 600;
  lblNumSubfolders->setGeometry(deselect_all->x() + deselect_all->width() + Px(150),
                                (picture.y() + picture.height() + top) / 2,
                                std::max(Px(label_width), 0), lblNumSubfolders->height());
}

void SelectSubfoldersWindow::ShowProgress(int dots) {
  picSubfolders->setText(QStringLiteral("Reading disk . . .") + Q(RepeatText(" .", dots)));
  picSubfolders->repaint();
}

void SelectSubfoldersWindow::cmdAccept_Click() {
  if (blnBusy) return;
  blnFolderSelectionAccepted = true;
  done(QDialog::Accepted);
  strFoldersReturnedFromSelectFoldersForm.clear();
  blnSomeSubfolderHasSubfolders = false;
  for (int row = 0; row < intNumSubfolders; ++row) {
    if (intSubfolderState[row] != 1) continue;
    const std::string name = RowName(strSubfolderCaption[row]);
    strFoldersReturnedFromSelectFoldersForm += name + "\r\n";
    if (!blnSomeSubfolderHasSubfolders)
      blnSomeSubfolderHasSubfolders =
          CountSubfolders(strTopFolder + name + kSeparator, reader_).count > 0;
  }
  UnloadSubfolderRows();
}

void SelectSubfoldersWindow::cmdCancel_Click() {
  blnFolderSelectionAccepted = false;
  done(QDialog::Rejected);
  UnloadSubfolderRows();
  blnStopReading = true;
}

void SelectSubfoldersWindow::reject() {
  cmdCancel_Click();
}

void SelectSubfoldersWindow::closeEvent(QCloseEvent* event) {
  if (isVisible()) {
    ShowMessage(this,
                QStringLiteral("Please exit this window only by clicking on 'Accept' or 'Cancel'."),
                QMessageBox::Warning, QStringLiteral("Select Folders"));
    blnStopReading = true;
    UnloadSubfolderRows();
    done(QDialog::Rejected);  // the caller's blnFolderSelectionAccepted stays
  }
  event->accept();
}

void SelectSubfoldersWindow::UnloadSubfolderRows() {
  for (std::size_t i = 1; i < chkSubfolder.size(); ++i) delete chkSubfolder[i];
  chkSubfolder.resize(1);
}

}  // namespace qvn::gui
