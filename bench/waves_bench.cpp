// One tick of each wave window, printed beside the P-wave's: the tick alone,
// the tick with the host's repaint of what changed (as on every timer tick),
// and the tick with a full render of the window into an offscreen image.
// "%interval" is the tick's wall-clock share of its window's timer interval.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>

#include "bench/offscreen.h"
#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

enum class Mode { Tick, Repaint, FullRender };

template <class W>
struct Lesson : OffscreenWindow<W> {
  QImage image{this->widget()->size(), QImage::Format_ARGB32_Premultiplied};
};

template <class W>
void tick(benchmark::State& state, Mode mode) {
  Lesson<W> l;
  zemlox::qt::FormWidget* widget = l.widget();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    l.w.Timer1.tick();
    if (mode == Mode::Repaint) QApplication::processEvents();
    if (mode == Mode::FullRender) {
      QPainter p(&l.image);
      widget->render(&p);
    }
  }
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  state.counters["%interval"] =
      100 * spent.count() / static_cast<double>(state.iterations()) / l.w.Timer1.interval();
}

template <class W>
void add(const char* name, Mode mode, const char* suffix) {
  benchmark::RegisterBenchmark((std::string(name) + suffix).c_str(), tick<W>, mode)
      ->Unit(benchmark::kMicrosecond);
}

template <class W>
void addAll(const char* name) {
  add<W>(name, Mode::Tick, "/tick");
  add<W>(name, Mode::Repaint, "/tick+repaint");
  add<W>(name, Mode::FullRender, "/tick+full_render");
}

}  // namespace

int main(int argc, char** argv) {
  return runBenchmarks(
      argc, argv,
      "compare each window's rows with Pwave's; the P-wave's target is a tick with its repaint\n"
      "under 200 us. Wave2 ticks every 12 ms (host floor 10 ms), the others every 50 ms.",
      [] {
        addAll<waves::frm_Pwave>("Pwave");
        addAll<waves::frm_Swave>("Swave");
        addAll<waves::frm_Wave>("Wave");
        addAll<waves::frm_Wave2>("Wave2");
      });
}
