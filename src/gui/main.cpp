// quorvane: the desktop program.

#include <QApplication>
#include <QMessageBox>
#include <new>

#include "gui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quorvane");
  try {
    qvn::gui::MainWindow window;
    if (!window.Start()) return 1;
    return QApplication::exec();
  } catch (const std::bad_alloc&) {
    // The window is gone by now, which frees what it held for the message.
    QMessageBox::critical(nullptr, QStringLiteral("Quorvane"),
                          QStringLiteral("Quorvane ran out of memory and must close."));
    return 2;
  }
}
