#pragma once
// The Repair window as its presenter sees it: a list of proposed repairs
// with a tick box each, a preview of the selected one, a status line, and
// the Apply and Undo last repair buttons. Texts are UTF-8. Proposing,
// applying and undoing run on a worker (see WindowThread).

#include <string>
#include <vector>

#include "core/app/view_types.h"

namespace qvn::app {

/// One line of the list.
struct RepairRow {
  std::string text;
  bool can_tick = false;  ///< only a repair with one candidate that can be written
  bool ticked = false;
};

class RepairView : public WindowThread {
 public:
  /// Replaces the list's lines.
  virtual void ShowRows(const std::vector<RepairRow>& rows) = 0;
  /// The selected line's change, or why it cannot be made.
  virtual void ShowPreview(const std::string& text) = 0;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void EnableApply(bool enabled) = 0;
  virtual void EnableUndo(bool enabled) = 0;
  /// The rule boxes and the list; off while work runs.
  virtual void EnableChoices(bool enabled) = 0;
};

}  // namespace qvn::app
