#include "gui/twips.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace qvn::gui {
namespace {

double PixelsPerTwip() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
  return (dpi > 0 ? dpi : 96.0) / 1440.0;
}

QFont Face(const QStringList& families, double points, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

int Px(int twips) { return static_cast<int>(std::lround(twips * PixelsPerTwip())); }

int Twips(int pixels) { return static_cast<int>(std::lround(pixels / PixelsPerTwip())); }

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

QFont TahomaFont(double points, bool bold) {
  // Liberation Sans has Arial's widths; DejaVu Sans is wider and would cut captions.
  return Face({"Tahoma", "Liberation Sans", "Arial", "DejaVu Sans Condensed", "DejaVu Sans"}, points,
              bold);
}

QFont ArialFont(double points) {
  return Face({"Arial", "Liberation Sans", "Helvetica", "DejaVu Sans Condensed", "DejaVu Sans"},
              points, false);
}

void SetBackColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  // Buttons (check boxes among them) fill with their own role unless told.
  widget->setBackgroundRole(QPalette::Window);
  widget->setAutoFillBackground(true);
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon, const QString& title,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton default_button) {
  QMessageBox box(icon, title, text, buttons, parent);
  box.setObjectName("messageBox");
  if (default_button != QMessageBox::NoButton) box.setDefaultButton(default_button);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace qvn::gui
