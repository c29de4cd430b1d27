// A finger on the observation window as the window layer routes it: drags and
// taps that carry stations and the hypocentre, touch areas wider than the
// labels that never reach over a neighbour's, and buttons hit beside them.
#include <gtest/gtest.h>

#include "kansoku_fixture.h"
#include "observe/colours.h"
#include "ui/touch.h"

namespace observe_test {
namespace {

constexpr float kPx = 15;  // twips to a CSS pixel at 100 %

struct Touching : Kansoku {
  ui::Touch touch;

  void tapAt(ui::Container& c, float x, float y) {
    touch.press(c, x, y, kPx);
    touch.release(c, x, y);
  }
  void drag(ui::Container& c, float x0, float y0, float x1, float y1) {
    touch.press(c, x0, y0, kPx);
    for (int k = 1; k <= 4; ++k) touch.move(c, x0 + (x1 - x0) * static_cast<float>(k) / 4, y0 + (y1 - y0) * static_cast<float>(k) / 4);
    touch.release(c, x1, y1);
  }
  static float midX(const ui::Label& l) { return l.left() + l.width() / 2; }
  static float midY(const ui::Label& l) { return l.top() + l.height() / 2; }
};

TEST(TouchAreas, NearestBoxWinsAndNoAreaReachesOverAnotherBox) {
  // Two labels 20 px apart, smaller than a fingertip, and a drawing area.
  const std::vector<ui::TouchArea> areas = {
      {{0, 0, 300, 150}, true}, {{0, 450, 300, 150}, true}, {{600, 0, 900, 900}, false}};
  const float reach = 22 * kPx, side = 44 * kPx;
  EXPECT_EQ(ui::pickTouchArea(areas, 150, -300, reach, side), 0);   // 20 px above the first
  EXPECT_EQ(ui::pickTouchArea(areas, 150, 290, reach, side), 0);    // the gap's upper half
  EXPECT_EQ(ui::pickTouchArea(areas, 150, 310, reach, side), 1);    // and its lower half
  EXPECT_EQ(ui::pickTouchArea(areas, 150, -360, reach, side), -1);  // past the reach
  // The label and the drawing area split the gap between them; the area
  // answers nothing outside its box.
  EXPECT_EQ(ui::pickTouchArea(areas, 440, 75, reach, side), 0);
  EXPECT_EQ(ui::pickTouchArea(areas, 460, 75, reach, side), -1);
  EXPECT_EQ(ui::pickTouchArea(areas, 610, 75, reach, side), 2);
  EXPECT_EQ(ui::pickTouchArea({{{600, 0, 900, 900}, false}}, 590, 75, reach, side), -1);
  // A box thinner than the least side answers over that side around its middle.
  EXPECT_EQ(ui::pickTouchArea({{{0, 0, 30, 30}, true}}, 15 + 21 * kPx, 15, 0, side), 0);
  EXPECT_EQ(ui::pickTouchArea({{{0, 0, 30, 30}, true}}, 15 + 23 * kPx, 15, 0, side), -1);
  // Overlapping boxes: the later one, drawn on top.
  EXPECT_EQ(ui::pickTouchArea({{{0, 0, 300, 300}, true}, {{100, 100, 300, 300}, true}}, 200, 200, reach, side), 1);
}

TEST_F(Touching, DragCarriesStationUnderTheFingerAndDropsItWhereItLifts) {
  ui::Label& b = w.nobj[1];
  touch.press(w.map1, midX(b), midY(b), kPx);
  EXPECT_EQ(w.stationMoving, "yes");
  EXPECT_EQ(w.movingIndex, 1);
  EXPECT_EQ(w.obs[1].fillColor(), observe::kCarriedFill);
  touch.move(w.map1, 2000, 1500);
  touch.move(w.map1, 2500, 2300);
  touch.release(w.map1, 2500, 2300);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_EQ(w.obs[1].fillColor(), observe::kStationFill);
  // The label's corner 50 twips up and left of the finger, as a mouse leaves it.
  EXPECT_FLOAT_EQ(b.left(), 2450);
  EXPECT_FLOAT_EQ(b.top(), 2250);
  EXPECT_FLOAT_EQ(w.obs[1].left(), b.left());
}

TEST_F(Touching, TapPicksUpAndTheNextTapPutsDownThere) {
  ui::Label& b = w.nobj[1];
  const float left = b.left(), top = b.top();
  tapAt(w.map1, midX(b), midY(b));
  EXPECT_EQ(w.stationMoving, "yes");
  EXPECT_FLOAT_EQ(b.left(), left);  // a tap leaves it where it stands
  EXPECT_FLOAT_EQ(b.top(), top);
  tapAt(w.map1, 4000, 600);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_FLOAT_EQ(b.left(), 3950);
  EXPECT_FLOAT_EQ(b.top(), 550);
  // A drag that starts once the item is picked up carries it too.
  tapAt(w.map1, midX(b), midY(b));
  drag(w.map1, 1000, 1000, 1600, 1200);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_FLOAT_EQ(b.left(), 1550);
  EXPECT_FLOAT_EQ(b.top(), 1150);
}

TEST_F(Touching, TouchTenPixelsOutsideALabelPicksItUpAndNeighboursSplitTheGap) {
  ui::Label& b = w.nobj[1];
  const float right = b.left() + b.width(), bottom = b.top() + b.height();
  for (auto [x, y] : {std::pair{b.left() - 10 * kPx, midY(b)}, std::pair{right + 10 * kPx, midY(b)},
                      std::pair{midX(b), b.top() - 10 * kPx}, std::pair{midX(b), bottom + 10 * kPx}}) {
    tapAt(w.map1, x, y);
    EXPECT_EQ(w.stationMoving, "yes") << x << ", " << y;
    EXPECT_EQ(w.movingIndex, 1);
    w.nobj_Click(1);  // put down again
  }
  // Stations A and B stand one grid step apart: just below B's label's
  // middle of the gap is still B, just above A's it is A.
  ui::Label& a = w.nobj[0];
  const float gapMiddle = (bottom + a.top()) / 2;
  tapAt(w.map1, midX(b), gapMiddle - 15);
  EXPECT_EQ(w.movingIndex, 1);
  w.nobj_Click(1);
  tapAt(w.map1, midX(a), gapMiddle + 15);
  EXPECT_EQ(w.movingIndex, 0);
  w.nobj_Click(0);
  // Far from every label a touch picks nothing up.
  tapAt(w.map1, 4000, 3300);
  EXPECT_EQ(w.stationMoving, "no");
}

TEST_F(Touching, HypocentreDragsInTheSectionAndStaysBelowTheSurface) {
  drag(w.map2, midX(w.nfoc), midY(w.nfoc), 3000, 1300);
  EXPECT_EQ(w.focMoving, "no");
  EXPECT_FLOAT_EQ(w.foc.left(), 2950);
  EXPECT_FLOAT_EQ(w.foc.top(), 1250);
  EXPECT_FLOAT_EQ(w.lfoc.x1(), 2950 + w.foc.width() / 2);
  // Dragged up out of the ground it stops at the last place below it.
  drag(w.map2, midX(w.nfoc), midY(w.nfoc), 3000, 0);
  EXPECT_GT(w.foc.top() + w.foc.width() / 2, 0);
}

TEST_F(Touching, NothingIsCarriedDuringARunAndAButtonBesideTheFingerWorks) {
  // 3 px below 地震発生, on the window's own area: it sets the earthquake off.
  tapAt(w, 3000 + 487, 6600 + 375 + 3 * kPx);
  ASSERT_TRUE(w.Timer1.enabled());
  drag(w.map1, midX(w.nobj[1]), midY(w.nobj[1]), 3000, 1000);
  EXPECT_EQ(w.stationMoving, "no");
  EXPECT_FLOAT_EQ(w.nobj[1].left(), 1020);
  // A finger that slides off a button before lifting does not press it.
  runToEnd();
  touch.press(w, 5160 + 487, 7080 + 187, kPx);
  touch.move(w, 5160 + 487, 5000);
  touch.release(w, 5160 + 487, 5000);
  EXPECT_TRUE(w.loaded());
}

TEST_F(Touching, CloseBoxAndListsAreLeftToTheHostWhenTheFingerLifts) {
  const ui::Touch::Extra closeBox{{w.style().clientWidth - 330, -330, 330, 330}, 7};
  // 3 px below the close box, inside the client area, it is still the close
  // box; 5 px below, the record's view 8 px below is nearer.
  touch.press(w, w.style().clientWidth - 165, 3 * kPx, kPx, {closeBox});
  EXPECT_EQ(touch.release(w, w.style().clientWidth - 165, 3 * kPx).extra, 7);
  touch.press(w, w.style().clientWidth - 165, 5 * kPx, kPx, {closeBox});
  EXPECT_EQ(touch.release(w, w.style().clientWidth - 165, 5 * kPx).extra, 0);
  // Beside the size list: the host opens it.
  touch.press(w, 480 + 300, 6840 - 4 * kPx, kPx, {closeBox});
  const ui::Touch::Outcome out = touch.release(w, 480 + 300, 6840 - 4 * kPx);
  EXPECT_EQ(out.list, &w.mag);
  EXPECT_EQ(out.extra, 0);
}

}  // namespace
}  // namespace observe_test
