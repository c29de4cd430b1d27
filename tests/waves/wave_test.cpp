// The P/S comparison on particle rows: layout, the first tick of both rows,
// each row moving on its own axis, the S row numbered from the right,
// spacing, reopening (their cycles are in periods_test.cpp).
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tests/waves/lesson_fixture.h"
#include "waves/frm_Wave.h"

namespace {

struct Rows : LoadedLesson<waves::frm_Wave> {
  // Lefts of the P row and tops of the S row: the coordinates that move.
  std::array<float, 62> moving() const {
    std::array<float, 62> m{};
    for (int i = 0; i < 62; ++i) m[i] = i < 31 ? w.Shape2[i].left() : w.Shape2[i].top();
    return m;
  }
  bool pSame(const std::array<float, 62>& a, const std::array<float, 62>& b) const {
    return std::equal(a.begin(), a.begin() + 31, b.begin());
  }
  bool sSame(const std::array<float, 62>& a, const std::array<float, 62>& b) const {
    return std::equal(a.begin() + 31, a.end(), b.begin() + 31);
  }
};

TEST_F(Rows, LayoutBeforeTheFirstTick) {
  EXPECT_EQ(w.style().caption, "縦波（Ｐ波）・横波(Ｓ波)の比較");
  EXPECT_EQ(w.style().clientHeight, 6990);
  EXPECT_EQ(w.Label3.caption(), "縦波（Ｐ波）");
  EXPECT_EQ(w.Label4.caption(), "横波(Ｓ波)");
  EXPECT_TRUE(w.Label4.transparent());
  EXPECT_EQ(w.Label4.font().size, 12);
  EXPECT_EQ(w.Label6.caption(), "点の動きに注目して下さい。");
  EXPECT_EQ(w.Label7.container(), &w.Frame1);
  EXPECT_EQ(w.Shape1[1].top(), 3360);
  for (int i = 0; i < 62; ++i) {
    const int k = i < 31 ? i + 1 : 62 - i;
    EXPECT_EQ(w.Shape2[i].left(), 360.0f * static_cast<float>(k)) << i;
    EXPECT_EQ(w.Shape2[i].top(), i < 31 ? 1560 : 4920) << i;
    EXPECT_EQ(w.Shape2[i].fillColor(), i == 15 || i == 46 ? 0x00C0C0FFu : 0x00FFC0C0u) << i;
  }
  EXPECT_EQ(w.Timer1.interval(), 50);
}

TEST_F(Rows, FirstTickPlacesBothRowsWithBothPhasesAtZero) {
  tick();
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(w.Shape2[i].top(), 1920);
    EXPECT_FLOAT_EQ(w.Shape2[i].left(),
                    static_cast<float>(356.71875 * (i + 1) + 52.5 + 178.359375 * std::sin(i)));
  }
  for (int i = 31; i < 62; ++i) {
    EXPECT_EQ(w.Shape2[i].left(), static_cast<float>(356.71875 * (62 - i) + 52.5)) << i;
    EXPECT_FLOAT_EQ(w.Shape2[i].top(), static_cast<float>(4440 + 713.4375 * std::sin((62 - i) / 2.0)));
  }
  // The S row's red particle moves only up and down, on the bands' centre line.
  EXPECT_EQ(w.Shape2[46].left() + w.Shape2[46].width() / 2, w.Shape1[1].left() + w.Shape1[1].width() / 2);
  // Rightmost and leftmost S particles.
  EXPECT_GT(w.Shape2[31].left(), w.Shape2[32].left());
  EXPECT_FLOAT_EQ(w.Shape2[61].left(), 409.21875f);
  EXPECT_NEAR(w.phaseP(), M_PI / 5, 1e-12);
  EXPECT_NEAR(w.phaseS(), M_PI / 20, 1e-12);
}

TEST_F(Rows, EachRowMovesOnItsOwnAxisAndNeighboursNeverOverlap) {
  tick();
  const auto rest = [&](int i) { return i < 31 ? w.Shape2[i].top() : w.Shape2[i].left(); };
  std::array<float, 62> fixed{};
  for (int i = 0; i < 62; ++i) fixed[i] = rest(i);
  float minGap = 1e9f, maxGap = 0;
  for (int t = 0; t < 40; ++t) {
    tick();
    for (int i = 0; i < 62; ++i) ASSERT_EQ(rest(i), fixed[i]) << i;
    for (int i = 1; i < 31; ++i) {
      const float gap = w.Shape2[i].left() - w.Shape2[i - 1].left();
      minGap = std::min(minGap, gap);
      maxGap = std::max(maxGap, gap);
    }
    for (int i = 32; i < 62; ++i)
      ASSERT_FLOAT_EQ(w.Shape2[i - 1].left() - w.Shape2[i].left(), 356.71875f);
  }
  EXPECT_NEAR(minGap, 185.7, 0.5);
  EXPECT_NEAR(maxGap, 527.7, 0.5);
}

TEST_F(Rows, SRowStaysInsideItsBand) {
  float lo = 1e9f, hi = 0;
  for (int t = 0; t < 40; ++t) {
    tick();
    for (int i = 31; i < 62; ++i) {
      lo = std::min(lo, w.Shape2[i].top());
      hi = std::max(hi, w.Shape2[i].top());
    }
  }
  EXPECT_NEAR(lo, 3726.6, 0.5);
  EXPECT_NEAR(hi, 5153.4, 0.5);
}

TEST_F(Rows, ReopeningRestartsBothRows) {
  tick();
  const auto first = moving();
  tick(13);
  w.Command1_Click();
  w.load();
  EXPECT_EQ(w.phaseP(), 0.0);
  EXPECT_EQ(w.phaseS(), 0.0);
  tick();
  EXPECT_EQ(moving(), first);
}

}  // namespace
