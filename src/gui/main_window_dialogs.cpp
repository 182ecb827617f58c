// The main window's modal windows and its ways out of the program: messages,
// questions, the notice, the file and folder dialogs, the subfolder and
// more checks windows, the web browser, quitting.

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QUrl>

#include "gui/main_window.h"
#include "gui/more_checks_window.h"
#include "gui/popup_window.h"
#include "gui/select_subfolders_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

QMessageBox::Icon BoxIcon(app::Icon icon) {
  switch (icon) {
    case app::Icon::kWarning:
      return QMessageBox::Warning;
    case app::Icon::kCritical:
      return QMessageBox::Critical;
    case app::Icon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton BoxButton(app::Answer answer) {
  switch (answer) {
    case app::Answer::kYes:
      return QMessageBox::Yes;
    case app::Answer::kNo:
      return QMessageBox::No;
    case app::Answer::kCancel:
      return QMessageBox::Cancel;
    case app::Answer::kNone:
      break;
  }
  return QMessageBox::NoButton;
}

}  // namespace

void MainWindow::ShowMessage(const app::Message& message) {
  // Before start-up completes there is no window to stand over.
  QWidget* parent = isVisible() ? this : nullptr;
  gui::ShowMessage(parent, Q(message.text), BoxIcon(message.icon), Q(message.title));
}

app::Answer MainWindow::Ask(const app::Question& question) {
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (question.with_cancel) buttons |= QMessageBox::Cancel;
  const auto answer = gui::ShowMessage(this, Q(question.text), QMessageBox::NoIcon,
                                       Q(question.title), buttons,
                                       BoxButton(question.default_answer));
  if (answer == QMessageBox::Yes) return app::Answer::kYes;
  if (answer == QMessageBox::No) return app::Answer::kNo;
  return app::Answer::kCancel;
}

void MainWindow::ShowNotice(const std::string& text, const app::TwipsRect& place,
                            int milliseconds) {
  notice_->PopUp(Q(text), place.width, place.height, milliseconds, place.top, place.left);
}

std::string MainWindow::ChooseFolder(const std::string& title, const std::string& start) {
  const QString folder = QFileDialog::getExistingDirectory(this, Q(title), Q(start));
  return U(QDir::toNativeSeparators(folder));
}

std::string MainWindow::ChooseFile(const app::FileDialog& dialog) {
  const QString folder = Q(dialog.folder);
  if (dialog.save)
    return U(QFileDialog::getSaveFileName(this, Q(dialog.title), folder, Q(dialog.filter)));
  return U(QFileDialog::getOpenFileName(this, Q(dialog.title), folder, Q(dialog.filter), nullptr,
                                        QFileDialog::ReadOnly));
}

std::optional<std::vector<std::string>> MainWindow::ChooseSubfolders(
    const app::SubfolderRequest& request) {
  SelectSubfoldersWindow window(request, this);
  window.setWindowIcon(windowIcon());
  window.exec();
  if (!window.presenter().accepted()) return std::nullopt;
  return window.presenter().chosen();
}

std::optional<MoreChecks> MainWindow::ChooseMoreChecks(const MoreChecks& current) {
  MoreChecksWindow window(current, this);
  window.setWindowIcon(windowIcon());
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.Choice();
}

app::WebLaunch MainWindow::OpenWebPage(const std::string& address) {
  return {QDesktopServices::openUrl(QUrl(Q(address))), std::nullopt};
}

void MainWindow::Quit() { QApplication::quit(); }

}  // namespace qvn::gui
