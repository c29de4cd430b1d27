// The program's clock: a timer keeps its pace when frames come late or
// jittery, does not race after a long stall, stands still while the program
// is hidden, and every loaded window's timers tick from the one frame(now),
// whatever a tick does to its own or another window.
#include <gtest/gtest.h>

#include "tests/ui/asking_host.h"
#include "ui/clock.h"
#include "ui/form.h"

namespace {

using ui::Pace;

TEST(Pace, SteadyOrJitteryFramesTickOnceEach) {
  Pace p(12, 1000);
  int ticks = 0;
  for (int k = 1; k <= 100; ++k) {
    const int n = p.due(1000 + 12.0 * k + (k % 2 ? 5 : -5));  // up to 5 ms early or late
    EXPECT_EQ(n, 1) << "frame " << k;
    ticks += n;
  }
  EXPECT_EQ(ticks, 100);
}

TEST(Pace, LateFramesMakeUpTheMissedTicksSoTheRateHolds) {
  // A slow machine calling every 20 ms for a 10 ms timer: two ticks a frame.
  Pace p(10, 0);
  int ticks = 0;
  for (int k = 1; k <= 50; ++k) ticks += p.due(20.0 * k);
  EXPECT_EQ(ticks, 100);
  Pace q(20, 0);
  ticks = 0;
  for (double t : {25.0, 70.0, 75.0, 130.0, 200.0}) ticks += q.due(t);
  EXPECT_EQ(ticks, 10);
}

TEST(Pace, AfterALongStallAFewTicksThenSteadyAgain) {
  Pace p(10, 0);
  EXPECT_EQ(p.due(10), 1);
  EXPECT_EQ(p.due(5000), Pace::kMaxCatchUp);
  EXPECT_EQ(p.due(5010), 1);
  EXPECT_EQ(p.due(5020), 1);
  EXPECT_EQ(p.due(5021), 0);  // early, before the next tick is due
  EXPECT_EQ(p.next(), 5030);
}

class Ticking : public ui::Form {
 public:
  explicit Ticking(ui::Application& app, int ms) : ui::Form(app, {"ticking", 3000, 2000}), ms_(ms) {}
  ui::Timer timer, other;
  int ticks = 0, otherTicks = 0;
  std::function<void()> onTick;

 protected:
  void design() override {
    addTimer(timer, "timer", ms_, true).onTimer = [this] {
      ++ticks;
      if (onTick) onTick();
    };
    addTimer(other, "other", 30, false).onTimer = [this] { ++otherTicks; };
  }

 private:
  int ms_;
};

TEST(Clock, EveryLoadedWindowTicksAtItsPaceAndTheNextFrameIsNamed) {
  ui::Application app;
  AskingHost host;
  app.setHost(&host);
  Ticking a(app, 100), b(app, 4);  // 4 ms runs at the 10 ms floor
  a.show();
  b.show();
  EXPECT_GE(host.asked, 1);
  ui::Clock& c = app.clock();
  EXPECT_EQ(c.run(0), 10);  // both start counting; b is due first
  EXPECT_EQ(c.run(10), 20);
  // b is 9 ticks behind: it makes up the most a frame may and counts afresh.
  EXPECT_EQ(c.run(100), 110);
  EXPECT_EQ(a.ticks, 1);
  EXPECT_EQ(b.ticks, 1 + Pace::kMaxCatchUp);
  // A timer started in a handler wakes the host and counts from the next frame.
  b.unload();
  const int before = host.asked;
  a.other.setEnabled(true);
  EXPECT_GT(host.asked, before);
  EXPECT_EQ(c.run(105), 135);
  EXPECT_EQ(c.run(135), 165);
  EXPECT_EQ(a.otherTicks, 1);
  // Stopped timers and unloaded windows tick no more.
  a.timer.setEnabled(false);
  a.other.setEnabled(false);
  EXPECT_EQ(c.run(1000), ui::Clock::kNever);
  EXPECT_EQ(a.ticks, 1);
  EXPECT_EQ(c.ticksRun(), 11);
  app.setHost(nullptr);
}

TEST(Clock, HiddenTimeStandsStillAndIsNotMadeUp) {
  ui::Application app;
  Ticking w(app, 100);
  w.show();
  ui::Clock& c = app.clock();
  c.run(0);
  c.run(100);
  c.setShown(false);
  EXPECT_EQ(c.run(5000), ui::Clock::kNever);
  c.setShown(true);
  c.run(60000);
  c.run(60100);
  EXPECT_EQ(w.ticks, 2);
}

TEST(Clock, ATickMayStopRestartOrUnloadAnyWindow) {
  ui::Application app;
  Ticking a(app, 10), b(app, 10);
  a.show();
  b.show();
  ui::Clock& c = app.clock();
  c.run(0);
  // a's tick unloads b, whose ticks owed in the same frame are dropped.
  a.onTick = [&] { b.unload(); };
  c.run(50);
  EXPECT_EQ(a.ticks, 5);
  EXPECT_EQ(b.ticks, 0);
  // A tick that changes its own interval ends what was owed and counts afresh.
  a.onTick = [&] { a.timer.setInterval(20); };
  c.run(100);
  EXPECT_EQ(a.ticks, 6);
  a.onTick = nullptr;
  c.run(101);
  c.run(121);
  EXPECT_EQ(a.ticks, 7);
  // A tick that unloads its own window.
  a.onTick = [&] { a.unload(); };
  c.run(500);
  EXPECT_EQ(a.ticks, 8);
  EXPECT_EQ(c.run(600), ui::Clock::kNever);
}

}  // namespace
