// The subfolder selection window's rows: paging them with the scroll bar,
// ticking them one by one or all at once, and the summary of the selection.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "core/text/casefold.h"
#include "core/text/number.h"
#include "core/text/text.h"
#include "core/text/utf.h"
#include "gui/select_subfolders_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

// Captions this long are shortened in the middle, so that the counts at their
// end stay in sight.
constexpr long long kLongCaption = 84;

long long CharacterCount(std::string_view s) {
  long long count = 0;
  for (std::size_t i = 0; i < s.size(); ++count) DecodeNext(s, i);
  return count;
}

}  // namespace

std::string SelectSubfoldersWindow::FitSubfolderCaption(std::string_view caption) {
  const std::size_t brace = caption.find('{');
  if (brace == std::string_view::npos || CharacterCount(caption) < kLongCaption)
    return std::string(caption);
  const std::string_view counts = caption.substr(brace);
  return LeftPart(caption, kLongCaption - CharacterCount(counts)) + " ... " + std::string(counts);
}

void SelectSubfoldersWindow::ShowRows() {
  picSubfolders->clear();
  intNumVisibleRows = std::min(intNumSubfolders, std::max(intMaxNumCheckboxes, 1));
  strNumSubfoldersFormatted = FormatGrouped(intNumSubfolders);
  picSubfolders->resize(picSubfolders->width(), intNumVisibleRows * chkSubfolder[0]->height());
  SetWindowHeight(Twips(picSubfolders->height()) + 1400);
  ArrangeControls();
  if (intNumVisibleRows < intNumSubfolders) PlaceScrollBar();
  CreateSubfolderRows();
  intFirstVisibleRow = 0;
  ShowVisibleRows();
}

void SelectSubfoldersWindow::PlaceScrollBar() {
  picSubfolders->resize(picSubfolders->width() - vsbScrollBar->width(), picSubfolders->height());
  vsbScrollBar->setGeometry(Px(WindowWidth() - Twips(vsbScrollBar->width()) - 300),
                            vsbScrollBar->y(), vsbScrollBar->width(), picSubfolders->height());
  vsbScrollBar->setRange(0, intNumSubfolders - intNumVisibleRows);
  vsbScrollBar->setValue(0);
  vsbScrollBar->setSingleStep(1);
  vsbScrollBar->setPageStep(std::max(intMaxNumCheckboxes - 1, 1));
  vsbScrollBar->show();
  vsbScrollBar->raise();
}

void SelectSubfoldersWindow::CreateSubfolderRows() {
  UnloadSubfolderRows();
  QCheckBox* first = chkSubfolder[0];
  first->setVisible(intNumVisibleRows > 0);
  for (int index = 1; index < intNumVisibleRows; ++index) {
    auto* row = new QCheckBox(picSubfolders);
    row->setObjectName(QStringLiteral("chkSubfolder_%1").arg(index));
    row->setFont(first->font());
    row->setPalette(first->palette());
    row->setBackgroundRole(first->backgroundRole());
    row->setAutoFillBackground(true);
    const QCheckBox* above = chkSubfolder.back();
    row->setGeometry(above->x(), above->y() + above->height(), above->width(), above->height());
    connect(row, &QCheckBox::clicked, this, [this, index] { chkSubfolder_Click(index); });
    chkSubfolder.push_back(row);
  }
}

void SelectSubfoldersWindow::ShowVisibleRows() {
  intLastVisibleRow = intFirstVisibleRow + intNumVisibleRows - 1;
  for (int index = 0; index < intNumVisibleRows; ++index) {
    const int row = intFirstVisibleRow + index;
    QCheckBox* box = chkSubfolder[static_cast<std::size_t>(index)];
    box->resize(picSubfolders->width(), box->height());
    box->setText(Q(FitSubfolderCaption(strSubfolderCaption[row])));
    box->setChecked(intSubfolderState[row] == 1);
    box->show();
  }
}

void SelectSubfoldersWindow::vsbScrollBar_Change() {
  if (blnBusy) return;
  intFirstVisibleRow = vsbScrollBar->value();
  ShowVisibleRows();
  cmdAccept->setFocus();
}

bool SelectSubfoldersWindow::CanBeTicked(int row) const {
  const std::string& caption = strSubfolderCaption[row];
  return !FoldedContains(caption, "permission denied") &&
         !FoldedContains(caption, "no files and no subfolders");
}

void SelectSubfoldersWindow::chkSubfolder_Click(int index) {
  if (blnBusy) return;
  const int row = intFirstVisibleRow + index;
  QCheckBox* box = chkSubfolder[static_cast<std::size_t>(index)];
  if (box->isChecked() && !CanBeTicked(row)) box->setChecked(false);
  intSubfolderState[row] = box->isChecked() ? 1 : 0;
  ShowSelectionSummary();
}

// index 1 is "Select all", index 0 "Deselect all".
void SelectSubfoldersWindow::cmdSelectDeselectAllSubfolders_Click(int index) {
  if (blnBusy) return;
  for (int row = 0; row < intNumSubfolders; ++row)
    intSubfolderState[row] = index == 1 && CanBeTicked(row) ? 1 : 0;
  ShowVisibleRows();
  ShowSelectionSummary();
}

int SelectSubfoldersWindow::CountTickedSubfolders() const {
  return static_cast<int>(std::count(intSubfolderState.begin(), intSubfolderState.end(), 1));
}

void SelectSubfoldersWindow::ShowSelectionSummary() {
  dblTotalBytesSelected = 0;
  blnOver = false;
  const int ticked = CountTickedSubfolders();
  if (ticked == 0) {
    lblNumSubfolders->setText(QStringLiteral("No subfolders selected."));
    return;
  }
  for (int row = 0; row < intNumSubfolders; ++row) {
    if (intSubfolderState[row] != 1) continue;
    dblTotalBytesSelected += dblSubfolderBytes[row];
    if (strSubfolderCaption[row].find("over") != std::string::npos) blnOver = true;
  }
  std::string text;
  if (ticked == 1) {
    text = "One subfolder selected.";
  } else if (ticked == intNumSubfolders) {
    text = "All " + std::to_string(ticked) + " subfolders selected.";
  } else {
    text = FormatGrouped(ticked) + " selected (of " + strNumSubfoldersFormatted + ").";
  }
  // The label breaks lines at LF alone.
  if (FoldedContains(U(strCaption), "included"))
    text += "\nA total of " + std::string(blnOver ? "over " : "") +
            FormatByteSizeUpToGb(dblTotalBytesSelected, 2) + ".";
  lblNumSubfolders->setText(Q(text));
}

}  // namespace qvn::gui
