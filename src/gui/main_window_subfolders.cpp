// "Exclude top subfolders": the subfolder selection window, opened over the
// main window, chooses the excluded top subfolders.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "core/text/text.h"
#include "gui/select_subfolders_window.h"
#include "gui/main_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

constexpr int kTextChooseTopFolderFirst = 23;
constexpr int kTextSelectSubfoldersTitle = 24;
constexpr int kRowsPerPage = 13;

}  // namespace

void MainWindow::cmdSelectSubfolders_Click() {
  if (txbTopFolder->text().isEmpty()) {
    ShowMessage(this, Text(kTextChooseTopFolderFirst), QMessageBox::Warning,
                QStringLiteral("Exclude top subfolders"));
    return;
  }
  SelectSubfoldersWindow window(this);
  window.blnFolderSelectionAccepted = false;
  window.strCaption = Text(kTextSelectSubfoldersTitle);
  window.strTopFolder = U(txbTopFolder->text());
  window.intMaxNumCheckboxes = kRowsPerPage;
  window.blnOmitTotalFilesize = true;
  window.setWindowIcon(windowIcon());
  // Over the main window, from just above the button down to the bottom.
  const QRect main = frameGeometry();
  const int left = Twips(cmdSelectSubfolders->x()) + Twips(main.x()) + 50;
  const int top = Twips(cmdSelectSubfolders->y()) + Twips(main.y()) - 150;
  window.SetOuterGeometry(left, top, Twips(main.x()) + Twips(main.width()) - left - 150,
                          Twips(main.y()) + Twips(main.height()) - top - 200);
  const long long chosen = std::min<long long>(
      intNumExcludedSubfolders, static_cast<long long>(strExcludedSubfolderList.size()));
  window.strFoldersPassedToSelectFoldersForm =
      chosen > 0 ? JoinArray(strExcludedSubfolderList, "\r\n", false, 0, chosen - 1)
                 : std::string();
  window.exec();
  if (window.blnFolderSelectionAccepted) {
    const std::string text(TrimTrailingBlanks(window.strFoldersReturnedFromSelectFoldersForm));
    txbExcludedSubfolders->setPlainText(
        Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    intNumExcludedSubfolders =
        static_cast<int>(SplitLines(text, strExcludedSubfolderList, CaseMode::kUnchanged, true));
    UpdateExcludedSubfoldersState();
    lblTotalNumFilesOrBrokenLinks->clear();
  }
  SetDefaultFocus();
}

}  // namespace qvn::gui
