// quorvane: the desktop program.

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstring>
#include <iostream>
#include <new>

#include "gui/main_window.h"
#include "qvn_version.h"

int main(int argc, char** argv) {
  // Answered before Qt starts, so it needs no display.
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "quorvane " QVN_BUILD_VERSION " (commit " QVN_BUILD_COMMIT ")\n";
      return 0;
    }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quorvane");
  QApplication::setApplicationVersion(QVN_BUILD_VERSION);
  // Ties the windows to the installed desktop entry (its icon on Wayland).
  QGuiApplication::setDesktopFileName("org.quorvane.Quorvane");
  QIcon icon;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/quorvane.png").arg(size));
  QApplication::setWindowIcon(icon);
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
