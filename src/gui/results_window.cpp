#include "gui/results_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "core/app/results_texts.h"
#include "gui/repair_window.h"
#include "gui/results_model.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

// Geometry in twips, as the viewers.
constexpr int kDesignWidth = 11670;
constexpr int kDesignHeight = 6585;
constexpr int kColumnWidths[] = {3200, 800, 2700, 2700, 1800};

}  // namespace

ResultsWindow::ResultsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmResults");
  setWindowTitle(QStringLiteral("Broken links table"));
  setFont(TahomaFont());
  openFile = [](const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  };
  CreateControls();
  resize(Px(kDesignWidth), Px(kDesignHeight));
}

void ResultsWindow::CreateControls() {
  lblCounts = new QLabel(this);
  lblCounts->setObjectName("lblCounts");
  txbFilter = new QLineEdit(this);
  txbFilter->setObjectName("txbFilter");
  txbFilter->setPlaceholderText(QStringLiteral("Type to show only the rows that contain it"));
  txbFilter->setClearButtonEnabled(true);
  lblShown = new QLabel(this);
  lblShown->setObjectName("lblShown");

  CreateTable();
  cmdRepair = new QPushButton(QStringLiteral("Repair..."), this);
  cmdRepair->setObjectName("cmdRepair");
  cmdRepair->setEnabled(false);
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");

  auto* filter_row = new QHBoxLayout;
  filter_row->addWidget(new QLabel(QStringLiteral("Filter:"), this));
  filter_row->addWidget(txbFilter, 1);
  filter_row->addWidget(lblShown);
  auto* button_row = new QHBoxLayout;
  button_row->addWidget(cmdRepair);
  button_row->addStretch(1);
  button_row->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblCounts);
  layout->addLayout(filter_row);
  layout->addWidget(tblResults, 1);
  layout->addLayout(button_row);

  connect(txbFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
    model_->SetFilter(text);
    UpdateShown();
  });
  connect(tblResults, &QTableView::doubleClicked, this, &ResultsWindow::OpenRow);
  connect(cmdRepair, &QPushButton::clicked, this, &ResultsWindow::OpenRepair);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

void ResultsWindow::CreateTable() {
  model_ = new ResultsModel(this);
  tblResults = new QTableView(this);
  tblResults->setObjectName("tblResults");
  tblResults->setModel(model_);
  tblResults->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblResults->setSelectionMode(QAbstractItemView::SingleSelection);
  tblResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblResults->setAlternatingRowColors(true);
  tblResults->setWordWrap(false);
  tblResults->verticalHeader()->hide();
  tblResults->verticalHeader()->setDefaultSectionSize(tblResults->fontMetrics().height() + 6);
  // Rows of one height: the view need not ask about each of a million rows.
  tblResults->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  tblResults->horizontalHeader()->setStretchLastSection(true);
  for (int column = 0; column < kColumns; ++column)
    tblResults->setColumnWidth(column, Px(kColumnWidths[column]));
  // No column sorted at first: the rows keep the order of the report by page.
  tblResults->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  tblResults->setSortingEnabled(true);
}

void ResultsWindow::SetResults(CheckResult result) {
  SetResults(std::make_shared<const CheckResult>(std::move(result)));
}

void ResultsWindow::SetResults(std::shared_ptr<const CheckResult> result) {
  result_ = result;
  model_->SetResults(std::move(result));
  cmdRepair->setEnabled(!repairs_folder_.empty() && !result_->broken_links.empty());
  tblResults->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  UpdateCounts();
  UpdateShown();
}

void ResultsWindow::UpdateCounts() { lblCounts->setText(Q(app::ResultsCountsText(results()))); }

void ResultsWindow::UpdateShown() {
  lblShown->setText(Q(app::ShownRowsText(static_cast<std::size_t>(ShownRows()),
                                         results().broken_links.size())));
}

const CheckResult& ResultsWindow::results() const { return model_->result(); }

int ResultsWindow::ShownRows() const { return model_->rowCount(); }

QString ResultsWindow::CellText(int row, int column) const {
  return model_->index(row, column).data(Qt::DisplayRole).toString();
}

QString ResultsWindow::PagePath(int row) const {
  return QFileInfo(Q(results().broken_links.Source(model_->EntryAt(row)))).absoluteFilePath();
}

void ResultsWindow::OpenRow(const QModelIndex& index) {
  if (!index.isValid()) return;
  const QString path = PagePath(index.row());
  if (!openFile(path))
    ShowMessage(this, Q(app::CannotOpenPageText(U(QDir::toNativeSeparators(path)))),
                QMessageBox::Warning, windowTitle());
}

void ResultsWindow::SetRepairSource(const app::Choices& choices,
                                    const std::string& repairs_folder) {
  repair_choices_ = choices;
  repairs_folder_ = repairs_folder;
  cmdRepair->setEnabled(!repairs_folder_.empty() && result_ && !result_->broken_links.empty());
}

void ResultsWindow::OpenRepair() {
  if (!result_ || repairs_folder_.empty()) return;
  if (repair_window_ == nullptr) repair_window_ = new RepairWindow(repairs_folder_, this);
  repair_window_->Open(repair_choices_, result_);
  repair_window_->show();
  repair_window_->raise();
}

void ResultsWindow::ClearWithReason(const QString& reason) {
  SetResults(CheckResult());
  lblCounts->setText(reason);
}

}  // namespace qvn::gui
