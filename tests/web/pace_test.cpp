// The timer's pace in the browser: once a call when the browser is steady,
// missed ticks made up a few at a time when it calls late, and no burst
// after a long stall.
#include <gtest/gtest.h>

#include "ui/web/pace.h"

using zemlox::web::Pace;

namespace {

TEST(Pace, SteadyCallsTickOnceEachAlsoWithJitter) {
  Pace p(12, 1000);
  int ticks = 0;
  for (int k = 1; k <= 100; ++k) {
    const int n = p.due(1000 + 12.0 * k + (k % 2 ? 5 : -5));  // up to 5 ms early or late
    EXPECT_EQ(n, 1) << "call " << k;
    ticks += n;
  }
  EXPECT_EQ(ticks, 100);
}

TEST(Pace, LateCallsMakeUpTheMissedTicksSoTheRateHolds) {
  // A throttled browser calling every 20 ms for a 10 ms timer: two ticks a call.
  Pace p(10, 0);
  int ticks = 0;
  for (int k = 1; k <= 50; ++k) ticks += p.due(20.0 * k);
  EXPECT_EQ(ticks, 100);
  // Uneven calls: the count follows the clock.
  Pace q(20, 0);
  ticks = 0;
  for (double t : {25.0, 70.0, 75.0, 130.0, 200.0}) ticks += q.due(t);
  EXPECT_EQ(ticks, 10);
}

TEST(Pace, AfterALongStallAtMostAFewTicksThenSteadyAgain) {
  Pace p(10, 0);
  EXPECT_EQ(p.due(10), 1);
  EXPECT_EQ(p.due(5000), Pace::kMaxCatchUp);
  EXPECT_EQ(p.due(5010), 1);
  EXPECT_EQ(p.due(5020), 1);
  // A call that comes early, before the next tick is due, runs none.
  EXPECT_EQ(p.due(5021), 0);
}

}  // namespace
