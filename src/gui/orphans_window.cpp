#include "gui/orphans_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/results_texts.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

// Size in twips, as the viewers'.
constexpr int kDesignWidth = 9780;
constexpr int kDesignHeight = 7200;

QLabel* NamedLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QPlainTextEdit* ListBox(QWidget* parent, const char* name) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setFont(ArialFont());
  return box;
}

QString Lines(const std::vector<std::string>& paths) {
  QStringList lines;
  for (const auto& path : paths) lines << Q(path);
  return lines.join('\n');
}

}  // namespace

OrphansWindow::OrphansWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmOrphans");
  setWindowTitle(QStringLiteral("Orphan files"));
  setFont(TahomaFont());
  // The main window's colour: its labels here take it as the main window's own do.
  SetBackColour(this, WindowBackColour());
  CreateControls();
  resize(Px(kDesignWidth), Px(kDesignHeight));
}

void OrphansWindow::CreateControls() {
  lblTopFolder = NamedLabel(this, "lblTopFolder");
  lblSummary = NamedLabel(this, "lblSummary");
  lblSummary->setWordWrap(true);
  lblNotLinked = NamedLabel(this, "lblNotLinked");
  txbNotLinked = ListBox(this, "txbNotLinked");
  lblOnlyFromOrphans = NamedLabel(this, "lblOnlyFromOrphans");
  txbOnlyFromOrphans = ListBox(this, "txbOnlyFromOrphans");
  lblTotals = NamedLabel(this, "lblTotals");
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblTotals, 1);
  bottom->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblTopFolder);
  layout->addWidget(lblSummary);
  layout->addWidget(lblNotLinked);
  layout->addWidget(txbNotLinked, 2);
  layout->addWidget(lblOnlyFromOrphans);
  layout->addWidget(txbOnlyFromOrphans, 1);
  layout->addLayout(bottom);
  lblNotLinked->setBuddy(txbNotLinked);
  lblOnlyFromOrphans->setBuddy(txbOnlyFromOrphans);
}

void OrphansWindow::SetResult(const OrphanResult& result, const QString& top_folder) {
  const app::OrphanTexts texts = app::OrphanWindowTexts(result, U(top_folder));
  lblTopFolder->setText(Q(texts.top_folder));
  lblSummary->setText(Q(texts.summary));
  lblNotLinked->setText(Q(texts.not_linked));
  txbNotLinked->setPlainText(Lines(result.not_linked));
  lblOnlyFromOrphans->setText(Q(texts.only_from_orphans));
  txbOnlyFromOrphans->setPlainText(Lines(result.only_from_orphans));
  lblTotals->setText(Q(texts.totals));
}

}  // namespace qvn::gui
