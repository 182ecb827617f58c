// The subfolder selection window: passing the user's actions to its
// presenter, and showing what the presenter says.

#include "win/select_subfolders_window.h"

#include <commctrl.h>

#include "win/win_list.h"

namespace qvn::win {
namespace {

// Tasks from the worker that reads the disk.
constexpr UINT kTasksMessage = WM_APP + 7;

}  // namespace

std::optional<std::vector<std::string>> ChooseSubfoldersWindow(
    HWND owner, const app::SubfolderRequest& request) {
  SelectSubfoldersWindow window(owner, request);
  RunModal(window, owner);
  if (!window.presenter().accepted()) return std::nullopt;
  return window.presenter().chosen();
}

SelectSubfoldersWindow::SelectSubfoldersWindow(HWND owner, const app::SubfolderRequest& request,
                                               const FolderReader* reader)
    : presenter_(*this, request, reader != nullptr ? *reader : DiskFolderReader()) {
  show_message = [this](const app::Message& message) {
    ShowMessageBox(Handle(), message.text, message.title, MB_OK | MessageBoxIcon(message.icon));
  };
  CreateControls(owner, request.caption);
  tasks_ = std::make_unique<WindowTasks>(Handle(), kTasksMessage);
  if (request.place.width > 0 && request.place.height > 0) {
    const RECT frame = PixelRect(request.place, DpiOf(Handle()));
    SetWindowPos(Handle(), nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

SelectSubfoldersWindow::~SelectSubfoldersWindow() {
  presenter_.StopReading();
  tasks_->WaitForAll();
  RemoveWindowSubclass(list_, &SelectSubfoldersWindow::ListProcedure, 1);
}

LRESULT SelectSubfoldersWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case kTasksMessage:
      tasks_->RunPosted();
      return 0;
    case WM_SHOWWINDOW:
      // Shown by a call, not restored with its owner: the disk is read afresh.
      if (wparam != FALSE && lparam == 0) presenter_.Shown();
      break;
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        Command(LOWORD(wparam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->hwndFrom == list_ && header->code == LVN_ITEMCHANGED)
        RowChanged(*reinterpret_cast<const NMLISTVIEW*>(lparam));
      break;
    }
    case WM_SIZE:
      FollowWidth();
      break;
    case WM_CLOSE:
      // The close box: the presenter says how to leave, then the window goes.
      if (IsWindowVisible(Handle())) presenter_.CloseAsked();
      return 0;
    default:
      break;
  }
  return Window::OnMessage(message, wparam, lparam);
}

void SelectSubfoldersWindow::Command(int id) {
  switch (id) {
    case IDOK:
      presenter_.Accept();
      break;
    case IDCANCEL:  // also Escape
      presenter_.Cancel();
      break;
    default:
      if (HWND button = GetDlgItem(Handle(), id); button == select_all_ || button == deselect_all_)
        presenter_.SelectAll(button == select_all_);
      break;
  }
}

void SelectSubfoldersWindow::RowChanged(const NMLISTVIEW& change) {
  if (filling_ || !IsCheckChange(change)) return;
  presenter_.RowClicked(change.iItem - first_row_, IsTicked(change));
  // A tick the presenter did not take (a row it cannot tick, or not shown) goes.
  const auto& rows = presenter_.rows();
  if (change.iItem < static_cast<int>(rows.size()) &&
      rows[static_cast<std::size_t>(change.iItem)].ticked != IsTicked(change)) {
    filling_ = true;
    SetListItemChecked(list_, change.iItem, !IsTicked(change));
    filling_ = false;
  }
}

// The list scrolls itself (bar, wheel, keys); the presenter learns its top row.
LRESULT CALLBACK SelectSubfoldersWindow::ListProcedure(HWND list, UINT message, WPARAM wparam,
                                                       LPARAM lparam, UINT_PTR, DWORD_PTR self) {
  const LRESULT result = DefSubclassProc(list, message, wparam, lparam);
  reinterpret_cast<SelectSubfoldersWindow*>(self)->FollowScrolling();
  return result;
}

void SelectSubfoldersWindow::FollowScrolling() {
  if (!laid_out_ || filling_) return;
  const int top = static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
  if (top == first_row_) return;
  first_row_ = top;
  presenter_.Scrolled(top);
}

void SelectSubfoldersWindow::SetTitle(const std::string& title) {
  SetWindowTextW(Handle(), Wide(title).c_str());
}

void SelectSubfoldersWindow::ShowReading(const std::string& text) {
  if (!reading_) {
    // The rows go until the disk is read again.
    reading_ = true;
    laid_out_ = false;
    filling_ = true;
    ShowWindow(list_, SW_HIDE);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    filling_ = false;
    rows_area_.width = WindowWidth() - 500;
    rows_area_.height = WindowHeight() - 1300;
    ArrangeControls();
    ShowWindow(reading_box_, SW_SHOW);
  }
  SetTextOf(reading_box_, text);
  UpdateWindow(reading_box_);
}

// The rows shown are those from the list's top row down.
void SelectSubfoldersWindow::ShowRows(const std::vector<app::ShownRow>& rows) {
  filling_ = true;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int item = first_row_ + static_cast<int>(i);
    if (ListItemText(list_, item, 0) != rows[i].caption)
      SetListItemText(list_, item, 0, rows[i].caption);
    if (IsListItemChecked(list_, item) != rows[i].ticked)
      SetListItemChecked(list_, item, rows[i].ticked);
  }
  filling_ = false;
}

void SelectSubfoldersWindow::SetSummary(const std::string& text) { SetTextOf(summary_, text); }

void SelectSubfoldersWindow::FocusAccept() {
  // Keys that move through the list scroll it too; they keep the focus there.
  if (GetFocus() != list_) SetFocus(accept_);
}

void SelectSubfoldersWindow::FocusCancel() { SetFocus(cancel_); }

void SelectSubfoldersWindow::ShowMessage(const app::Message& message) { show_message(message); }

void SelectSubfoldersWindow::Close() {
  EndModal(presenter_.accepted() ? IDOK : IDCANCEL);
  ShowWindow(Handle(), SW_HIDE);
}

void SelectSubfoldersWindow::RunInBackground(std::function<void()> work,
                                             std::function<void()> done) {
  tasks_->Run(std::move(work), std::move(done));
}

void SelectSubfoldersWindow::PostToWindow(std::function<void()> task) {
  tasks_->Post(std::move(task));
}

}  // namespace qvn::win
