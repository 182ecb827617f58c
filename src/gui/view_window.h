#pragma once
// The viewer of the program's text files (reports, file list) and its help
// text: a read-only text box with "Copy to clipboard" and "Close". Two of them
// exist, so the two reports can lie side by side. A viewer is never modal; an
// opener sets its public members and shows it, and the viewer reads the file
// itself once it is on screen: show() returns with the file read (or its
// failure reported and the window hidden again).

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace qvn {
class Catalogue;
}

namespace qvn::gui {

class ViewWindow : public QWidget {
  Q_OBJECT

 public:
  /// A hidden top-level viewer named object_name ("frmView" or "frmView2").
  /// catalogue gives the texts of its messages and must outlive it.
  ViewWindow(const QString& object_name, const Catalogue& catalogue, QWidget* parent = nullptr);

  /// Full path of the file to show; set before showing.
  QString strFilename;
  /// True once strFilename was read for the current opening. An opener sets it
  /// false; the file is then read when the window is next shown or activated.
  bool blnFileDisplayed = false;
  /// True hides the copy button (for the help text).
  bool blnCopyToClipboardInvisible = false;

  /// Font size of the text box, in points.
  void SetTextFontSize(double points);

  /// The text put into the box, with the file's line ends (the box shows each
  /// CR LF as one line break). "Copy to clipboard" copies this when nothing
  /// is selected; a selection is copied as the matching part of it.
  const QString& BoxText() const { return box_text_; }

  QPlainTextEdit* txbText1;
  QPushButton* cmdCopyToClipboard;
  QPushButton* cmdClose;

  /// Showing (and activating) reads strFilename unless blnFileDisplayed.
  void setVisible(bool visible) override;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Activate();
  void Form_Resize();
  void txbText1_MouseUp();
  void cmdCopyToClipboard_Click();
  void cmdClose_Click();
  void Form_Unload();

  void CreateControls();
  void PrepareForFile();
  void LoadFile();
  void SetBoxText(const QString& text);
  void SetCopyCaption(bool selection);
  QString SelectedText() const;
  qsizetype BoxTextIndex(int position) const;

  const Catalogue& catalogue_;
  QString box_text_;
  bool loading_ = false;
};

}  // namespace qvn::gui
