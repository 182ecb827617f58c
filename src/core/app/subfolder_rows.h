#pragma once
// The rows of the subfolder selection window: one per subfolder of the top
// folder, its caption telling what the subfolder holds ('news {3 files and
// 1 subfolder, 2.5 Kb}'), read from the disk, sorted, ticked and summed up.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/site/folder_stats.h"

namespace qvn::app {

struct SubfolderRow {
  std::string caption;
  bool empty = false;  ///< holds nothing (or cannot be read)
  double bytes = 0;    ///< its files' size, when sizes are gathered
  bool ticked = false;
};

/// What reading the top folder's subfolders gave.
struct SubfolderReading {
  bool failed = false;  ///< the top folder's subfolders could not be counted
  std::string error;    ///< the platform's reason then
  bool none = false;    ///< the top folder has no subfolders
  bool stopped = false;
  std::vector<SubfolderRow> rows;  ///< in the walk's name order
};

/// Reads a row for each subfolder of top (given one trailing separator;
/// "$RECYCLE.BIN" folders left out), with sizes unless omit_sizes. After
/// each row, after_row(rows read) says whether to go on.
SubfolderReading ReadSubfolderRows(std::string top, bool omit_sizes, const FolderReader& reader,
                                   const std::function<bool(int)>& after_row);

/// The subfolder name of a caption: its part before the last "{", without
/// spaces at either end.
std::string RowName(std::string_view caption);

/// The caption as shown. A caption of 84 characters or more that holds "{"
/// becomes its first 84 - t characters, " ... " and its part from the first
/// "{" on, whose length is t; any other caption is shown whole.
std::string FitSubfolderCaption(std::string_view caption);

/// Sorts rows by caption, letter case ignored; equal captions keep their order.
void SortSubfolderRows(std::vector<SubfolderRow>& rows);

/// False for a row that cannot be read or holds nothing.
bool CanBeTicked(const SubfolderRow& row);

/// Ticks the rows whose names are among chosen (letter case ignored),
/// unless they are empty or cannot be read.
void TickChosenRows(std::vector<SubfolderRow>& rows, const std::vector<std::string>& chosen);

/// The summary of the ticked rows ("3 selected (of 20)."); when the
/// window's caption holds "included", a second line gives their bytes.
std::string SelectionSummary(const std::vector<SubfolderRow>& rows, std::string_view caption);

}  // namespace qvn::app
