// Starts the program exactly as zemlox does and reports its first paint.
#include "app/Module1.h"
#include "bench/probes/first_paint.h"
#include "ui/qt/convert.h"
#include "ui/qt/qt_host.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  FirstPaint probe;
  qapp.installEventFilter(&probe);
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
