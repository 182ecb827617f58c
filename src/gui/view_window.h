#pragma once
// The viewer of the program's text files (reports, file list) and of its
// help text: a read-only text box with "Copy to clipboard" and "Close".
// Two exist, so the two reports can lie side by side. A viewer is never
// modal; it is opened on a file by one call, with the text to show (what
// is shown, and where, is decided by the main window's presenter).

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace qvn::gui {

class ViewWindow : public QWidget {
  Q_OBJECT

 public:
  /// A hidden top-level viewer named object_name ("frmView" or "frmView2").
  explicit ViewWindow(const QString& object_name, QWidget* parent = nullptr);

  /// Opens the viewer afresh on the file at path: caption, the text to show
  /// (lines ended by CR LF), place (outer left and top, inner size) and the
  /// copy button shown or not; shown, raised and activated.
  void ShowFile(const QString& path, const QString& caption, const QString& text,
                const QRect& place, bool copy_button);

  /// The file shown.
  const QString& path() const { return path_; }
  /// The text put into the box, with the file's line ends (the box shows
  /// each CR LF as one line break). "Copy to clipboard" copies this when
  /// nothing is selected; a selection is copied as the matching part of it.
  const QString& BoxText() const { return box_text_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void copyClicked();
  void selectionMayHaveChanged();

 private:
  void CreateControls();
  void LayOut();
  void SetBoxText(const QString& text);
  void SetCopyCaption(bool selection);
  QString SelectedText() const;
  qsizetype BoxTextIndex(int position) const;

  QPlainTextEdit* textBox_;
  QPushButton* copyButton_;
  QPushButton* closeButton_;
  QString path_;
  QString box_text_;
};

}  // namespace qvn::gui
