#pragma once
// Window geometry is designed in twips (1/1440 inch, 15 per pixel at 96 dots
// per inch); these helpers turn it into pixels for the screen in use, and
// give the program's fonts and colours.

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QRect>
#include <QString>

class QWidget;

namespace qvn::gui {

/// Pixels for a length in twips, scaled with the screen's logical DPI.
int Px(int twips);
/// Twips for a length in pixels.
int Twips(int pixels);
/// A rectangle given in twips, in pixels.
QRect TwipsRect(int left, int top, int width, int height);

/// Tahoma, or a similar sans-serif face where Tahoma is missing.
QFont TahomaFont(double points = 9.75, bool bold = false);
/// Arial, or a similar sans-serif face where Arial is missing.
QFont ArialFont(double points = 9.75);

/// The main window's back colour (red 208, green 208, blue 240).
inline QColor WindowBackColour() { return QColor(208, 208, 240); }
/// The dark blue of links and notices.
inline QColor DarkBlue() { return QColor(0, 0, 192); }
/// The light yellow behind the subfolder window.
inline QColor LightYellow() { return QColor(255, 255, 192); }

/// Gives a widget a solid background colour.
void SetBackColour(QWidget* widget, const QColor& colour);

/// A modal message box; returns the button pressed. Its object name is
/// "messageBox" so tests can find and answer it.
QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon, const QString& title,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton default_button =
                                            QMessageBox::NoButton);

/// QString from our UTF-8 texts, and back (raw bytes of odd file names survive
/// as their own code points only for display).
inline QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string U(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace qvn::gui
