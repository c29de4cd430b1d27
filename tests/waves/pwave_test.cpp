// The P-wave lesson's particle row: places before and after the first tick,
// spacing, the fixed row height, the red particle's swing, reopening (the
// 10-tick cycle is in periods_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/waves/lesson_fixture.h"
#include "waves/frm_Pwave.h"

namespace {

using PWave = LoadedLesson<waves::frm_Pwave>;

TEST_F(PWave, ParticlesStandAtTheirLayoutPlacesUntilTheFirstTick) {
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(w.Shape2[i].left(), 360.0f * static_cast<float>(i + 1));
    EXPECT_EQ(w.Shape2[i].top(), 1560);
  }
  EXPECT_EQ(w.Timer1.interval(), 50);
  EXPECT_TRUE(w.Timer1.enabled());
}

TEST_F(PWave, FirstTickPutsEachParticleOnTheRowDisplacedBySinOfItsIndex) {
  tick();
  for (int i = 0; i < 31; ++i) {
    const double expected = 356.71875 * (i + 1) + 52.5 + 178.359375 * std::sin(i);
    EXPECT_NEAR(w.Shape2[i].left(), expected, 1e-3) << i;
    EXPECT_EQ(w.Shape2[i].top(), 1920);
  }
  EXPECT_FLOAT_EQ(w.Shape2[0].left(), 409.21875f);  // sin 0: at rest
  EXPECT_NEAR(w.phase(), M_PI / 5, 1e-12);
}

TEST_F(PWave, NeighboursNeverTouchAndTheRowNeverLeavesItsHeight) {
  float minGap = 1e9f, maxGap = 0;
  for (int t = 0; t < 40; ++t) {
    tick();
    for (int i = 0; i < 31; ++i) {
      ASSERT_EQ(w.Shape2[i].top(), 1920);
      if (i == 0) continue;
      const float gap = w.Shape2[i].left() - w.Shape2[i - 1].left();
      minGap = std::min(minGap, gap);
      maxGap = std::max(maxGap, gap);
    }
  }
  EXPECT_GT(minGap, 135);  // wider than a particle
  EXPECT_NEAR(minGap, 185.7, 0.5);
  EXPECT_NEAR(maxGap, 527.7, 0.5);
}

TEST_F(PWave, RedParticleSwingsAboutTheBandsCentre) {
  tick();
  const ui::Shape& red = w.Shape2[15];
  EXPECT_EQ(red.fillColor(), 0x00C0C0FFu);
  EXPECT_EQ(red.borderColor(), 0x000000FFu);
  // Over one cycle its middle goes as far right of the band's centre as left.
  const double centre = w.Shape1.left() + w.Shape1.width() / 2.0;
  double sum = 0, lo = 1e9, hi = -1e9;
  for (int t = 0; t < 10; ++t, tick()) {
    const double middle = red.left() + red.width() / 2.0;
    sum += middle - centre;
    lo = std::min(lo, middle);
    hi = std::max(hi, middle);
  }
  EXPECT_NEAR(sum / 10, 0, 1e-3);
  EXPECT_LT(lo, centre - 100);
  EXPECT_GT(hi, centre + 100);
}

TEST_F(PWave, ReopeningRestartsAtPhaseZeroAndLayoutPlaces) {
  tick(3);
  w.Command1_Click();
  EXPECT_FALSE(w.loaded());
  EXPECT_FALSE(w.Timer1.enabled());
  w.load();
  EXPECT_EQ(w.phase(), 0.0);
  EXPECT_EQ(w.Shape2[3].left(), 1440);
  tick();
  EXPECT_NEAR(w.Shape2[3].left(), 356.71875 * 4 + 52.5 + 178.359375 * std::sin(3), 1e-3);
}

}  // namespace
