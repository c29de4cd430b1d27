// What every benchmark of a window shares: the window shown on the Qt host
// under the offscreen platform, and a main() that sets that platform up,
// runs the benchmarks and prints what their figures are compared with.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>

#include "ui/qt/convert.h"
#include "ui/qt/qt_host.h"

template <class W>
struct OffscreenWindow {
  ui::Application app;
  zemlox::qt::QtHost host{app};
  W w{app};
  OffscreenWindow() {
    app.setHost(&host);
    w.show();
    QApplication::processEvents();
  }
  ~OffscreenWindow() {
    w.unload();
    app.setHost(nullptr);
  }
  zemlox::qt::FormWidget* widget() { return host.widget(w); }
};

// Runs the registered benchmarks; `before` registers more once Qt is up.
template <class Before>
int runBenchmarks(int argc, char** argv, const char* comparison, Before before) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zemlox::qt::installFonts();
  before();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("%s\n", comparison);
  benchmark::Shutdown();
  return 0;
}

inline int runBenchmarks(int argc, char** argv, const char* comparison) {
  return runBenchmarks(argc, argv, comparison, [] {});
}
