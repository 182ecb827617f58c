// The subfolder selection window: showing it, passing the user's actions
// to its presenter, and showing what the presenter says.

#include "gui/select_subfolders_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

#include "gui/twips.h"

namespace qvn::gui {

SelectSubfoldersWindow::SelectSubfoldersWindow(const app::SubfolderRequest& request,
                                               QWidget* parent, const FolderReader* reader)
    : QDialog(parent),
      presenter_(*this, request, reader != nullptr ? *reader : DiskFolderReader()) {
  setObjectName("frmSelectSubfolders");
  setModal(true);
  setWindowTitle(Q(request.caption));
  setFont(ArialFont(9.75));
  CreateControls();
  SetOuterGeometry(request.place);
  SetBackColour(this, LightYellow());
  SetBackColour(summaryLabel_, LightYellow());
}

SelectSubfoldersWindow::~SelectSubfoldersWindow() {
  presenter_.StopReading();
  worker_.WaitForAll();
}

void SelectSubfoldersWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A window restored by the desktop is not shown afresh.
  if (!event->spontaneous()) presenter_.Shown();
}

void SelectSubfoldersWindow::closeEvent(QCloseEvent* event) {
  if (isVisible()) presenter_.CloseAsked();
  event->accept();
}

void SelectSubfoldersWindow::reject() { presenter_.Cancel(); }

void SelectSubfoldersWindow::acceptClicked() { presenter_.Accept(); }

void SelectSubfoldersWindow::cancelClicked() { presenter_.Cancel(); }

void SelectSubfoldersWindow::selectAllClicked() { presenter_.SelectAll(true); }

void SelectSubfoldersWindow::deselectAllClicked() { presenter_.SelectAll(false); }

void SelectSubfoldersWindow::scrolled(int value) { presenter_.Scrolled(value); }

bool SelectSubfoldersWindow::eventFilter(QObject* watched, QEvent* event) {
  // The rows do not use the wheel; the bar turns it into rows.
  if (event->type() == QEvent::Wheel && scrollBar_->isVisible()) {
    QCoreApplication::sendEvent(scrollBar_, event);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void SelectSubfoldersWindow::SetTitle(const std::string& title) { setWindowTitle(Q(title)); }

void SelectSubfoldersWindow::ShowReading(const std::string& text) {
  if (!reading_) {
    // The rows go until the disk is read again.
    reading_ = true;
    laid_out_ = false;
    UnloadRows();
    rows_[0]->hide();
    scrollBar_->hide();
    rowsArea_->setFont(ArialFont(11));
    rowsArea_->resize(Px(WindowWidth() - 500), Px(WindowHeight() - 1300));
    ArrangeControls();
  }
  rowsArea_->setText(Q(text));
}

void SelectSubfoldersWindow::ShowRows(const std::vector<app::ShownRow>& rows) {
  for (std::size_t index = 0; index < rows.size() && index < rows_.size(); ++index) {
    QCheckBox* box = rows_[index];
    box->resize(rowsArea_->width(), box->height());
    box->setText(Q(rows[index].caption));
    box->setChecked(rows[index].ticked);
    box->show();
  }
}

void SelectSubfoldersWindow::SetSummary(const std::string& text) {
  summaryLabel_->setText(Q(text));
}

void SelectSubfoldersWindow::FocusAccept() { acceptButton_->setFocus(); }

void SelectSubfoldersWindow::FocusCancel() { cancelButton_->setFocus(); }

void SelectSubfoldersWindow::ShowMessage(const app::Message& message) {
  gui::ShowMessage(this, Q(message.text), QMessageBox::Warning, Q(message.title));
}

void SelectSubfoldersWindow::Close() {
  UnloadRows();
  done(presenter_.accepted() ? QDialog::Accepted : QDialog::Rejected);
}

void SelectSubfoldersWindow::RunInBackground(std::function<void()> work,
                                             std::function<void()> done) {
  worker_.Run(std::move(work), std::move(done));
}

void SelectSubfoldersWindow::PostToWindow(std::function<void()> task) {
  worker_.Post(std::move(task));
}

}  // namespace qvn::gui
