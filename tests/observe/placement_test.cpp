// Picking up, carrying and dropping stations and the hypocentre, as a pupil
// does it through clicks and pointer moves routed by the window layer.
#include <gtest/gtest.h>

#include "kansoku_fixture.h"
#include "observe/colours.h"

namespace observe_test {
namespace {

using Placement = Kansoku;

TEST_F(Placement, PickUpWhitensClearsTheViewsAndHidesRunButtons) {
  w.Command2_Click();
  runToEnd();
  ASSERT_TRUE(w.Command5.visible());
  plan.ops.clear(), section.ops.clear(), record.ops.clear();
  clickLabel(w.nobj[2]);
  EXPECT_EQ(w.stationMoving, "yes");
  EXPECT_EQ(w.movingIndex, 2);
  EXPECT_EQ(w.obs[2].fillColor(), observe::kCarriedFill);
  EXPECT_EQ(w.map1.children().back(), &w.nobj[2]);
  EXPECT_FALSE(w.Command3.visible() || w.Command4.visible() || w.Command5.visible());
  EXPECT_TRUE(w.objido.visible());
  ASSERT_EQ(plan.ops.size(), 1u);
  EXPECT_EQ(plan.ops[0].kind, ui::DrawOp::Clear);
  ASSERT_EQ(section.ops.size(), 1u);
  EXPECT_EQ(section.ops[0].kind, ui::DrawOp::Clear);
  EXPECT_TRUE(record.ops.empty());  // the seismograms stay until the next set-off
}

TEST_F(Placement, StationFollowsOverItsLabelThenOverTheViewAndDropsInPlace) {
  const float letterTop = w.n_obj[0].top();
  clickLabel(w.nobj[0]);
  // Over its own label (left 1020, top 2950) the label's corner goes 50 up and
  // left of the pointer and the marker keeps its 10 twips below the label.
  moveTo(w.map1, 1100, 3000);
  EXPECT_FLOAT_EQ(w.nobj[0].left(), 1050);
  EXPECT_FLOAT_EQ(w.nobj[0].top(), 2950);
  EXPECT_FLOAT_EQ(w.obs[0].left(), 1050);
  EXPECT_FLOAT_EQ(w.obs[0].top(), 2960);
  // Over bare view both share the corner.
  moveTo(w.map1, 3000, 1500);
  EXPECT_FLOAT_EQ(w.nobj[0].left(), 2950);
  EXPECT_FLOAT_EQ(w.nobj[0].top(), 1450);
  EXPECT_FLOAT_EQ(w.obs[0].left(), 2950);
  EXPECT_FLOAT_EQ(w.obs[0].top(), 1450);
  clickAt(w.map1, 3000, 1500);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_EQ(w.obs[0].fillColor(), observe::kStationFill);
  moveTo(w.map1, 4000, 500);
  EXPECT_FLOAT_EQ(w.obs[0].left(), 2950);
  // Letters and distances follow only at the next set-off.
  EXPECT_FLOAT_EQ(w.n_obj[0].top(), letterTop);
}

TEST_F(Placement, MovesOverAnotherStationAreIgnoredAndItsClickReleases) {
  clickLabel(w.nobj[0]);
  moveTo(w.map1, 3000, 1500);
  // B's label: left 1020, top 2350 after load.
  moveTo(w.map1, 1200, 2450);
  EXPECT_FLOAT_EQ(w.obs[0].left(), 2950);
  EXPECT_FLOAT_EQ(w.obs[0].top(), 1450);
  EXPECT_FLOAT_EQ(w.obs[1].left(), 1020);
  clickAt(w.map1, 1200, 2450);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_EQ(w.obs[0].fillColor(), observe::kCarriedFill);  // released where it stands, still white
  EXPECT_EQ(w.obs[1].fillColor(), observe::kStationFill);
  moveTo(w.map1, 4000, 500);
  EXPECT_FLOAT_EQ(w.obs[0].left(), 2950);
}

TEST_F(Placement, StationAndHypocentreCarriedTogether) {
  clickLabel(w.nfoc);
  EXPECT_EQ(w.focMoving, "yes");
  EXPECT_EQ(w.foc.fillColor(), observe::kCarriedFill);
  clickLabel(w.nobj[4]);
  EXPECT_EQ(w.stationMoving, "yes");
  moveTo(w.map1, 4000, 800);
  moveTo(w.map2, 3000, 900);
  EXPECT_FLOAT_EQ(w.obs[4].left(), 3950);
  EXPECT_FLOAT_EQ(w.foc.left(), 2950);
  EXPECT_FLOAT_EQ(w.foc.top(), 850);
  EXPECT_FLOAT_EQ(w.nfoc.left(), 2950);
  // The epicentre line waits for the drop.
  EXPECT_FLOAT_EQ(w.lfoc.x1(), 1087.5f);
  EXPECT_FLOAT_EQ(w.nfoc2.left(), 1087.5f);
  clickAt(w.map2, 3000, 900);
  EXPECT_EQ(w.focMoving, "no");
  EXPECT_EQ(w.stationMoving, "yes");
  EXPECT_EQ(w.foc.fillColor(), observe::kFocusFill);
  EXPECT_FLOAT_EQ(w.lfoc.x1(), 3017.5f);
  EXPECT_FLOAT_EQ(w.lfoc.x2(), 3017.5f);
  EXPECT_FLOAT_EQ(w.lfoc.y1(), 0);
  EXPECT_FLOAT_EQ(w.lfoc.y2(), 850);
  EXPECT_FLOAT_EQ(w.nfoc2.left(), 3017.5f);
  clickAt(w.map1, 4000, 800);
  EXPECT_EQ(w.stationMoving, "no");
}

TEST_F(Placement, HypocentreOverItsLabelKeepsTheMarkerOffset) {
  clickLabel(w.nfoc);  // label at (1030, 1130), marker at (1020, 1140)
  moveTo(w.map2, 1130, 1180);
  EXPECT_FLOAT_EQ(w.nfoc.left(), 1080);
  EXPECT_FLOAT_EQ(w.nfoc.top(), 1130);
  EXPECT_FLOAT_EQ(w.foc.left(), 1070);
  EXPECT_FLOAT_EQ(w.foc.top(), 1140);
}

TEST_F(Placement, NothingIsPickedUpDuringARun) {
  w.Command2_Click();
  clickLabel(w.nobj[1]);
  clickLabel(w.nfoc);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_EQ(w.focMoving, "no");
  EXPECT_EQ(w.obs[1].fillColor(), observe::kStationFill);
  EXPECT_EQ(w.foc.fillColor(), observe::kFocusFill);
  EXPECT_TRUE(w.Command3.visible());
}

TEST_F(Placement, SetOffReleasesACarriedStationLeavingItWhite) {
  clickLabel(w.nobj[3]);
  moveTo(w.map1, 2500, 1000);
  w.Command2_Click();
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_EQ(w.obs[3].fillColor(), observe::kCarriedFill);
  moveTo(w.map1, 4000, 400);
  EXPECT_FLOAT_EQ(w.obs[3].left(), 2450);
  runToEnd();
  clickLabel(w.nobj[3]);  // the flag is "no": picked up again
  EXPECT_EQ(w.stationMoving, "yes");
  clickLabel(w.nobj[3]);
  EXPECT_EQ(w.obs[3].fillColor(), observe::kStationFill);
}

// Moves from outside a view reach it while a button is held down; they must
// never lift the hypocentre's centre to the surface line or above.
struct OutsideMove {
  float x, y;
};

class HypocentreDepth : public Kansoku, public ::testing::WithParamInterface<OutsideMove> {};

TEST_P(HypocentreDepth, MovesFromOutsideTheSectionViewAreIgnored) {
  clickLabel(w.nfoc);
  moveTo(w.map2, 2000, 0);  // pointer on the surface line: the shallowest place
  EXPECT_FLOAT_EQ(w.foc.top() + w.foc.width() / 2, 17.5f);
  const auto [x, y] = GetParam();
  moveTo(w.map2, x, y);
  // And through the label, in its own coordinates.
  w.nfoc.mouseMove({1, 0}, x - w.nfoc.left(), y - w.nfoc.top());
  EXPECT_FLOAT_EQ(w.foc.left(), 1950);
  EXPECT_FLOAT_EQ(w.foc.top(), -50);
  EXPECT_FLOAT_EQ(w.nfoc.top(), -50);
}

INSTANTIATE_TEST_SUITE_P(Outside, HypocentreDepth,
                         ::testing::Values(OutsideMove{2000, -1}, OutsideMove{2000, -3000},
                                           OutsideMove{-10, 500}, OutsideMove{6135, 500},
                                           OutsideMove{2000, 1815}, OutsideMove{9000, -9000}));

}  // namespace
}  // namespace observe_test
