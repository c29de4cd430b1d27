// The S-wave lesson's particle row: layout places, the first tick, motion
// only up and down inside the band, reading the band afresh each tick,
// reopening (the 40-tick cycle is in periods_test.cpp).
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tests/waves/lesson_fixture.h"
#include "waves/frm_Swave.h"

namespace {

struct SWave : LoadedLesson<waves::frm_Swave> {
  std::array<float, 31> tops() const {
    std::array<float, 31> t{};
    for (int i = 0; i < 31; ++i) t[i] = w.Shape2[i].top();
    return t;
  }
};

TEST_F(SWave, LayoutBeforeTheFirstTick) {
  EXPECT_EQ(w.style().caption, "横波(Ｓ波)のシミュレーション ");
  EXPECT_EQ(w.Label2.caption(), "横波(Ｓ波)のシミュレーション ");
  EXPECT_EQ(w.Label5.caption(), "地震の横波は縦波より遅く伝わりますが、振幅が大きいので強く揺れます。");
  EXPECT_EQ(w.Label5.container(), &w.Frame1);
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(w.Shape2[i].left(), 360.0f * static_cast<float>(i + 1));
    EXPECT_EQ(w.Shape2[i].top(), 1560);
    EXPECT_EQ(w.Shape2[i].borderColor(), i == 15 ? 0x000000FFu : 0x00FF0000u);
  }
  EXPECT_EQ(w.Timer1.interval(), 50);
  EXPECT_TRUE(w.Timer1.enabled());
}

TEST_F(SWave, FirstTickPutsParticleIOnTheWaveWithPhaseZero) {
  tick();
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(w.Shape2[i].left(), static_cast<float>(356.71875 * (i + 1) + 52.5)) << i;
    EXPECT_FLOAT_EQ(w.Shape2[i].top(), static_cast<float>(1920 + 713.4375 * std::sin(i / 2.0))) << i;
  }
  EXPECT_EQ(w.Shape2[0].top(), 1920);
  EXPECT_NEAR(w.phase(), M_PI / 20, 1e-12);
}

TEST_F(SWave, ParticlesMoveOnlyUpAndDownAndStayInsideTheBand) {
  tick();
  std::array<float, 31> lefts{};
  for (int i = 0; i < 31; ++i) lefts[i] = w.Shape2[i].left();
  float lo = 1e9f, hi = 0;
  for (int t = 0; t < 80; ++t) {
    tick();
    for (int i = 0; i < 31; ++i) {
      ASSERT_EQ(w.Shape2[i].left(), lefts[i]);
      lo = std::min(lo, w.Shape2[i].top());
      hi = std::max(hi, w.Shape2[i].top());
    }
  }
  EXPECT_GE(lo, 1206.5625f);
  EXPECT_LE(hi, 2633.4375f);
  EXPECT_LT(lo, 1210);  // the swing reaches nearly its full amplitude
  EXPECT_GT(hi + 135, 2760);
  EXPECT_LT(hi + 135, 3135);  // the bottom of the lowest circle is still on the band
}

TEST_F(SWave, TheRowFollowsTheBandWhereverItIsOnTheTick) {
  w.Shape1.setTop(1000);
  tick();
  EXPECT_EQ(w.Shape2[0].top(), 2080);  // 2295 / 2 + 1000 - 135 / 2
}

TEST_F(SWave, ReopeningRestartsAtPhaseZero) {
  tick();
  const auto first = tops();
  tick(7);
  w.Command1_Click();
  EXPECT_FALSE(w.loaded());
  w.load();
  EXPECT_EQ(w.phase(), 0.0);
  EXPECT_EQ(w.Shape2[4].top(), 1560);
  tick();
  EXPECT_EQ(tops(), first);
}

}  // namespace
