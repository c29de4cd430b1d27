// The zemlox executable: Qt application, host, and the start routine.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "app/Module1.h"
#include "ui/qt/convert.h"
#include "ui/qt/qt_host.h"

namespace {

bool haveDisplay() {
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* s = std::getenv(v);
    if (s && *s) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!haveDisplay()) {
    std::fputs("zemlox: no display found (DISPLAY is not set). Run it on a desktop, or start a "
               "virtual one: xvfb-run ./run.sh\n", stderr);
    return 2;
  }
  QApplication qapp(argc, argv);
  // Every window shows the program icon; the desktop file name lets docks
  // match the running program to its menu entry.
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128})
    icon.addFile(QStringLiteral(":/assets/icons/zemlox-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(QStringLiteral("jp.zemlox.Zemlox"));
  zemlox::qt::installFonts();
  ui::Application app;
  zemlox::qt::QtHost host(app);
  app.setHost(&host);
  app::Module1 module(app);
  module.Main();
  const int rc = QApplication::exec();
  app.setHost(nullptr);
  return rc;
}
