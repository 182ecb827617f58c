#include "gui/more_checks_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/more_checks_rules.h"
#include "core/platform/platform.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

constexpr int kDesignWidth = 7800;
// The text boxes stand under the caption of their check box.
constexpr int kIndent = 360;

QCheckBox* Box(QWidget* parent, const char* name, const char* caption) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(name);
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QLineEdit* TextBox(QWidget* parent, const char* name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setFont(ArialFont());
  return box;
}

}  // namespace

MoreChecksWindow::MoreChecksWindow(const MoreChecks& more, QWidget* parent) : QDialog(parent) {
  setObjectName("frmMoreChecks");
  setWindowTitle(QStringLiteral("More checks"));
  setModal(true);
  setFont(TahomaFont());
  SetBackColour(this, WindowBackColour());
  CreateControls();
  LayOut();
  Show(more);
  browseForFolder = [this](const QString& start) {
    return QFileDialog::getExistingDirectory(this, QStringLiteral("Specify site root folder"),
                                             start);
  };
}

void MoreChecksWindow::CreateControls() {
  allLinksBox_ = Box(this, "chkAllLinks",
                    "Check every link in each page (HTML tags, any quoting, srcset, CSS url())");
  siteRootBox_ = Box(this, "chkSiteRoot", "Follow links from the site root (/...)");
  siteRootFolderBox_ = TextBox(this, "txtSiteRoot");
  siteRootFolderBox_->setPlaceholderText(QStringLiteral("the top folder"));
  siteRootFolderBox_->setToolTip(QStringLiteral("The folder that \"/\" stands for; empty for the top folder."));
  browseButton_ = Button(this, "cmdSiteRoot", "Browse...");
  indexPagesBox_ = Box(this, "chkIndexPages", "Accept links to folders that hold an index page");
  indexFilesBox_ = TextBox(this, "txtIndexFiles");
  indexFilesBox_->setToolTip(QStringLiteral("The names of index pages, separated by commas."));
  fragmentsBox_ = Box(this, "chkCheckFragments", "Check that #anchors exist in the target page");
  letterCaseBox_ =
      Box(this, "chkLetterCase", "Report letter-case mismatches and suggest near names");
  externalBox_ = Box(this, "chkExternal", "Check links to other sites (http, https) too");
  externalBox_->setToolTip(QStringLiteral(
      "Asks each site's server once per address, a few at a time; answers are kept a day."));
  okButton_ = Button(this, "cmdOK", "OK");
  okButton_->setDefault(true);
  cancelButton_ = Button(this, "cmdCancel", "Cancel");
  for (QCheckBox* box : {siteRootBox_, indexPagesBox_})
    connect(box, &QCheckBox::toggled, this, &MoreChecksWindow::updateEnabled);
  connect(browseButton_, &QPushButton::clicked, this, &MoreChecksWindow::browseClicked);
  connect(okButton_, &QPushButton::clicked, this, &MoreChecksWindow::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &MoreChecksWindow::reject);
}

void MoreChecksWindow::LayOut() {
  auto* site_root = new QHBoxLayout;
  site_root->setContentsMargins(Px(kIndent), 0, 0, 0);
  site_root->addWidget(siteRootFolderBox_, 1);
  site_root->addWidget(browseButton_);
  auto* index_files = new QHBoxLayout;
  index_files->setContentsMargins(Px(kIndent), 0, 0, 0);
  index_files->addWidget(indexFilesBox_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(allLinksBox_);
  layout->addWidget(siteRootBox_);
  layout->addLayout(site_root);
  layout->addWidget(indexPagesBox_);
  layout->addLayout(index_files);
  layout->addWidget(fragmentsBox_);
  layout->addWidget(letterCaseBox_);
  layout->addWidget(externalBox_);
  layout->addSpacing(Px(120));
  layout->addLayout(buttons);
  setMinimumWidth(Px(kDesignWidth));
  // Tab order follows the window from top to bottom.
  QWidget* order[] = {allLinksBox_, siteRootBox_, siteRootFolderBox_, browseButton_, indexPagesBox_,
                      indexFilesBox_, fragmentsBox_, letterCaseBox_, externalBox_, okButton_,
                      cancelButton_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void MoreChecksWindow::Show(const MoreChecks& more) {
  shown_ = more;
  allLinksBox_->setChecked(more.all_links);
  siteRootBox_->setChecked(more.site_root);
  siteRootFolderBox_->setText(Q(more.site_root_folder));
  indexPagesBox_->setChecked(more.index_pages);
  indexFilesBox_->setText(Q(more.index_files));
  fragmentsBox_->setChecked(more.check_fragments);
  letterCaseBox_->setChecked(more.letter_case);
  externalBox_->setChecked(more.external);
  updateEnabled();
}

void MoreChecksWindow::updateEnabled() {
  siteRootFolderBox_->setEnabled(siteRootBox_->isChecked());
  browseButton_->setEnabled(siteRootBox_->isChecked());
  indexFilesBox_->setEnabled(indexPagesBox_->isChecked());
}

MoreChecks MoreChecksWindow::Shown() const {
  // The external check's limits are not in the window: they keep what the run had.
  MoreChecks more = shown_;
  more.all_links = allLinksBox_->isChecked();
  more.site_root = siteRootBox_->isChecked();
  more.site_root_folder = U(siteRootFolderBox_->text());
  more.index_pages = indexPagesBox_->isChecked();
  more.index_files = U(indexFilesBox_->text());
  more.check_fragments = fragmentsBox_->isChecked();
  more.letter_case = letterCaseBox_->isChecked();
  more.external = externalBox_->isChecked();
  return more;
}

MoreChecks MoreChecksWindow::Choice() const { return app::TidyMoreChecks(Shown()); }

void MoreChecksWindow::browseClicked() {
  QString folder = browseForFolder(siteRootFolderBox_->text().trimmed());
  if (folder.isEmpty()) return;
  folder = QDir::toNativeSeparators(folder);
  if (!folder.endsWith(QChar(kSeparator))) folder += QChar(kSeparator);
  siteRootFolderBox_->setText(folder);
}

void MoreChecksWindow::accept() {
  if (const auto problem = app::ValidateMoreChecks(Shown())) {
    ShowMessage(this, Q(problem->text), QMessageBox::Warning, windowTitle());
    const bool root = problem->field == app::MoreChecksProblem::Field::kSiteRoot;
    (root ? siteRootFolderBox_ : indexFilesBox_)->setFocus();
    return;
  }
  siteRootFolderBox_->setText(Q(Choice().site_root_folder));
  QDialog::accept();
}

}  // namespace qvn::gui
