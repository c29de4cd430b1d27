// The seismograph record's tick, alone and with the host's repaint of the
// segment it drew, and a whole record of 514 ticks: compared with the 10 ms
// the program leaves between two ticks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>

#include "record/frm_Kiroku.h"
#include "ui/qt/convert.h"
#include "ui/qt/qt_host.h"

namespace {

constexpr int kTicks = 514;
constexpr std::int16_t kFinalTravel = 10280;

// The window on the offscreen host. Its Qt timer is held off so that only
// the ticks the benchmark asks for are drawn.
struct Record {
  ui::Application app;
  zemlox::qt::QtHost host{app};
  record::frm_Kiroku w{app};
  Record() {
    app.setHost(&host);
    w.show();
    w.Timer1.setEnabled(false);
    QApplication::processEvents();
  }
  ~Record() {
    w.unload();
    app.setHost(nullptr);
  }
  void restartIfComplete(benchmark::State& state) {
    if (w.penTravel() < kFinalTravel) return;
    state.PauseTiming();
    w.Command2_Click();
    w.Timer1.setEnabled(false);
    QApplication::processEvents();
    state.ResumeTiming();
  }
};

void BM_RecordTick(benchmark::State& state) {
  Record r;
  for (auto _ : state) {
    r.restartIfComplete(state);
    r.w.Timer1_Timer();
  }
}
BENCHMARK(BM_RecordTick)->Unit(benchmark::kMicrosecond);

// What the program does every 10 ms: one segment into the raster layer, then
// Qt repaints the small area around it into the window's backing store.
void BM_RecordTickWithRepaint(benchmark::State& state) {
  Record r;
  for (auto _ : state) {
    r.restartIfComplete(state);
    r.w.Timer1_Timer();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_RecordTickWithRepaint)->Unit(benchmark::kMicrosecond);

// A whole record from "もう一度" to the last segment, each tick repainted.
void BM_WholeRecordWithRepaint(benchmark::State& state) {
  Record r;
  for (auto _ : state) {
    r.w.Command2_Click();
    r.w.Timer1.setEnabled(false);
    QApplication::processEvents();
    for (int k = 1; k < kTicks; ++k) {
      r.w.Timer1_Timer();
      QApplication::processEvents();
    }
  }
}
BENCHMARK(BM_WholeRecordWithRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zemlox::qt::installFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("compare: a tick with its repaint against the 10 ms between ticks (the program's\n"
              "fastest timer); a whole record against the 5.14 s its 514 ticks take at that pace\n");
  benchmark::Shutdown();
  return 0;
}
