// Runs the program's windows on Qt: the application object with the
// program's icon and fonts, the host, and the event loop. `start` shows the
// first window and returns what must live as long as the loop runs.
#pragma once

#include <QApplication>

#include "ui/application.h"
#include "ui/qt/qt_host.h"

namespace zemlox::qt {

// Window icon, desktop file name, font substitutions, and no per-user
// settings file for Qt's own dialogs.
void setUpApplication();

template <class Start>
int runProgram(int argc, char** argv, Start start, QObject* eventFilter = nullptr) {
  QApplication qapp(argc, argv);
  if (eventFilter) qapp.installEventFilter(eventFilter);
  setUpApplication();
  ui::Application app;
  QtHost host(app);
  app.setHost(&host);
  int rc = 0;
  {
    auto keep = start(app);
    rc = QApplication::exec();
  }
  app.setHost(nullptr);
  return rc;
}

}  // namespace zemlox::qt
