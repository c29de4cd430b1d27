// One P-wave tick with and without the host's repaint into an offscreen
// image: the figure every other lesson's tick is compared with.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "ui/qt/convert.h"
#include "ui/qt/qt_host.h"
#include "waves/frm_Pwave.h"

namespace {

struct Lesson {
  ui::Application app;
  zemlox::qt::QtHost host{app};
  waves::frm_Pwave w{app};
  QImage image;
  Lesson() {
    app.setHost(&host);
    w.show();
    QWidget* widget = host.widget(w);
    image = QImage(widget->size(), QImage::Format_ARGB32_Premultiplied);
  }
  ~Lesson() {
    w.unload();
    app.setHost(nullptr);
  }
  void repaint() {
    QPainter p(&image);
    host.widget(w)->render(&p);
  }
};

void BM_PwaveTick(benchmark::State& state) {
  Lesson l;
  for (auto _ : state) l.w.Timer1.tick();
}
BENCHMARK(BM_PwaveTick);

// What the program does on every timer tick: the tick, then Qt repaints the
// areas the particles left and entered into the window's backing store.
void BM_PwaveTickWithRepaint(benchmark::State& state) {
  Lesson l;
  QApplication::processEvents();
  for (auto _ : state) {
    l.w.Timer1.tick();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_PwaveTickWithRepaint)->Unit(benchmark::kMicrosecond);

// For comparison: painting the whole window, controls and text included.
void BM_PwaveTickWithFullRender(benchmark::State& state) {
  Lesson l;
  for (auto _ : state) {
    l.w.Timer1.tick();
    l.repaint();
  }
}
BENCHMARK(BM_PwaveTickWithFullRender)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zemlox::qt::installFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("target: one P-wave tick with its repaint under 200 us\n");
  benchmark::Shutdown();
  return 0;
}
