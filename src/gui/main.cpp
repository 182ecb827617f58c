// quorvane: the desktop program.

#include <QApplication>

#include "gui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quorvane");
  qvn::gui::MainWindow window;
  if (!window.Start()) return 1;
  return QApplication::exec();
}
