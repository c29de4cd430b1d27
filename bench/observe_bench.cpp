// The observation run's tick with its raster painting (four filled discs
// and five trace segments) and the host's repaint, early, late and averaged
// over a run, and a whole 410-tick run: compared with the 10 ms between ticks
// at the fastest speed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>

#include "observe/frm_Kansoku.h"
#include "bench/offscreen.h"

namespace {

constexpr int kTicks = 410;

// The window on the offscreen host with its Qt timer held off, so that only
// the ticks the benchmark asks for are drawn.
struct Observation : OffscreenWindow<observe::frm_Kansoku> {
  void setOff() {
    w.Command2_Click();
    w.Timer1.setEnabled(false);
    QApplication::processEvents();
  }
  // Ticks up to run clock S without timing them.
  void advanceTo(int s) {
    while (w.sFront < s) w.Timer1_Timer();
    QApplication::processEvents();
  }
};

// One tick at a fixed point of the run, repeated thousands of times: its time
// stays flat however many ticks were drawn before. Points differ only by how
// much of the views the discs cover.
void BM_TickAt(benchmark::State& state) {
  Observation o;
  const int s = static_cast<int>(state.range(0));
  o.setOff();
  o.advanceTo(s);
  for (auto _ : state) {
    o.w.sFront = s;
    o.w.Timer1_Timer();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_TickAt)->Arg(200)->Arg(4000)->Arg(8000)->Unit(benchmark::kMicrosecond);

// Ticks in run order, starting again after the last.
void BM_TickWithRepaint(benchmark::State& state) {
  Observation o;
  o.setOff();
  for (auto _ : state) {
    if (o.w.sFront > 8180) {
      state.PauseTiming();
      o.setOff();
      state.ResumeTiming();
    }
    o.w.Timer1_Timer();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_TickWithRepaint)->Unit(benchmark::kMicrosecond);

void BM_WholeRunWithRepaint(benchmark::State& state) {
  Observation o;
  for (auto _ : state) {
    o.setOff();
    for (int k = 1; k < kTicks; ++k) {
      o.w.Timer1_Timer();
      QApplication::processEvents();
    }
  }
}
BENCHMARK(BM_WholeRunWithRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runBenchmarks(argc, argv,
                       "compare: a tick with its repaint against the 10 ms between ticks at \"速\"; a whole\n"
                       "run against the 4.1 s its 410 ticks take at \"速\"");
}
