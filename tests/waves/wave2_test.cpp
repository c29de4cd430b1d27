// The P/S comparison on wire-frame blocks: layout places and colours, the
// first tick's worked numbers, which coordinates each block may move, the S
// block's edge chains and both right faces hung on the lines they follow,
// reopening (the 10- and 20-tick cycles are in periods_test.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/waves/lesson_fixture.h"
#include "waves/frm_Wave2.h"

namespace {

using ui::Line;

struct Pts {
  float x1, y1, x2, y2;
  bool operator==(const Pts&) const = default;
};
Pts pts(const Line& l) { return {l.x1(), l.y1(), l.x2(), l.y2()}; }

struct Block : LoadedLesson<waves::frm_Wave2> {
  std::vector<Pts> pBlock() const {
    std::vector<Pts> v;
    for (int i = 0; i < 31; ++i) v.push_back(pts(w.Lz[i])), v.push_back(pts(w.Ly[i]));
    for (const Line* l : {&w.Lx1, &w.Lx2, &w.Lx3, &w.Lz0, &w.Ly0}) v.push_back(pts(*l));
    return v;
  }
  std::vector<Pts> sBlock() const {
    std::vector<Pts> v;
    for (int i = 31; i < 62; ++i) v.push_back(pts(w.Lz[i])), v.push_back(pts(w.Ly[i]));
    for (int j = 0; j < 30; ++j)
      v.push_back(pts(w.Lx4[j])), v.push_back(pts(w.Lx5[j])), v.push_back(pts(w.Lx6[j]));
    v.push_back(pts(w.Lz1));
    v.push_back(pts(w.Ly1));
    return v;
  }
};

TEST_F(Block, LinesStandAtTheirLayoutPlacesUntilTheFirstTick) {
  EXPECT_EQ(w.Timer1.interval(), 12);
  EXPECT_EQ(w.Label1.top(), 240);
  EXPECT_EQ(w.Label3.foreColor(), 0x000000FFu);
  EXPECT_EQ(w.Label6.caption(), "線の動きに注目して下さい。");
  EXPECT_EQ(pts(w.Lz[0]), (Pts{360, 1920, 360, 2640}));
  EXPECT_EQ(pts(w.Ly[30]), (Pts{11640, 1320, 11160, 1920}));
  EXPECT_EQ(pts(w.Lz[31]), (Pts{11160, 4440, 11160, 5160}));
  EXPECT_EQ(pts(w.Ly[61]), (Pts{840, 3840, 360, 4440}));
  EXPECT_EQ(pts(w.Lx4[2]), (Pts{10080, 4440, 10440, 4440}));
  EXPECT_EQ(pts(w.Lx5[29]), (Pts{720, 5160, 360, 5160}));
  EXPECT_EQ(pts(w.Lx6[0]), (Pts{11640, 3840, 11280, 3840}));
  EXPECT_EQ(pts(w.Ly0), (Pts{11640, 2280, 11400, 2640}));
  EXPECT_EQ(pts(w.Ly1), (Pts{11640, 4800, 11280, 5160}));
  EXPECT_EQ(w.Lz[46].index(), 46);
  for (int i = 0; i < 62; ++i) {
    const bool red = i == 15 || i == 46;
    EXPECT_EQ(w.Lz[i].color(), red ? 0x000000FFu : ui::sys::WindowText) << i;
    EXPECT_EQ(w.Ly[i].color(), red ? 0x000000FFu : ui::sys::WindowText) << i;
  }
  EXPECT_EQ(w.Lx5[7].color(), ui::sys::WindowText);
  EXPECT_EQ(w.Lx1.widthPixels(), 1);
}

TEST_F(Block, FirstTickBuildsBothBlocksWithBothPhasesAtZero) {
  tick();
  for (int i = 0; i < 31; ++i) {
    const float x = static_cast<float>(356.71875 * (i + 1) - 160 + 178.359375 * std::sin(i));
    EXPECT_FLOAT_EQ(w.Lz[i].x1(), x) << i;
    EXPECT_EQ(pts(w.Lz[i]), (Pts{w.Lz[i].x1(), 1887.5f, w.Lz[i].x1(), 2887.5f}));
    EXPECT_EQ(pts(w.Ly[i]), (Pts{w.Lz[i].x1(), 1887.5f, w.Lz[i].x1() + 480, 1387.5f}));
  }
  EXPECT_FLOAT_EQ(w.Lz[0].x1(), 196.71875f);
  EXPECT_NEAR(w.Lz[15].x1(), 5547.5 + 178.359375 * std::sin(15), 1e-3);  // the red line
  for (int i = 31; i < 62; ++i) {
    const int k = 62 - i;
    EXPECT_EQ(w.Lz[i].x1(), static_cast<float>(356.71875 * k - 160)) << i;
    EXPECT_FLOAT_EQ(w.Lz[i].y1(), static_cast<float>(4407.5 + 178.359375 * std::sin(k / 2.0))) << i;
    EXPECT_EQ(pts(w.Ly[i]), (Pts{w.Lz[i].x1(), w.Lz[i].y1(), w.Lz[i].x1() + 360, w.Lz[i].y1() - 500}));
  }
  EXPECT_NEAR(w.phaseP(), M_PI / 5, 1e-12);
  EXPECT_NEAR(w.phaseS(), M_PI / 10, 1e-12);
}

TEST_F(Block, PLinesMoveOnlySidewaysAndSLinesOnlyUpAndDownKeepingTheirLength) {
  tick();
  std::vector<float> pY, sX;
  for (int i = 0; i < 31; ++i) pY.insert(pY.end(), {w.Lz[i].y1(), w.Lz[i].y2(), w.Ly[i].y1(), w.Ly[i].y2()});
  for (int i = 31; i < 62; ++i) sX.insert(sX.end(), {w.Lz[i].x1(), w.Lz[i].x2(), w.Ly[i].x1(), w.Ly[i].x2()});
  for (int t = 0; t < 40; ++t) {
    tick();
    std::vector<float> y, x;
    for (int i = 0; i < 31; ++i) y.insert(y.end(), {w.Lz[i].y1(), w.Lz[i].y2(), w.Ly[i].y1(), w.Ly[i].y2()});
    for (int i = 31; i < 62; ++i) x.insert(x.end(), {w.Lz[i].x1(), w.Lz[i].x2(), w.Ly[i].x1(), w.Ly[i].x2()});
    ASSERT_EQ(y, pY) << "tick " << t;
    ASSERT_EQ(x, sX) << "tick " << t;
    for (int i = 31; i < 62; ++i) ASSERT_EQ(w.Lz[i].y2() - w.Lz[i].y1(), 1000) << i;
    for (int i = 0; i < 31; ++i) ASSERT_EQ(w.Lz[i].x1(), w.Lz[i].x2()) << i;
  }
}

// Checked on several ticks so that the chains are seen while bent.
TEST_F(Block, SEdgesAreUnbrokenChainsHungOnTheLinesOfThisTick) {
  for (int t = 0; t < 7; ++t) {
    tick();
    for (int j = 0; j < 30; ++j) {
      const Line &line = w.Lz[31 + j], &next = w.Lz[32 + j];
      const Line &depth = w.Ly[31 + j], &nextDepth = w.Ly[32 + j];
      EXPECT_EQ(pts(w.Lx4[j]), (Pts{line.x1(), line.y1(), line.x1() - 360, next.y1()})) << j;
      EXPECT_EQ(pts(w.Lx5[j]), (Pts{line.x2(), line.y2(), line.x2() - 360, next.y2()})) << j;
      EXPECT_EQ(pts(w.Lx6[j]), (Pts{depth.x2(), depth.y2(), depth.x2() - 360, nextDepth.y2()})) << j;
      EXPECT_FLOAT_EQ(next.x1() - w.Lx4[j].x2(), 3.28125f) << j;
    }
    for (int j = 0; j < 30; ++j) EXPECT_NE(w.Lx4[j].x1(), w.Lz[61].x1());  // 61 starts none
  }
}

TEST_F(Block, EdgesAndRightFacesFollowTheLinesTheyHangOn) {
  for (int t = 0; t < 4; ++t) {
    tick();
    const Line &l0 = w.Lz[0], &l30 = w.Lz[30], &l31 = w.Lz[31];
    EXPECT_EQ(pts(w.Lx1), (Pts{l0.x1(), 2887.5f, l30.x1(), 2887.5f}));
    EXPECT_EQ(pts(w.Lx2), (Pts{l0.x1(), 1887.5f, l30.x1(), 1887.5f}));
    EXPECT_EQ(pts(w.Lx3), (Pts{l0.x1() + 480, 1387.5f, l30.x1() + 480, 1387.5f}));
    EXPECT_EQ(pts(w.Lz0), (Pts{l30.x1() + 480, 1387.5f, l30.x1() + 480, 2387.5f}));
    EXPECT_EQ(pts(w.Ly0), (Pts{l30.x1() + 480, 2387.5f, l30.x1(), 2887.5f}));
    EXPECT_EQ(pts(w.Lz1), (Pts{l31.x1() + 360, l31.y1() - 500, l31.x1() + 360, l31.y2() - 500}));
    EXPECT_EQ(pts(w.Ly1), (Pts{l31.x1() + 360, l31.y2() - 500, l31.x1(), l31.y2()}));
  }
}

TEST_F(Block, ReopeningRestartsBothBlocks) {
  tick();
  const auto p1 = pBlock();
  const auto s1 = sBlock();
  tick(5);
  w.Command1_Click();
  EXPECT_FALSE(w.Timer1.enabled());
  w.load();
  EXPECT_EQ(w.phaseP(), 0.0);
  EXPECT_EQ(w.phaseS(), 0.0);
  EXPECT_EQ(pts(w.Lz[0]), (Pts{360, 1920, 360, 2640}));
  tick();
  EXPECT_EQ(pBlock(), p1);
  EXPECT_EQ(sBlock(), s1);
}

}  // namespace
