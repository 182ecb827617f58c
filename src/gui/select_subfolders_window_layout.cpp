// The subfolder selection window's controls and layout: the rows area
// follows the window's width, the buttons and the summary its bottom.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "gui/select_subfolders_window.h"
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

void SelectSubfoldersWindow::CreateControls() {
  CreateButtons();
  rowsArea_ = new QLabel(this);
  rowsArea_->setObjectName("picSubfolders");
  rowsArea_->setGeometry(TwipsRect(180, 105, 7155, 3795));
  rowsArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  rowsArea_->installEventFilter(this);
  SetBackColour(rowsArea_, Qt::white);
  rows_.push_back(CreateRow(0));
  rows_[0]->setGeometry(TwipsRect(105, 0, 6525, kRowHeight));
  rows_[0]->hide();
  scrollBar_ = new QScrollBar(Qt::Vertical, this);
  scrollBar_->setObjectName("vsbScrollBar");
  scrollBar_->setGeometry(TwipsRect(7455, 105, 225, 3795));
  scrollBar_->hide();
  connect(scrollBar_, &QScrollBar::valueChanged, this, &SelectSubfoldersWindow::scrolled);
  summaryLabel_ = new QLabel(QStringLiteral("There are 13,391 subfolders."), this);
  summaryLabel_->setObjectName("lblNumSubfolders");
  summaryLabel_->setGeometry(TwipsRect(2940, 3990, 2220, 645));
  summaryLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  summaryLabel_->setWordWrap(true);
  QPalette palette = summaryLabel_->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  summaryLabel_->setPalette(palette);
}

void SelectSubfoldersWindow::CreateButtons() {
  acceptButton_ =
      MakeButton(this, "cmdAccept", QStringLiteral("Accept"), TwipsRect(5355, 4095, 960, 360));
  cancelButton_ =
      MakeButton(this, "cmdCancel", QStringLiteral("Cancel"), TwipsRect(6720, 4095, 960, 360));
  selectAllButton_ = MakeButton(this, "cmdSelectDeselectAllSubfolders_1",
                                QStringLiteral("Select all"), TwipsRect(210, 4080, 1275, 360));
  deselectAllButton_ = MakeButton(this, "cmdSelectDeselectAllSubfolders_0",
                                  QStringLiteral("Deselect all"), TwipsRect(1575, 4095, 1275, 360));
  connect(acceptButton_, &QPushButton::clicked, this, &SelectSubfoldersWindow::acceptClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &SelectSubfoldersWindow::cancelClicked);
  connect(selectAllButton_, &QPushButton::clicked, this,
          &SelectSubfoldersWindow::selectAllClicked);
  connect(deselectAllButton_, &QPushButton::clicked, this,
          &SelectSubfoldersWindow::deselectAllClicked);
}

// A row's click goes to the presenter with the box's new state.
QCheckBox* SelectSubfoldersWindow::CreateRow(int index) {
  auto* row = new QCheckBox(rowsArea_);
  row->installEventFilter(this);
  row->setObjectName(QStringLiteral("chkSubfolder_%1").arg(index));
  row->setFont(ArialFont(9.75));
  SetBackColour(row, Qt::white);
  connect(row, &QCheckBox::clicked, this,
          [this, index](bool ticked) { presenter_.RowClicked(index, ticked); });
  return row;
}

void SelectSubfoldersWindow::SetOuterGeometry(const app::TwipsRect& place) {
  if (place.width <= 0 || place.height <= 0) {
    resize(Px(kDesignClientWidth), Px(kDesignClientHeight));
    return;
  }
  move(Px(place.left), Px(place.top));
  resize(Px(place.width - kFrameWidth), Px(place.height - kFrameHeight));
}

int SelectSubfoldersWindow::WindowWidth() const { return Twips(width()) + kFrameWidth; }

int SelectSubfoldersWindow::WindowHeight() const { return Twips(height()) + kFrameHeight; }

void SelectSubfoldersWindow::SetWindowHeight(int twips) {
  resize(width(), Px(std::max(twips - kFrameHeight, 0)));
}

void SelectSubfoldersWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  FollowWidth();
}

// The rows area follows the window's width, and the controls below it follow.
void SelectSubfoldersWindow::FollowWidth() {
  if (!laid_out_) return;
  rowsArea_->resize(Px(WindowWidth() - 500), rowsArea_->height());
  ArrangeControls();
  if (scrollBar_->isVisible()) {
    rowsArea_->resize(rowsArea_->width() - scrollBar_->width(), rowsArea_->height());
    scrollBar_->move(Px(WindowWidth() - Twips(scrollBar_->width()) - 300), scrollBar_->y());
  }
  for (QCheckBox* row : rows_) row->resize(rowsArea_->width(), row->height());
}

void SelectSubfoldersWindow::ArrangeControls() {
  const int top = Px(WindowHeight() - Twips(selectAllButton_->height()) - 700);
  const QRect area = rowsArea_->geometry();
  selectAllButton_->move(area.x(), top);
  deselectAllButton_->move(selectAllButton_->x() + selectAllButton_->width() + Px(150), top);
  cancelButton_->move(area.x() + area.width() - cancelButton_->width(), top);
  acceptButton_->move(cancelButton_->x() - acceptButton_->width() - Px(150), top);
  const int label_width =
      WindowWidth() -
      2 * Twips(selectAllButton_->x() + deselectAllButton_->width() + cancelButton_->width()) -
      600;
  summaryLabel_->setGeometry(deselectAllButton_->x() + deselectAllButton_->width() + Px(150),
                             (area.y() + area.height() + top) / 2, std::max(Px(label_width), 0),
                             summaryLabel_->height());
}

void SelectSubfoldersWindow::LayOutRows(const app::RowPaging& paging) {
  reading_ = false;
  laid_out_ = true;
  rowsArea_->clear();
  rowsArea_->resize(rowsArea_->width(), paging.visible_rows * rows_[0]->height());
  SetWindowHeight(Twips(rowsArea_->height()) + 1400);
  ArrangeControls();
  if (paging.scroll_max > 0) PlaceScrollBar(paging);
  UnloadRows();
  rows_[0]->setVisible(paging.visible_rows > 0);
  for (int index = 1; index < paging.visible_rows; ++index) {
    QCheckBox* row = CreateRow(index);
    const QCheckBox* above = rows_.back();
    row->setGeometry(above->x(), above->y() + above->height(), above->width(), above->height());
    rows_.push_back(row);
  }
}

void SelectSubfoldersWindow::PlaceScrollBar(const app::RowPaging& paging) {
  rowsArea_->resize(rowsArea_->width() - scrollBar_->width(), rowsArea_->height());
  scrollBar_->setGeometry(Px(WindowWidth() - Twips(scrollBar_->width()) - 300), scrollBar_->y(),
                          scrollBar_->width(), rowsArea_->height());
  const QSignalBlocker quiet(scrollBar_);  // set up, not scrolled
  scrollBar_->setRange(0, paging.scroll_max);
  scrollBar_->setValue(0);
  scrollBar_->setSingleStep(1);
  scrollBar_->setPageStep(paging.page_step);
  scrollBar_->show();
  scrollBar_->raise();
}

void SelectSubfoldersWindow::UnloadRows() {
  for (std::size_t i = 1; i < rows_.size(); ++i) delete rows_[i];
  rows_.resize(1);
}

}  // namespace qvn::gui
