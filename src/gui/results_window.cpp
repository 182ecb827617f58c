#include "gui/results_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include "core/text/number.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

// Geometry in twips, as the viewers.
constexpr int kDesignWidth = 11670;
constexpr int kDesignHeight = 6585;
constexpr int kColumnWidths[] = {3200, 800, 2700, 2700, 1800};
constexpr int kLinkRole = Qt::UserRole + 1;

QString Counted(long long n, const char* one, const char* many) {
  return Q(FormatGrouped(n)) + " " + (n == 1 ? one : many);
}

// Sorts numbers as numbers and texts without regard to letter case; rows
// that compare equal keep the walk order, whichever way the column is sorted.
class LinksProxy : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
    const QVariant a = left.data(), b = right.data();
    int order = 0;
    if (left.column() == ResultsWindow::kLineColumn) {
      order = a.toLongLong() < b.toLongLong() ? -1 : a.toLongLong() > b.toLongLong() ? 1 : 0;
    } else {
      order = QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
    }
    if (order != 0) return order < 0;
    if (WalkIndex(left) == WalkIndex(right)) return false;
    const bool walk_order_first = WalkIndex(left) < WalkIndex(right);
    return sortOrder() == Qt::AscendingOrder ? walk_order_first : !walk_order_first;
  }

 private:
  int WalkIndex(const QModelIndex& index) const {
    return sourceModel()->index(index.row(), 0).data(kLinkRole).toInt();
  }
};

QStandardItem* TextItem(std::string_view text) {
  auto* item =
      new QStandardItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  item->setEditable(false);
  return item;
}

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
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");

  auto* filter_row = new QHBoxLayout;
  filter_row->addWidget(new QLabel(QStringLiteral("Filter:"), this));
  filter_row->addWidget(txbFilter, 1);
  filter_row->addWidget(lblShown);
  auto* button_row = new QHBoxLayout;
  button_row->addStretch(1);
  button_row->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblCounts);
  layout->addLayout(filter_row);
  layout->addWidget(tblResults, 1);
  layout->addLayout(button_row);

  connect(txbFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
    proxy_->setFilterFixedString(text);
    UpdateShown();
  });
  connect(tblResults, &QTableView::doubleClicked, this, &ResultsWindow::OpenRow);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

void ResultsWindow::CreateTable() {
  model_ = new QStandardItemModel(0, kColumns, this);
  model_->setHorizontalHeaderLabels({QStringLiteral("Page"), QStringLiteral("Line"),
                                     QStringLiteral("Link as written"),
                                     QStringLiteral("Missing target"), QStringLiteral("Note")});
  proxy_ = new LinksProxy(this);
  proxy_->setSourceModel(model_);
  proxy_->setFilterKeyColumn(-1);  // every column
  proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);

  tblResults = new QTableView(this);
  tblResults->setObjectName("tblResults");
  tblResults->setModel(proxy_);
  tblResults->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblResults->setSelectionMode(QAbstractItemView::SingleSelection);
  tblResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblResults->setAlternatingRowColors(true);
  tblResults->setWordWrap(false);
  tblResults->verticalHeader()->hide();
  tblResults->verticalHeader()->setDefaultSectionSize(tblResults->fontMetrics().height() + 6);
  tblResults->horizontalHeader()->setStretchLastSection(true);
  for (int column = 0; column < kColumns; ++column)
    tblResults->setColumnWidth(column, Px(kColumnWidths[column]));
  // No column sorted at first: the rows keep the order of the report by page.
  tblResults->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  tblResults->setSortingEnabled(true);
}

void ResultsWindow::SetResults(CheckResult result) {
  result_ = std::move(result);
  tblResults->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  proxy_->sort(-1);
  FillModel();
  UpdateCounts();
  UpdateShown();
}

void ResultsWindow::FillModel() {
  const BrokenLinkTable& table = result_.broken_links;
  model_->removeRows(0, model_->rowCount());
  model_->setRowCount(static_cast<int>(table.size()));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const LinkRow link = table.Row(i, result_.top_folder);
    const int row = static_cast<int>(i);
    QStandardItem* page = TextItem(link.page);
    page->setData(row, kLinkRole);
    model_->setItem(row, kPageColumn, page);
    auto* line = new QStandardItem;
    line->setData(link.link.line, Qt::DisplayRole);  // a number, so it sorts as one
    line->setEditable(false);
    model_->setItem(row, kLineColumn, line);
    model_->setItem(row, kLinkColumn, TextItem(link.link.link));
    model_->setItem(row, kTargetColumn, TextItem(link.target));
    model_->setItem(row, kNoteColumn, TextItem(LinkNote(link.link)));
  }
}

void ResultsWindow::UpdateCounts() {
  const BrokenLinkTable& table = result_.broken_links;
  const auto total = static_cast<long long>(table.size());
  QString text = Counted(total, "broken link", "broken links") + " in " +
                 Counted(table.PageCount(), "page", "pages");
  const auto counts = table.CountByKind();
  static constexpr const char* kLabels[kLinkKinds][2] = {
      {"missing file", "missing files"},
      {"link to a folder", "links to folders"},
      {"link to something not a regular file", "links to things not regular files"},
      {"link in other letter case", "links in other letter case"},
      {"missing anchor", "missing anchors"},
      {"folder without an index page", "folders without an index page"},
      {"link to another site with an error answer", "links to other sites with error answers"},
      {"link to another site without an answer", "links to other sites without an answer"}};
  QStringList parts;
  for (std::size_t kind = 0; kind < kLinkKinds; ++kind)
    if (counts[kind] > 0) parts << Counted(counts[kind], kLabels[kind][0], kLabels[kind][1]);
  if (!parts.isEmpty()) text += ": " + parts.join(", ");
  // Not broken, so not rows; the JSON document lists them with where they end.
  if (const auto moved = static_cast<long long>(result_.external.redirects.size()); moved > 0)
    text += "; " + Counted(moved, "link to another site moved for good",
                           "links to other sites moved for good");
  if (result_.stopped) text += QStringLiteral(" (the check was stopped: incomplete)");
  lblCounts->setText(text);
}

void ResultsWindow::UpdateShown() {
  lblShown->setText(Q(FormatGrouped(ShownRows())) + " of " +
                    Q(FormatGrouped(static_cast<long long>(result_.broken_links.size()))) +
                    " shown");
}

int ResultsWindow::ShownRows() const { return proxy_->rowCount(); }

QString ResultsWindow::CellText(int row, int column) const {
  return proxy_->index(row, column).data(Qt::DisplayRole).toString();
}

QString ResultsWindow::PagePath(int row) const {
  const int link = proxy_->index(row, kPageColumn).data(kLinkRole).toInt();
  return QFileInfo(Q(result_.broken_links.Source(static_cast<std::size_t>(link))))
      .absoluteFilePath();
}

void ResultsWindow::OpenRow(const QModelIndex& index) {
  if (!index.isValid()) return;
  const QString path = PagePath(index.row());
  if (!openFile(path))
    ShowMessage(this, QStringLiteral("Cannot open ") + QDir::toNativeSeparators(path) +
                          QStringLiteral(" in its default application."),
                QMessageBox::Warning, windowTitle());
}

void ResultsWindow::ClearWithReason(const QString& reason) {
  SetResults(CheckResult());
  lblCounts->setText(reason);
}

}  // namespace qvn::gui
