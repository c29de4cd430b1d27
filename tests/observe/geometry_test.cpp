// Distances of the observation model and where the record letters stand,
// with the design layout and with a station dragged far to the side.
#include <gtest/gtest.h>

#include <cmath>

#include "kansoku_fixture.h"
#include "observe/geometry.h"

namespace observe_test {
namespace {

using observe::Marker;

constexpr float kPlanHeight = 3615;
constexpr Marker kFocus{1020, 1140, 135};

struct DesignStation {
  int index;
  double epicentral, hypocentral, letterTop;
};

constexpr DesignStation kDesign[] = {
    {0, 587.5, 1342.84, 6837.5}, {1, 1187.5, 1693.58, 6237.5}, {2, 1787.5, 2157.13, 5637.5},
    {3, 2387.5, 2675.48, 5037.5}, {4, 2987.5, 3222.30, 4437.5},
};

TEST(Geometry, SidewaysOffsetCountsLikeTheVerticalOne) {
  // 3-4-5 triangle along the surface, then depth on top.
  const Marker st{1020 + 300, kPlanHeight - 400 - 67.5f, 135};
  EXPECT_DOUBLE_EQ(observe::epicentralDistance(kPlanHeight, st, kFocus), 500);
  EXPECT_DOUBLE_EQ(observe::depth(kFocus), 1207.5);
  const Marker shallow{1020, 600 - 67.5f, 135};
  EXPECT_DOUBLE_EQ(observe::hypocentralDistance(kPlanHeight, st, shallow), std::sqrt(500.0 * 500 + 600 * 600));
}

using KansokuGeometry = Kansoku;

TEST_F(KansokuGeometry, LoadPlacesLettersAndSetOffFixesDistances) {
  w.Command2_Click();
  for (const auto& row : kDesign) {
    const int i = row.index;
    EXPECT_FLOAT_EQ(w.n_obj[i].top(), static_cast<float>(row.letterTop)) << i;
    EXPECT_DOUBLE_EQ(w.epiDist[i], row.epicentral) << i;
    EXPECT_NEAR(w.hypoDist[i], row.hypocentral, 0.005) << i;
    EXPECT_FLOAT_EQ(w.nobj[i].left(), w.obs[i].left());
    EXPECT_FLOAT_EQ(w.nobj[i].top(), w.obs[i].top() - 10);
  }
  EXPECT_FLOAT_EQ(w.hypoY, 1207.5f);
  EXPECT_FLOAT_EQ(w.epiX, 1087.5f);
  EXPECT_FLOAT_EQ(w.epiY, 3615);
  EXPECT_FLOAT_EQ(w.lfoc.x1(), 1087.5f);
  EXPECT_FLOAT_EQ(w.lfoc.y2(), 1140);
  EXPECT_FLOAT_EQ(w.nfoc2.left(), 1087.5f);
  EXPECT_FLOAT_EQ(w.nfoc.left(), 1030);
  EXPECT_FLOAT_EQ(w.nfoc.top(), 1130);
}

TEST_F(KansokuGeometry, StationFarToTheSideHasItsLetterNearlyOnItsTrace) {
  clickLabel(w.nobj[0]);
  moveTo(w.map1, 5050, 3450);  // marker at (5000, 3400): 3980 sideways, 147.5 up
  clickLabel(w.nobj[0]);
  w.Command2_Click();
  const double trace = 7560 - w.epiDist[0];
  const double gap = trace - w.n_obj[0].top();
  EXPECT_GT(gap, 0);
  EXPECT_LT(gap, 10);
  // The letter of a station left above the epicentre is still a marker width up.
  EXPECT_NEAR(7560 - w.epiDist[1] - w.n_obj[1].top(), 135, 1e-3);
}

}  // namespace
}  // namespace observe_test
