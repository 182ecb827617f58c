#include "gui/repair_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/twips.h"

namespace qvn::gui {
namespace {

constexpr int kDesignWidth = 10500;
constexpr int kDesignHeight = 7200;

}  // namespace

RepairWindow::RepairWindow(const std::string& repairs_folder, QWidget* parent)
    : QWidget(parent, Qt::Window), presenter_(*this, repairs_folder) {
  setObjectName("frmRepair");
  setWindowTitle(QStringLiteral("Repair broken links"));
  setFont(TahomaFont());
  CreateControls();
  resize(Px(kDesignWidth), Px(kDesignHeight));
}

RepairWindow::~RepairWindow() { worker_.WaitForAll(); }

void RepairWindow::CreateControls() {
  chkMoved = new QCheckBox(QStringLiteral("Files moved elsewhere in the site"), this);
  chkMoved->setObjectName("chkMoved");
  chkNear = new QCheckBox(QStringLiteral("Names that differ a little"), this);
  chkNear->setObjectName("chkNear");
  lstRepairs = new QListWidget(this);
  lstRepairs->setObjectName("lstRepairs");
  txbPreview = new QPlainTextEdit(this);
  txbPreview->setObjectName("txbPreview");
  txbPreview->setReadOnly(true);
  txbPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
  txbPreview->setFont(QFont(QStringLiteral("Courier New"), 9));
  lblStatus = new QLabel(this);
  lblStatus->setObjectName("lblStatus");
  lblStatus->setWordWrap(true);
  cmdApply = new QPushButton(QStringLiteral("Apply"), this);
  cmdApply->setObjectName("cmdApply");
  cmdUndo = new QPushButton(QStringLiteral("Undo last repair"), this);
  cmdUndo->setObjectName("cmdUndo");
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");

  auto* rules = new QHBoxLayout;
  rules->addWidget(new QLabel(QStringLiteral("Also repair:"), this));
  rules->addWidget(chkMoved);
  rules->addWidget(chkNear);
  rules->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdApply);
  buttons->addWidget(cmdUndo);
  buttons->addStretch(1);
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(rules);
  layout->addWidget(lstRepairs, 3);
  layout->addWidget(txbPreview, 2);
  layout->addWidget(lblStatus);
  layout->addLayout(buttons);
  Connect();
}

void RepairWindow::Connect() {
  const auto rules_changed = [this] {
    presenter_.SetRules(chkMoved->isChecked(), chkNear->isChecked());
  };
  connect(chkMoved, &QCheckBox::toggled, this, rules_changed);
  connect(chkNear, &QCheckBox::toggled, this, rules_changed);
  connect(lstRepairs, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!filling_)
      presenter_.Tick(static_cast<std::size_t>(lstRepairs->row(item)),
                      item->checkState() == Qt::Checked);
  });
  connect(lstRepairs, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) presenter_.Select(static_cast<std::size_t>(row));
  });
  connect(cmdApply, &QPushButton::clicked, this, [this] { presenter_.Apply(); });
  connect(cmdUndo, &QPushButton::clicked, this, [this] { presenter_.UndoLast(); });
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

void RepairWindow::Open(const app::Choices& choices, std::shared_ptr<const CheckResult> result) {
  presenter_.Open(choices, std::move(result));
}

void RepairWindow::ShowRows(const std::vector<app::RepairRow>& rows) {
  filling_ = true;
  lstRepairs->clear();
  for (const app::RepairRow& row : rows) {
    auto* item = new QListWidgetItem(Q(row.text), lstRepairs);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (row.can_tick) flags |= Qt::ItemIsUserCheckable;
    item->setFlags(flags);
    if (row.can_tick) item->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
  }
  filling_ = false;
}

void RepairWindow::ShowPreview(const std::string& text) {
  txbPreview->setPlainText(Q(text));
}

void RepairWindow::ShowStatus(const std::string& text) {
  lblStatus->setText(Q(text));
}

void RepairWindow::EnableApply(bool enabled) {
  cmdApply->setEnabled(enabled);
}

void RepairWindow::EnableUndo(bool enabled) {
  cmdUndo->setEnabled(enabled);
}

void RepairWindow::EnableChoices(bool enabled) {
  for (QWidget* widget : {static_cast<QWidget*>(chkMoved), static_cast<QWidget*>(chkNear),
                          static_cast<QWidget*>(lstRepairs)})
    widget->setEnabled(enabled);
}

void RepairWindow::RunInBackground(std::function<void()> work, std::function<void()> done) {
  worker_.Run(std::move(work), std::move(done));
}

void RepairWindow::PostToWindow(std::function<void()> task) { worker_.Post(std::move(task)); }

}  // namespace qvn::gui
