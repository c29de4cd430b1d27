// Every wave of every wave window runs in a cycle: one period after the
// first tick its particles or lines stand exactly where the first tick put
// them, at no tick in between, and its phase is exactly 0 at the end of
// each period (a full turn of steps wraps it to 0, not to just under 2π).
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "waves/frm_Pwave.h"
#include "waves/frm_Swave.h"
#include "waves/frm_Wave.h"
#include "waves/frm_Wave2.h"

namespace {

struct Frame {
  std::vector<float> places;  // the coordinates this wave moves
  double phase;
};

struct Cycle {
  const char* what;
  int period;  // ticks
  std::function<std::vector<Frame>(int ticks)> run;  // a fresh window's first ticks
};

template <class W, class Places, class Phase>
Cycle cycle(const char* what, int period, Places places, Phase phase) {
  return {what, period, [=](int ticks) {
    ui::Application app;
    W w{app};
    w.load();
    std::vector<Frame> frames;
    for (int t = 0; t < ticks; ++t) {
      w.Timer1.tick();
      frames.push_back({places(w), phase(w)});
    }
    return frames;
  }};
}

template <class Shapes>
std::vector<float> lefts(const Shapes& s, int from, int to) {
  std::vector<float> v;
  for (int i = from; i < to; ++i) v.push_back(s[static_cast<size_t>(i)].left());
  return v;
}

template <class Shapes>
std::vector<float> tops(const Shapes& s, int from, int to) {
  std::vector<float> v;
  for (int i = from; i < to; ++i) v.push_back(s[static_cast<size_t>(i)].top());
  return v;
}

void addPoints(std::vector<float>& v, const ui::Line& l) {
  for (float c : {l.x1(), l.y1(), l.x2(), l.y2()}) v.push_back(c);
}

std::vector<float> pBlock(const waves::frm_Wave2& w) {
  std::vector<float> v;
  for (size_t i = 0; i < 31; ++i) addPoints(v, w.Lz[i]), addPoints(v, w.Ly[i]);
  for (const ui::Line* l : {&w.Lx1, &w.Lx2, &w.Lx3, &w.Lz0, &w.Ly0}) addPoints(v, *l);
  return v;
}

std::vector<float> sBlock(const waves::frm_Wave2& w) {
  std::vector<float> v;
  for (size_t i = 31; i < 62; ++i) addPoints(v, w.Lz[i]), addPoints(v, w.Ly[i]);
  for (size_t j = 0; j < 30; ++j) addPoints(v, w.Lx4[j]), addPoints(v, w.Lx5[j]), addPoints(v, w.Lx6[j]);
  addPoints(v, w.Lz1);
  addPoints(v, w.Ly1);
  return v;
}

TEST(WaveCycles, EachWaveRepeatsExactlyAfterItsPeriodAndNeverSooner) {
  using waves::frm_Pwave, waves::frm_Swave, waves::frm_Wave, waves::frm_Wave2;
  const std::vector<Cycle> cycles = {
      cycle<frm_Pwave>("P wave", 10, [](auto& w) { return lefts(w.Shape2, 0, 31); },
                       [](auto& w) { return w.phase(); }),
      cycle<frm_Swave>("S wave", 40, [](auto& w) { return tops(w.Shape2, 0, 31); },
                       [](auto& w) { return w.phase(); }),
      cycle<frm_Wave>("P row of the comparison", 10, [](auto& w) { return lefts(w.Shape2, 0, 31); },
                      [](auto& w) { return w.phaseP(); }),
      cycle<frm_Wave>("S row of the comparison", 40, [](auto& w) { return tops(w.Shape2, 31, 62); },
                      [](auto& w) { return w.phaseS(); }),
      cycle<frm_Wave2>("P block", 10, pBlock, [](auto& w) { return w.phaseP(); }),
      cycle<frm_Wave2>("S block", 20, sBlock, [](auto& w) { return w.phaseS(); }),
  };
  for (const Cycle& c : cycles) {
    SCOPED_TRACE(c.what);
    const std::vector<Frame> frames = c.run(2 * c.period + 1);
    for (size_t k = 1; k < frames.size(); ++k) {
      const bool periodLater = k % static_cast<size_t>(c.period) == 0;
      EXPECT_EQ(frames[k].places == frames[0].places, periodLater) << "tick " << k + 1;
      const bool periodEnds = (k + 1) % static_cast<size_t>(c.period) == 0;
      EXPECT_EQ(frames[k].phase == 0.0, periodEnds) << "tick " << k + 1 << " phase " << frames[k].phase;
    }
  }
}

}  // namespace
