// quorvane: the desktop program.

#include <QApplication>
#include <QIcon>
#include <cstring>
#include <iostream>

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
  qvn::gui::MainWindow window;
  if (!window.Form_Load()) return 1;
  return QApplication::exec();
}
