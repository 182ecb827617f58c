// The subfolder selection window reads the disk: one row per subfolder of
// the top folder, its caption telling what the subfolder holds; then the rows
// are sorted and the names chosen before are ticked.

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <map>

#include "core/text/casefold.h"
#include "core/text/number.h"
#include "core/platform/path.h"
#include "core/text/text.h"
#include "core/site/walk.h"
#include "core/results/sorting.h"
#include "core/site/folder_stats.h"
#include "gui/select_subfolders_window.h"
#include "gui/twips.h"

namespace qvn::gui {
namespace {

// CountFilesInTree stops here: a size above it is shown as a lower bound.
constexpr long long kTreeFileLimit = 200;

struct RowReading {
  std::string caption;
  bool empty = false;
  double bytes = 0;
};

std::string CountText(long long n, const char* none, const char* one, const char* many) {
  if (n == 0) return none;
  if (n == 1) return one;
  return FormatGrouped(n) + many;
}

// The size part of a caption: a subfolder with subfolders is measured over
// its tree, but only up to a limit, as a tree may be huge.
std::string SizeText(const std::string& path, const FolderCount& files, const FolderCount& folders,
                     const FolderReader& reader, double& bytes) {
  if (folders.count == 0) {
    bytes = static_cast<double>(files.bytes);
    return FormatByteSize(bytes, 2);
  }
  const TreeCount tree = CountFilesInTree(path, kAllFiles, kTreeFileLimit, true, reader);
  bytes = static_cast<double>(tree.bytes);
  const bool over = tree.file_limit == kFileLimitReached || tree.error_code != 0;
  return (over ? "over " : "") + FormatByteSize(bytes, 2);
}

RowReading ReadRow(const std::string& top, const std::string& name, bool omit_sizes,
                   const FolderReader& reader) {
  const std::string path = top + name;
  RowReading row;
  row.empty = IsFolderEmpty(path, nullptr, reader);
  row.caption = name + " {";
  FileCountOptions options;
  options.sum_sizes = !omit_sizes;
  options.after_each_file = [] { QCoreApplication::processEvents(); };
  const FolderCount files = CountFilesInFolder(path, kAllFiles, options, reader);
  FolderCount folders;
  if (files.count >= 0) folders = CountSubfolders(path, reader);
  if (files.count < 0) {
    row.caption += files.error_text;
  } else if (folders.count < 0) {
    row.caption += folders.error_text;  // "permission denied" for an unreadable one
  } else {
    row.caption += CountText(files.count, "no files and ", "1 file and ", " files and ") +
                   CountText(folders.count, "no subfolders", "1 subfolder", " subfolders");
  }
  if (!omit_sizes && (files.count > 0 || folders.count > 0))
    row.caption += ", " + SizeText(path, files, folders, reader, row.bytes);
  row.caption += "}";
  if (row.caption.ends_with(", }")) row.caption.erase(row.caption.size() - 3, 2);
  return row;
}

}  // namespace

std::string SelectSubfoldersWindow::RowName(std::string_view caption) {
  const std::size_t brace = caption.rfind('{');
  return std::string(
      TrimSpaces(brace == std::string_view::npos ? caption : caption.substr(0, brace)));
}

void SelectSubfoldersWindow::Form_Activate() {
  if (reading_) return;
  reading_ = true;
  blnBusy = true;
  blnStopReading = false;
  ApplyColours();
  chkSubfolder[0]->hide();
  lblNumSubfolders->clear();
  picSubfolders->setFont(ArialFont(11));
  ShowProgress(0);
  setWindowTitle(strCaption);
  picSubfolders->resize(Px(WindowWidth() - 500), Px(WindowHeight() - 1300));
  ArrangeControls();
  vsbScrollBar->hide();
  repaint();
  if (ReadSubfolders()) {
    SortRows();
    TickChosenRows();
    ShowRows();
    ShowSelectionSummary();
    cmdCancel->setFocus();
    blnBusy = false;
  }
  reading_ = false;
}

// False when the window is to stay as it is: the top folder could not be
// counted (the window is then hidden), has no subfolders, or "Cancel" stopped
// the reading.
bool SelectSubfoldersWindow::ReadSubfolders() {
  EnsureTrailingBackslash(strTopFolder);
  const FolderCount count = CountSubfolders(strTopFolder, reader_);
  if (count.count < 0) {
    ShowMessage(this, Q(count.error_text), QMessageBox::Warning,
                QStringLiteral("Select subfolders"));
    hide();
    return false;
  }
  if (count.count == 0) return false;
  std::vector<FolderEntry> entries;
  SystemError error;
  reader_.List(strTopFolder, entries, &error);  // a failure now leaves no rows
  SortNamesForWalk(entries);
  strSubfolderCaption.clear();
  blnSubfolderEmpty.clear();
  dblSubfolderBytes.clear();
  intNumSubfolders = 0;
  for (const FolderEntry& entry : entries) {
    if (entry.kind != PathKind::kFolder) continue;
    if (blnExcludeRecycleBin &&
        UpperCaseLatin(strTopFolder + entry.name).find("$RECYCLE.BIN") != std::string::npos)
      continue;
    StoreRow(entry.name);
    ShowProgress(intNumSubfolders);
    QCoreApplication::processEvents();
    if (blnStopReading) return false;
  }
  return true;
}

void SelectSubfoldersWindow::StoreRow(const std::string& name) {
  const RowReading row = ReadRow(strTopFolder, name, blnOmitTotalFilesize, reader_);
  strSubfolderCaption.push_back(row.caption);
  blnSubfolderEmpty.push_back(row.empty);
  dblSubfolderBytes.push_back(std::max(row.bytes, 0.0));
  ++intNumSubfolders;
}

// By caption, ignoring letter case; each row's data moves with its caption.
void SelectSubfoldersWindow::SortRows() {
  std::vector<std::string> sorted = strSubfolderCaption;
  SortStringsFolded(sorted, 0, intNumSubfolders - 1, true, 1);
  std::map<std::string, std::vector<int>> rows_of_caption;
  for (int row = intNumSubfolders - 1; row >= 0; --row)
    rows_of_caption[strSubfolderCaption[row]].push_back(row);
  std::vector<bool> empty;
  std::vector<double> bytes;
  for (const std::string& caption : sorted) {
    std::vector<int>& rows = rows_of_caption[caption];
    empty.push_back(blnSubfolderEmpty[rows.back()]);
    bytes.push_back(dblSubfolderBytes[rows.back()]);
    rows.pop_back();
  }
  strSubfolderCaption = std::move(sorted);
  blnSubfolderEmpty = std::move(empty);
  dblSubfolderBytes = std::move(bytes);
}

// A row starts ticked when its name was chosen before, unless it could not be
// ticked by hand either (unreadable) or it is empty.
void SelectSubfoldersWindow::TickChosenRows() {
  intSubfolderState.assign(static_cast<std::size_t>(intNumSubfolders), 0);
  if (strFoldersPassedToSelectFoldersForm.empty()) return;
  std::vector<std::string> chosen;
  SplitLines(strFoldersPassedToSelectFoldersForm, chosen, CaseMode::kLower, true);
  for (int row = 0; row < intNumSubfolders; ++row) {
    const std::string name = LowerCaseLatin(RowName(strSubfolderCaption[row]));
    if (std::find(chosen.begin(), chosen.end(), name) != chosen.end() &&
        !FoldedContains(strSubfolderCaption[row], "permission denied") && !blnSubfolderEmpty[row])
      intSubfolderState[row] = 1;
  }
}

}  // namespace qvn::gui
