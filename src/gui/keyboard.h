#pragma once
// Keyboard use shared by the windows that are not dialogs: Enter presses
// the focused button, Escape closes the window.

class QWidget;

namespace qvn::gui {

/// Enter and Return press whichever of window's buttons has the focus (Qt
/// does so by itself only in dialogs).
void PressFocusedButtonOnEnter(QWidget* window);

/// Escape hides window, as its Close button does.
void CloseOnEscape(QWidget* window);

}  // namespace qvn::gui
