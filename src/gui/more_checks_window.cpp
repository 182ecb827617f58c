#include "gui/more_checks_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/path.h"
#include "core/text/text.h"
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

// True when the comma list names at least one file.
bool NamesAFile(const QString& list) {
  for (const QString& item : list.split(','))
    if (!item.trimmed().isEmpty()) return true;
  return false;
}

}  // namespace

QString SiteRootProblem(const std::string& folder) {
  const std::string trimmed(TrimSpaces(folder));
  if (trimmed.empty() || IsExistingFolder(trimmed)) return {};
  return "The site root folder '" + Q(trimmed) + "' does not exist or is not a folder.";
}

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
  chkAllLinks = Box(this, "chkAllLinks",
                    "Check every link in each page (HTML tags, any quoting, srcset, CSS url())");
  chkSiteRoot = Box(this, "chkSiteRoot", "Follow links from the site root (/...)");
  txtSiteRoot = TextBox(this, "txtSiteRoot");
  txtSiteRoot->setPlaceholderText(QStringLiteral("the top folder"));
  txtSiteRoot->setToolTip(QStringLiteral("The folder that \"/\" stands for; empty for the top folder."));
  cmdSiteRoot = Button(this, "cmdSiteRoot", "Browse...");
  chkIndexPages = Box(this, "chkIndexPages", "Accept links to folders that hold an index page");
  txtIndexFiles = TextBox(this, "txtIndexFiles");
  txtIndexFiles->setToolTip(QStringLiteral("The names of index pages, separated by commas."));
  chkCheckFragments = Box(this, "chkCheckFragments", "Check that #anchors exist in the target page");
  chkLetterCase =
      Box(this, "chkLetterCase", "Report letter-case mismatches and suggest near names");
  cmdOK = Button(this, "cmdOK", "OK");
  cmdOK->setDefault(true);
  cmdCancel = Button(this, "cmdCancel", "Cancel");
  for (QCheckBox* box : {chkSiteRoot, chkIndexPages})
    connect(box, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
  connect(cmdSiteRoot, &QPushButton::clicked, this, [this] { cmdSiteRoot_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, &MoreChecksWindow::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &MoreChecksWindow::reject);
}

void MoreChecksWindow::LayOut() {
  auto* site_root = new QHBoxLayout;
  site_root->setContentsMargins(Px(kIndent), 0, 0, 0);
  site_root->addWidget(txtSiteRoot, 1);
  site_root->addWidget(cmdSiteRoot);
  auto* index_files = new QHBoxLayout;
  index_files->setContentsMargins(Px(kIndent), 0, 0, 0);
  index_files->addWidget(txtIndexFiles);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chkAllLinks);
  layout->addWidget(chkSiteRoot);
  layout->addLayout(site_root);
  layout->addWidget(chkIndexPages);
  layout->addLayout(index_files);
  layout->addWidget(chkCheckFragments);
  layout->addWidget(chkLetterCase);
  layout->addSpacing(Px(120));
  layout->addLayout(buttons);
  setMinimumWidth(Px(kDesignWidth));
  // Tab order follows the window from top to bottom.
  QWidget* order[] = {chkAllLinks, chkSiteRoot, txtSiteRoot, cmdSiteRoot, chkIndexPages,
                      txtIndexFiles, chkCheckFragments, chkLetterCase, cmdOK, cmdCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void MoreChecksWindow::Show(const MoreChecks& more) {
  chkAllLinks->setChecked(more.all_links);
  chkSiteRoot->setChecked(more.site_root);
  txtSiteRoot->setText(Q(more.site_root_folder));
  chkIndexPages->setChecked(more.index_pages);
  txtIndexFiles->setText(Q(more.index_files));
  chkCheckFragments->setChecked(more.check_fragments);
  chkLetterCase->setChecked(more.letter_case);
  UpdateEnabled();
}

void MoreChecksWindow::UpdateEnabled() {
  txtSiteRoot->setEnabled(chkSiteRoot->isChecked());
  cmdSiteRoot->setEnabled(chkSiteRoot->isChecked());
  txtIndexFiles->setEnabled(chkIndexPages->isChecked());
}

MoreChecks MoreChecksWindow::Choice() const {
  MoreChecks more;
  more.all_links = chkAllLinks->isChecked();
  more.site_root = chkSiteRoot->isChecked();
  more.site_root_folder = std::string(TrimSpaces(U(txtSiteRoot->text())));
  EnsureTrailingBackslash(more.site_root_folder);
  more.index_pages = chkIndexPages->isChecked();
  more.index_files = U(txtIndexFiles->text());
  more.check_fragments = chkCheckFragments->isChecked();
  more.letter_case = chkLetterCase->isChecked();
  return more;
}

void MoreChecksWindow::cmdSiteRoot_Click() {
  QString folder = browseForFolder(txtSiteRoot->text().trimmed());
  if (folder.isEmpty()) return;
  folder = QDir::toNativeSeparators(folder);
  if (!folder.endsWith(QChar(kSeparator))) folder += QChar(kSeparator);
  txtSiteRoot->setText(folder);
}

// A box that is not ticked is not used, so what it holds is not judged.
bool MoreChecksWindow::Validate() {
  const QString problem = SiteRootProblem(U(txtSiteRoot->text()));
  if (chkSiteRoot->isChecked() && !problem.isEmpty()) {
    ShowMessage(this, problem, QMessageBox::Warning, windowTitle());
    txtSiteRoot->setFocus();
    return false;
  }
  if (chkIndexPages->isChecked() && !NamesAFile(txtIndexFiles->text())) {
    ShowMessage(this,
                QStringLiteral("Name at least one index page (such as index.html) for links "
                               "to folders."),
                QMessageBox::Warning, windowTitle());
    txtIndexFiles->setFocus();
    return false;
  }
  return true;
}

void MoreChecksWindow::accept() {
  if (!Validate()) return;
  txtSiteRoot->setText(Q(Choice().site_root_folder));
  QDialog::accept();
}

}  // namespace qvn::gui
