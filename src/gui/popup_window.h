#pragma once
// A short notice in a small borderless window that goes away by itself after
// a set time, or at once when the user clicks its text. It is modal: the
// calls return only when the notice has gone.

#include <QDialog>
#include <QString>

class QLabel;
class QTimer;

namespace qvn::gui {

class PopupWindow : public QDialog {
  Q_OBJECT

 public:
  /// A hidden notice window (object name "frmPopUp"), kept for every notice.
  explicit PopupWindow(QWidget* parent = nullptr);

  /// Shows message in a window of width_twips × height_twips whose top-left
  /// corner is at (left_twips, top_twips) on the screen, even outside it.
  /// Returns when interval_ms have passed or a mouse button was released
  /// over the text; with interval_ms <= 0 only the click ends it.
  void PopUp(const QString& message, int width_twips, int height_twips, int interval_ms,
             int top_twips, int left_twips);

  /// PopUp centred on the primary screen.
  void PopUpCenterScreen(const QString& message, int width_twips, int height_twips,
                         int interval_ms);

  /// PopUp at (left_twips, top_twips) from form's outer top-left corner. The
  /// text keeps its earlier height; only its width follows width_twips.
  void PopUpInForm(QWidget* form, const QString& message, int width_twips, int height_twips,
                   int interval_ms, int top_twips, int left_twips);

  QLabel* lblMessage;
  QTimer* Timer1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// Escape ends the notice as a click does.
  void reject() override;

 private:
  void Show(int interval_ms);
  void lblMessage_MouseUp();
  void Timer1_Timer();
  void CloseNotice();
};

}  // namespace qvn::gui
