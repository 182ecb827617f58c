#pragma once
// frmSelectSubfolders: a modal window in which the user ticks some of the
// subfolders lying directly in a top folder. Each subfolder is one row, a
// check box whose caption gives its name and what it holds; a label sums up
// the selection, and a scroll bar pages the rows when there are more than fit.
//
// The caller sets the public variables (and the window's place and size),
// shows the window modally, and reads the answer from
// blnFolderSelectionAccepted, strFoldersReturnedFromSelectFoldersForm and
// blnSomeSubfolderHasSubfolders. The disk is read afresh each time the
// window is shown.

#include <QColor>
#include <QDialog>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace qvn {
class FolderReader;
}

namespace qvn::gui {

class SelectSubfoldersWindow : public QDialog {
  Q_OBJECT

 public:
  /// A hidden window (object name "frmSelectSubfolders") of the designed
  /// size. reader lists the folders (nullptr: the disk); it must outlive the
  /// window.
  explicit SelectSubfoldersWindow(QWidget* parent = nullptr, const FolderReader* reader = nullptr);

  /// Folder whose direct subfolders are listed (UTF-8); given exactly one
  /// trailing separator when the window is shown.
  std::string strTopFolder;
  /// The window's title while shown. When it contains "included" (any letter
  /// case) the summary adds a second line with the bytes selected.
  QString strCaption = QStringLiteral("Select subfolders");
  /// Names chosen before, one per CR LF line; rows with these names (any
  /// letter case) start ticked unless they are empty or unreadable.
  std::string strFoldersPassedToSelectFoldersForm;
  /// After "Accept": the ticked names in list order, each followed by CR LF.
  std::string strFoldersReturnedFromSelectFoldersForm;
  /// True after "Accept", false after "Cancel"; left as the caller set it
  /// when the window is closed otherwise.
  bool blnFolderSelectionAccepted = false;
  /// After "Accept": true when a ticked subfolder has subfolders of its own.
  bool blnSomeSubfolderHasSubfolders = false;
  /// Leaves out subfolders whose upper-cased path contains "$RECYCLE.BIN".
  bool blnExcludeRecycleBin = true;
  /// True: no byte sizes are gathered or shown.
  bool blnOmitTotalFilesize = false;
  /// Set by the summary when a ticked row's size is a lower bound ("over").
  bool blnOver = false;
  /// Bytes of the ticked rows, as of the last summary.
  double dblTotalBytesSelected = 0;
  /// Rows visible at once.
  int intMaxNumCheckboxes = 13;
  /// Colour behind the window and the summary; an invalid colour (the
  /// default) gives light yellow with black summary text.
  QColor lngBackColor;
  /// Summary text colour when lngBackColor is valid.
  QColor lngLabelForeColor = Qt::black;

  /// Places the window: outer left, top, width and height in twips, for a
  /// frame of classic size (the layout allows for that frame on every desktop).
  void SetOuterGeometry(int left, int top, int width, int height);

  /// The row caption as shown. A caption of 84 characters or more that holds
  /// "{" becomes its first 84 - t characters, " ... " and its part from the
  /// first "{" on, whose length is t; any other caption is shown whole.
  static std::string FitSubfolderCaption(std::string_view caption);

  /// True while the disk is read (and when it found no subfolders): only
  /// "Cancel" acts then.
  bool IsBusy() const { return blnBusy; }
  /// Rows in the list.
  int NumSubfolders() const { return intNumSubfolders; }

  QPushButton* cmdAccept;
  QPushButton* cmdCancel;
  /// Index 1 "Select all", index 0 "Deselect all" (object names
  /// "cmdSelectDeselectAllSubfolders_1" and "..._0").
  QPushButton* cmdSelectDeselectAllSubfolders[2];
  QLabel* picSubfolders;  ///< holds the rows; shows the progress text
  QScrollBar* vsbScrollBar;
  QLabel* lblNumSubfolders;
  /// The visible rows; element 0 always exists, the others while rows show.
  std::vector<QCheckBox*> chkSubfolder;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  /// Escape leaves as "Cancel" does.
  void reject() override;

 private:
  // Window and buttons (select_subfolders_window.cpp).
  void CreateControls();
  void CreateButtons();
  void Form_Activate();
  void Form_Resize();
  void ApplyColours();
  void ArrangeControls();
  int WindowWidth() const;
  int WindowHeight() const;
  void SetWindowHeight(int twips);
  void ShowProgress(int dots);
  void cmdAccept_Click();
  void cmdCancel_Click();
  void UnloadSubfolderRows();

  // Reading the disk (select_subfolders_window_reading.cpp).
  /// The subfolder name of a row: its caption before the last "{", without
  /// spaces at either end.
  static std::string RowName(std::string_view caption);
  bool ReadSubfolders();
  void StoreRow(const std::string& name);
  void SortRows();
  void TickChosenRows();

  // Rows and summary (select_subfolders_window_rows.cpp).
  void ShowRows();
  void PlaceScrollBar();
  void CreateSubfolderRows();
  void ShowVisibleRows();
  void vsbScrollBar_Change();
  void chkSubfolder_Click(int index);
  void cmdSelectDeselectAllSubfolders_Click(int index);
  int CountTickedSubfolders() const;
  void ShowSelectionSummary();
  bool CanBeTicked(int row) const;

  const FolderReader& reader_;
  bool reading_ = false;

  bool blnBusy = true;
  bool blnStopReading = false;
  int intNumSubfolders = 0;
  int intNumVisibleRows = 0;
  int intFirstVisibleRow = 0;
  int intLastVisibleRow = -1;
  std::string strNumSubfoldersFormatted;
  // One element per row, kept in step.
  std::vector<std::string> strSubfolderCaption;
  std::vector<bool> blnSubfolderEmpty;
  std::vector<int> intSubfolderState;
  std::vector<double> dblSubfolderBytes;
};

}  // namespace qvn::gui
